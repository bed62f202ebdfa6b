#include "dialogs/password_gate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlant {
namespace {

// The field's contents while `text` is typed one character at a time.
std::vector<std::string> TypeEach(const std::string& text) {
    std::vector<std::string> events;
    for (std::size_t i = 1; i <= text.size(); ++i) events.push_back(text.substr(0, i));
    return events;
}

TEST(PasswordGateTest, ReactsToEachEventInTurn) {
    // Events are the field's new text or the keys "<OK>" and "<Esc>"; reactions one mark per event:
    // '.' nothing visible, 'w' the wrong-password message shown, 'E' the end, 'W' both.
    struct Case { std::string password; std::vector<std::string> events; std::string reactions; bool matched; };
    const std::string k15 = "Abcdefghijklmno";
    const Case cases[] = {
        {"Ab3", TypeEach("Ab3x"), "..E.", true},  // ends at the last character, later changes count not
        {"Ab3", TypeEach("aB3"), "...", false},
        {"Ab3", {"x", "<OK>", "<OK>", "Ab3", "<Esc>"}, ".wW..", false},
        {"Ab3", {"Ab", "<OK>", "Ab3"}, ".wW", true},  // a change completing the password after a warning
        {"Ab3", {"Ab", "<Esc>"}, ".E", false},
        {"Ab3", TypeEach(k15), ".............wW", false},  // the 14th character warns, the 15th refuses
        {k15, TypeEach(k15), ".............wW", true},
    };
    for (const Case& c : cases) {
        PasswordGate gate(c.password);
        std::string marks;
        for (const std::string& event : c.events) {
            const GateReaction r =
                event == "<OK>" ? gate.Ok() : event == "<Esc>" ? gate.Escape() : gate.TextChanged(event);
            marks += r.end ? (r.showWrong ? 'W' : 'E') : (r.showWrong ? 'w' : '.');
        }
        EXPECT_EQ(marks, c.reactions) << c.password << " then " << c.events.back();
        EXPECT_EQ(gate.Matched(), c.matched) << c.password << " then " << c.events.back();
    }
}

}  // namespace
}  // namespace vorlant
