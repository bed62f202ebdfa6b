// The start's report date.
#include "mainwin/startup.h"

#include <gtest/gtest.h>

#include <tuple>

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

}  // namespace
}  // namespace vorlant
