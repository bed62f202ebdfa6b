// Names and dates as the list, the panels and the printed card show them.
#include "mainwin/format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "publisher_file.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

using test::PublisherBytes;

TEST(FormatNameTest, BothOrdersOfTheFieldsAsStored) {
    const std::string w20(20, 'W'), z20(20, 'Z');
    const test::LoadedPublishers loaded({
        PublisherBytes().Name("Anna", "Nowak"),
        PublisherBytes().Name("", "Nowak"),
        PublisherBytes().Name("Anna  ", " Nowak"),
        PublisherBytes().Name(w20 + "X", z20 + "Z"),   // both fill their fields without a terminator
    });
    struct Case {
        int index;
        std::string lastFirst;
        std::string firstLast;
    };
    for (const Case& c : {Case{1, "Nowak, Anna", "Anna Nowak"}, Case{2, "Nowak, ", " Nowak"},
                          Case{3, " Nowak, Anna  ", "Anna    Nowak"}, Case{4, z20 + ", " + w20, w20 + " " + z20},
                          Case{0, "", ""}, Case{-1, "", ""}, Case{5, "", ""}}) {
        EXPECT_EQ(FormatName(loaded.table, c.index, true), c.lastFirst) << c.index;
        EXPECT_EQ(FormatName(loaded.table, c.index, false), c.firstLast) << c.index;
    }
}

struct DateCase {
    std::string stored;   // the birth date's bytes
    int style;
    std::string language;
    std::string expected;
};

class FormatDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(FormatDateTest, GivesTheStyleAndLanguageForm) {
    const DateCase& c = GetParam();
    const test::LoadedPublishers loaded({PublisherBytes().Dates("06151990", c.stored)});
    const test::RcStringSource strings;
    EXPECT_EQ(FormatDate(loaded.table, 1, 1, c.style, c.language, strings), c.expected);
    // Any `which` but 0 is the birth date; 0 is the baptism date.
    EXPECT_EQ(FormatDate(loaded.table, 1, -4, c.style, c.language, strings), c.expected);
    EXPECT_EQ(FormatDate(loaded.table, 1, 0, 0, c.language, strings), "06/15/1990");
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FormatDateTest,
    ::testing::Values(DateCase{"01312012", 0, "polish", "01/31/2012"}, DateCase{"01312012", 1, "polish", "31/01/2012"},
                      DateCase{"01312012", 2, "polish", "Sty 31, 2012"}, DateCase{"01312012", 3, "polish", "31 Sty, 2012"},
                      DateCase{"01312012", 7, "polish", "31 Sty, 2012"}, DateCase{"01312012", 2, "cz", "31/01/2012"},
                      DateCase{"01312012", 3, "cz", "31 Sty, 2012"}, DateCase{"01312012", 2, "hun", "2012. Sty. 31."},
                      DateCase{"01312012", 3, "hun", "2012-01-31"}, DateCase{"01312012", 3, "Hun", "31 Sty, 2012"},
                      DateCase{"12251999", 1, "polish", "25/12/1999"}, DateCase{"05071980", 2, "polish", "Maj 07, 1980"},
                      DateCase{"10152000", 3, "polish", "15 Paź, 2000"},
                      // The ninth byte, where the terminator belongs, is not part of the date.
                      DateCase{"123120219", 0, "polish", "12/31/2021"}));

// A month outside 01..12 has no name: its two stored characters stand in.
INSTANTIATE_TEST_SUITE_P(
    BadMonths, FormatDateTest,
    ::testing::Values(DateCase{"13012012", 2, "polish", "13 01, 2012"}, DateCase{"00012012", 3, "polish", "01 00, 2012"},
                      DateCase{"ab012012", 2, "hun", "2012. ab. 01."}, DateCase{"-1012012", 3, "polish", "01 -1, 2012"}));

// Blank, short and NUL-shortened dates are no dates in any style; neither
// is a record outside the table.
TEST(FormatDateIncomplete, GivesTheEmptyTextInEveryStyle) {
    const std::vector<std::string> dates = {std::string(8, ' '), "0131201", "013120", "0131    ", ""};
    std::vector<PublisherBytes> publishers;
    for (const std::string& date : dates) publishers.push_back(PublisherBytes().Dates(date, date));
    const test::LoadedPublishers loaded(publishers);
    const test::RcStringSource strings;
    for (int index = 1; index <= static_cast<int>(dates.size()) + 1; ++index) {
        for (int style = 0; style <= 3; ++style) {
            EXPECT_EQ(FormatDate(loaded.table, index, 0, style, "polish", strings), "") << index << ", style " << style;
        }
    }
}

}  // namespace
}  // namespace vorlant
