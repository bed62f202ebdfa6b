// The settings path, and what the exit writes and says.
#include "mainwin/startup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vorlant {
namespace {

// The path less its ".exe" in whole characters: a folder's name ends in letters of two bytes.
TEST(IniPathTest, ReplacesTheLastFourCharacters) {
    EXPECT_EQ(IniPathFor("C:\\Programy\\Vorlant.exe"), "C:\\Programy\\Vorlant.INI");
    EXPECT_EQ(IniPathFor("C:\\Zbór\\Łódź"), "C:\\Zbór\\.INI");
}

TEST(SaveAtExitTest, WritesEveryFileThenNamesTheLostOnesUnlessTheSessionEnds) {
    using enum FileSave;
    struct Case { std::optional<FileSave> ini, layout; bool ending; std::vector<std::string> lost; };
    for (const Case& c : {Case{Written, FailedNothingLost, false, {}}, {std::nullopt, FailedChangesLost, false, {"b"}},
                          {FailedChangesLost, Written, false, {"a"}}, {FailedChangesLost, FailedChangesLost, false,
                          {"a", "b"}}, {FailedChangesLost, FailedChangesLost, true, {"a", "b"}}}) {
        std::string written;
        const auto file = [&](const char* name, std::optional<FileSave> result) {
            if (!result) return ExitFile{name, {}};
            return ExitFile{name, [&written, name, result] { written += name; return *result; }};
        };
        const ExitReport report = SaveAtExit({file("a", c.ini), file("b", c.layout)}, c.ending);
        EXPECT_EQ(written, c.ini ? "ab" : "b");
        EXPECT_EQ(std::pair(report.lost, report.sayNow), std::pair(c.lost, !c.lost.empty() && !c.ending));
    }
}

}  // namespace
}  // namespace vorlant
