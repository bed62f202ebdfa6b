#include "layout/length.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <utility>

#include "render/primitives.h"

namespace vorlant {
namespace {

TEST(NormalizeLengthTest, AcceptedTextsTakeTheCanonicalFormRejectedOnesStayAsTyped) {
    const std::pair<const char*, const char*> cases[] = {  // no canonical form: rejected
        {"", "0.00"}, {"\t\r\n ", "0.00"}, {" 2.5 ", "2.50"}, {"7", "7.00"}, {".25", "0.25"}, {".", "0.00"},
        {"5.", "5.00"}, {"12", "1.00"}, {"125", "1.25"}, {"1234", "1.23"}, {"1.5", "1.50"}, {"1.234", "1.234"},
        {"1.2345678901", "1.2345678901"}, {"10.5", nullptr}, {"10.", nullptr}, {"1.2.3", nullptr}, {"..", nullptr},
        {"1,5", nullptr}, {"-1", nullptr}, {"+1", nullptr}, {"x.50", nullptr}, {"1 2", nullptr}, {"\xd9\xa1", nullptr},
    };
    for (const auto& [typed, canonical] : cases) {
        std::string text = typed;
        EXPECT_EQ(NormalizeLength(text), canonical != nullptr) << '"' << typed << '"';
        EXPECT_EQ(text, canonical != nullptr ? canonical : typed);
    }
}

// The printing's (one digit of inches, two of hundredths; truncated in device units at 96 dpi) and the spinners'
// (the points dropped), which part over "1.5", longer texts and a text that is no length.
TEST(LengthTest, TheTwoReadingsOfALengthText) {
    struct Case { const char* text; int printed; unsigned at96; int spinner; };
    for (const Case c : {Case{"2.62", 262, 251, 262}, {"0.33", 33, 31, 33}, {"9.99", 999, 959, 999},
                         {"1.5", 105, 100, 15}, {"1.234", 123, 118, 1234}, {"", 0, 0, 0}, {"7", 700, 672, 7},
                         {"x.50", 50, 48, 0}, {"1.2x", 102, 97, 12}, {"12.5", 100, 96, 125},
                         {"99999999999", 999, 959, INT_MAX}}) {
        EXPECT_EQ(std::tuple(PrintedLengthHundredths(c.text), LayoutLengthToDevice(96, c.text),
                             LayoutLengthToDevice(600, c.text), LayoutValueHundredths(c.text)),
                  std::tuple(c.printed, c.at96, 6u * static_cast<unsigned>(c.printed), c.spinner)) << c.text;
    }
}

TEST(LengthTest, HundredthsWrittenAsTextReadBackAsPrinted) {
    struct Case { int hundredths; const char* text; };
    for (const Case c : {Case{262, "2.62"}, {5, "0.05"}, {0, "0.00"}, {999, "9.99"}, {-13, "-0.13"},
                         {-250, "-2.50"}, {1005, "10.05"}, {INT_MIN, "-21474836.48"}}) {
        EXPECT_EQ(LengthText(c.hundredths), c.text) << c.hundredths;
        if (IsLengthInRange(c.hundredths)) { EXPECT_EQ(PrintedLengthHundredths(LengthText(c.hundredths)), c.hundredths); }
    }
}

}  // namespace
}  // namespace vorlant
