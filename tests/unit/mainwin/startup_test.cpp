// The start's report date.
#include "mainwin/startup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace vorlant {
namespace {

// Every month of two years: ServiceYearTest. Here the ends of the year byte.
TEST(ReportDateTest, IsThePreviousMonthWithItsYearAsOneByte) {
    struct Case { int year, month, reportMonth, reportYearByte; };
    for (const Case c : {Case{2000, 1, 11, 255}, {2000, 3, 1, 0}, {2255, 6, 4, 255}, {2256, 6, 4, 0}}) {
        const ReportDate date = ComputeReportDate(c.year, c.month);
        EXPECT_EQ(std::tuple(date.reportMonth, int{date.reportYearByte}, date.currentYear),
                  std::tuple(c.reportMonth, c.reportYearByte, c.year)) << c.year << "-" << c.month;
    }
}

// The path less its ".exe" in whole characters: a folder's name ends in
// letters of two bytes.
TEST(IniPathTest, ReplacesTheLastFourCharacters) {
    EXPECT_EQ(IniPathFor("C:\\Programy\\Vorlant.exe"), "C:\\Programy\\Vorlant.INI");
    EXPECT_EQ(IniPathFor("C:\\Zbór\\Łódź"), "C:\\Zbór\\.INI");
}

// Every file is written, in its order, before the exit says anything; it names those that lost their changes,
// and says nothing while the session ends.
TEST(SaveAtExitTest, WritesEveryFileThenNamesTheLostOnesUnlessTheSessionEnds) {
    using enum FileSave;
    struct Case { std::optional<FileSave> ini, layout; bool sessionEnding; std::vector<std::string> lost; bool sayNow; };
    const Case cases[] = {
        {Written, Written, false, {}, false},
        {std::nullopt, FailedNothingLost, false, {}, false},
        {FailedChangesLost, Written, false, {"Vorlant.INI"}, true},
        {std::nullopt, FailedChangesLost, false, {"cplot2.dat"}, true},
        {FailedChangesLost, FailedChangesLost, false, {"Vorlant.INI", "cplot2.dat"}, true},
        {FailedChangesLost, FailedChangesLost, true, {"Vorlant.INI", "cplot2.dat"}, false},
        {FailedChangesLost, std::nullopt, false, {"Vorlant.INI"}, true},
    };
    for (const Case& c : cases) {
        std::string written;
        const auto file = [&](const char* name, std::optional<FileSave> result) {
            ExitFile f{name, {}};
            if (result) f.save = [&written, name, result] { written += name; written += ' '; return *result; };
            return f;
        };
        const ExitReport report = SaveAtExit({file("Vorlant.INI", c.ini), file("cplot2.dat", c.layout)}, c.sessionEnding);
        EXPECT_EQ(written, std::string(c.ini ? "Vorlant.INI " : "") + (c.layout ? "cplot2.dat " : ""));
        EXPECT_EQ(report.lost, c.lost);
        EXPECT_EQ(report.sayNow, c.sayNow);
    }
}

}  // namespace
}  // namespace vorlant
