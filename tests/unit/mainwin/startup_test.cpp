// The start's pure parts: the report date and the settings path.
#include "mainwin/startup.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vorlant {
namespace {

TEST(ReportDateTest, IsThePreviousMonthWithItsYearAsOneByte) {
    struct Case { int year, month, reportMonth, reportYearByte; };
    for (const Case c : {Case{2027, 1, 11, 26}, {2027, 2, 0, 27}, {2026, 12, 10, 26}, {2000, 1, 11, 255},
                         {2000, 3, 1, 0}, {2255, 6, 4, 255}, {2256, 6, 4, 0}}) {
        const ReportDate date = ComputeReportDate(c.year, c.month);
        EXPECT_EQ(std::tuple(date.reportMonth, int{date.reportYearByte}, date.currentYear),
                  std::tuple(c.reportMonth, c.reportYearByte, c.year)) << c.year << "-" << c.month;
    }
}

TEST(IniPathTest, ReplacesTheLastFourCharacters) {
    EXPECT_EQ(IniPathFor("C:\\Programy\\Vorlant.exe"), "C:\\Programy\\Vorlant.INI");
    EXPECT_EQ(IniPathFor("C:\\a\\Vorlant"), "C:\\a\\Vor.INI");  // with no extension too
    EXPECT_EQ(IniPathFor("abc"), ".INI");
    EXPECT_EQ(IniPathFor("C:\\Zbór\\Łódź"), "C:\\Zbór\\.INI");  // characters of two bytes, whole
}

}  // namespace
}  // namespace vorlant
