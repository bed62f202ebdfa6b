#include "mainwin/startup.h"

#include <gtest/gtest.h>

#include "mainwin/filter.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

struct DateCase {
    int year;
    int month;
    int reportMonth;
    int reportYearByte;
};

class ReportDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(ReportDateTest, IsThePreviousMonthAndItsYear) {
    const DateCase c = GetParam();
    const ReportDate date = ComputeReportDate(c.year, c.month);
    EXPECT_EQ(date.reportMonth, c.reportMonth);
    EXPECT_EQ(date.reportYearByte, c.reportYearByte);
    EXPECT_EQ(date.currentYear, c.year);
}

INSTANTIATE_TEST_SUITE_P(
    FixedDates, ReportDateTest,
    ::testing::Values(DateCase{2027, 1, 11, 26},    // January: December of the year before
                      DateCase{2027, 2, 0, 27},     // February: January
                      DateCase{2026, 9, 7, 26},     // September: August
                      DateCase{2026, 10, 8, 26},    // October: September
                      DateCase{2026, 12, 10, 26},
                      DateCase{2000, 1, 11, 255},   // the byte rolls back past 0
                      DateCase{2000, 3, 1, 0},
                      DateCase{2255, 6, 4, 255},
                      DateCase{2256, 6, 4, 0}));    // and forward past 255

TEST(IniPath, ReplacesTheLastFourCharacters) {
    EXPECT_EQ(IniPathFor("C:\\Programy\\Vorlant.exe"), "C:\\Programy\\Vorlant.INI");
    EXPECT_EQ(IniPathFor("C:\\a\\KARTA.EXE"), "C:\\a\\KARTA.INI");
    // Without an extension the name still loses four characters.
    EXPECT_EQ(IniPathFor("C:\\a\\Vorlant"), "C:\\a\\Vor.INI");
    EXPECT_EQ(IniPathFor("abc"), ".INI");
    EXPECT_EQ(IniPathFor(""), ".INI");
}

TEST(LanguageChoices, CharsetAndLocaleFollowTheTag) {
    struct Case {
        const char* tag;
        int charset;
        const char* locale;
    };
    for (const Case& c : {Case{"ell", 161, ""}, Case{"rus", 204, ""}, Case{"cz", 238, ""},
                          Case{"rom", 238, "rom"}, Case{"polish", 238, ""}, Case{"sk", 238, ""},
                          Case{"lt", 186, ""}, Case{"turkish", 162, "turkish"}, Case{"greek", 0, ""},
                          Case{"hun", 0, ""}, Case{"vie", 0, ""}, Case{"portuguese", 0, ""},
                          Case{"Polish", 0, ""}, Case{"", 0, ""}}) {
        EXPECT_EQ(CardCharsetFor(c.tag), c.charset) << c.tag;
        EXPECT_EQ(LocaleForLanguage(c.tag), c.locale) << c.tag;
    }
}

TEST(FilterButton, ShowsTheStepsCaption) {
    const test::RcStringSource strings;
    EXPECT_EQ(FilterButtonText(0, 0, strings), "Wszyscy");
    EXPECT_EQ(FilterButtonText(1, 0, strings), "Pionierzy (Peł i Spe)");
    EXPECT_EQ(FilterButtonText(4, 3, strings), "Grupa 3");
    EXPECT_EQ(FilterButtonText(5, 0, strings), "Nie przydzieleni do Grup");
}

}  // namespace
}  // namespace vorlant
