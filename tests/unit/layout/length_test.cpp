#include "layout/length.h"

#include <gtest/gtest.h>

#include <climits>

namespace vorlant {
namespace {

// The two specified readings side by side: the printing's (one digit of inches, two of hundredths) and the
// spinners' (the points dropped), which part over "1.5", longer texts and a text that is no length.
TEST(LengthTest, TheTwoReadingsOfALengthText) {
    struct Case { const char* text; int printed, spinner; };
    for (const Case c : {Case{"2.62", 262, 262}, {"0.05", 5, 5}, {"9.99", 999, 999}, {"1.5", 105, 15},
                         {"1.234", 123, 1234}, {"", 0, 0}, {"7", 700, 7}, {"x.50", 50, 0}, {"1.2x", 102, 12},
                         {"12.5", 100, 125}, {"99999999999", 999, INT_MAX}}) {
        EXPECT_EQ(PrintedLengthHundredths(c.text), c.printed) << '"' << c.text << '"';
        EXPECT_EQ(LayoutValueHundredths(c.text), c.spinner) << '"' << c.text << '"';
    }
}

TEST(LengthTest, HundredthsWrittenAsTextReadBackAsPrinted) {
    struct Case { int hundredths; const char* text; };
    for (const Case c : {Case{262, "2.62"}, {5, "0.05"}, {0, "0.00"}, {999, "9.99"}, {-13, "-0.13"},
                         {-250, "-2.50"}, {1005, "10.05"}, {INT_MIN, "-21474836.48"}}) {
        EXPECT_EQ(LengthText(c.hundredths), c.text) << c.hundredths;
        if (IsLengthInRange(c.hundredths)) EXPECT_EQ(PrintedLengthHundredths(LengthText(c.hundredths)), c.hundredths);
    }
    EXPECT_FALSE(IsLengthInRange(kLargestLength + 1));
    EXPECT_FALSE(IsLengthInRange(-1));
}

}  // namespace
}  // namespace vorlant
