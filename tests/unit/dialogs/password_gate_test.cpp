#include "dialogs/password_gate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlant {
namespace {

// The events of one run: a text is the field's new content, "<OK>" and
// "<Esc>" are the keys.
using Events = std::vector<std::string>;

// The changes that typing `text` one character at a time makes.
Events TypeEach(const std::string& text, Events before = {}) {
    for (std::size_t i = 1; i <= text.size(); ++i) before.push_back(text.substr(0, i));
    return before;
}

struct GateCase {
    const char* name;
    std::string password;
    Events events;
    // One mark per event: '.' nothing visible, 'w' the wrong-password message
    // shown, 'E' the dialog ended, 'W' message shown and dialog ended.
    std::string reactions;
    bool matched;
};

class PasswordGateTest : public ::testing::TestWithParam<GateCase> {};

TEST_P(PasswordGateTest, ReactsToEachEventInTurn) {
    const GateCase& c = GetParam();
    PasswordGate gate(c.password);
    std::string marks;
    for (const std::string& event : c.events) {
        const GateReaction r =
            event == "<OK>" ? gate.Ok() : event == "<Esc>" ? gate.Escape() : gate.TextChanged(event);
        marks += r.end ? (r.showWrong ? 'W' : 'E') : (r.showWrong ? 'w' : '.');
    }
    EXPECT_EQ(marks, c.reactions);
    EXPECT_EQ(gate.Matched(), c.matched);
}

const std::string k14 = "Abcdefghijklmn";
const std::string k15 = k14 + "o";
const std::string k16 = k15 + "p";

INSTANTIATE_TEST_SUITE_P(
    Sequences, PasswordGateTest,
    ::testing::Values(
        GateCase{"TypedExactlyEndsAtTheLastCharacter", "Ab3", TypeEach("Ab3x"), "..E.", true},
        GateCase{"OtherCaseIsNotAccepted", "Ab3", TypeEach("aB3"), "...", false},
        GateCase{"OkOnEmptyWarnsThenAnyChangeRefuses", "Ab3", {"<OK>", "A"}, "wW", false},
        GateCase{"OkTwiceRefuses", "Ab3", {"x", "<OK>", "<OK>", "Ab3", "<Esc>"}, ".wW..", false},
        GateCase{"ChangeCompletingThePasswordAfterAWarningGrants", "Ab3", {"Ab", "<OK>", "Ab3"}, ".wW", true},
        GateCase{"EscapeRefuses", "Ab3", {"Ab", "<Esc>"}, ".E", false},
        GateCase{"FourteenthCharacterWarnsFifteenthRefuses", "Ab3", TypeEach(k15), ".............wW", false},
        GateCase{"FourteenCharactersMatchBeforeTheLengthRule", k14, TypeEach(k14), ".............E", true},
        GateCase{"FifteenCharactersTypedStraightThroughGrant", k15, TypeEach(k15), ".............wW", true},
        GateCase{"FifteenCharactersPastedGrant", k15, {k15}, "E", true},
        GateCase{"SixteenCharactersCannotBeTyped", k16, TypeEach(k16), ".............wW.", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorlant
