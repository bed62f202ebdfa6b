#include "dialogs/password_gate.h"

namespace vorlant {

bool PasswordRequired(std::string_view expected) { return expected != kNoPassword; }

GateReaction PasswordGate::TextChanged(std::string_view typed) {
    if (ended_) return {};
    // After a warning this change ends the dialog, yet a change that
    // completes the password still lets the user in.
    GateReaction reaction = warned_ ? WrongPassword() : GateReaction{};
    if (typed == expected_) {
        matched_ = true;
        reaction.end = true;
    } else if (!reaction.end && typed.size() > kLongestAttempt) {
        reaction = WrongPassword();
    }
    ended_ = reaction.end;
    return reaction;
}

GateReaction PasswordGate::Ok() {
    if (ended_) return {};
    const GateReaction reaction = WrongPassword();
    ended_ = reaction.end;
    return reaction;
}

GateReaction PasswordGate::Escape() {
    if (ended_) return {};
    ended_ = true;
    return {.showWrong = false, .end = true};
}

GateReaction PasswordGate::WrongPassword() {
    GateReaction reaction{.showWrong = true, .end = warned_};
    warned_ = true;
    return reaction;
}

}  // namespace vorlant
