// The password that the publisher file may carry, and what the password
// dialog does with each edit of its field, each OK and Escape. The dialog
// itself only forwards those events here and carries out the reaction.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlant {

// The header record's text that means "no password".
inline constexpr std::string_view kNoPassword = " ";

// True when `expected` asks for a password at all.
bool PasswordRequired(std::string_view expected);

// What the dialog has to do after one event.
struct GateReaction {
    bool showWrong = false;   // show the wrong-password message in the prompt and the caption
    bool end = false;         // end the dialog
};

class PasswordGate {
public:
    // Longest text that may be typed before it is reported as wrong.
    static constexpr std::size_t kLongestAttempt = 13;

    explicit PasswordGate(std::string expected) : expected_(std::move(expected)) {}

    // The field now holds `typed`. The text is accepted the moment it equals
    // the password; after a reported wrong attempt any other change ends the
    // dialog, and so does a text too long to be a password.
    GateReaction TextChanged(std::string_view typed);
    // OK or Enter: the first one reports a wrong password, the second ends.
    GateReaction Ok();
    // Escape ends the dialog and keeps whatever was matched.
    GateReaction Escape();

    bool Matched() const { return matched_; }
    bool Warned() const { return warned_; }
    bool Ended() const { return ended_; }

private:
    GateReaction WrongPassword();

    std::string expected_;
    bool matched_ = false;
    bool warned_ = false;
    // Once ended, late notifications (the field is destroyed with the
    // dialog) must not change the outcome or the texts.
    bool ended_ = false;
};

}  // namespace vorlant
