// The text helpers, and what the language tag of the resources switches.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/language.h"
#include "common/text.h"

namespace vorlant {
namespace {

TEST(Trim, RemovesWhiteSpaceAtBothEndsNeverReadingPastTheBuffer) {
    for (const auto& [in, out] : {std::pair{"", ""}, {"   ", ""}, {" a b ", "a b"}, {"\t\r\nx\v\f", "x"}}) {
        EXPECT_EQ(Trim(in), out) << '"' << in << '"';
    }
    char buffer[6] = {' ', 'a', 'b', ' ', ' ', 'z'};  // no terminator
    TrimInPlace(buffer, sizeof(buffer));
    EXPECT_STREQ(buffer, "ab");
}

// A value holding "%s" (a label, a hand-edited layout value) is put in as it is, never filled by the value after it.
TEST(FillInTest, PutsEachValueInOnceInOnePassOverThePattern) {
    EXPECT_EQ(FillIn("100% %s %s", "a%sb"), "100% a%sb %s");
    EXPECT_EQ(FillIn("%s: %s, po %s", {"%s", "1.%s", "2.00"}), "%s: 1.%s, po 2.00");
    EXPECT_EQ(FillIn("%s-%s", {"x", "y", "z"}), "x-y");
    EXPECT_EQ(FillIn("no values %s", {}), "no values %s");
    EXPECT_EQ(FillIn("%%s%", {"v"}), "%v%");
}

// The tag of this build sets the Central European fonts and nothing else; a tag that differs from a known one
// only in case or by a blank is another language, which switches nothing.
TEST(LanguageTest, TagsAreComparedExactly) {
    for (const char* tag : {"polish", "Polish", "polish ", "Portuguese", "Greek", "vie ", "HUN", ""}) {
        EXPECT_EQ(CardCharsetFor(tag) == 238, tag == std::string_view("polish")) << tag;
        EXPECT_EQ(LocaleForLanguage(tag), "") << tag;
        EXPECT_FALSE(HasFirstNameSort(tag) || PanelKeepsContextFont(tag) || LabelsNearTheirBoxes(tag) ||
                     RemarksHeadingNearTheEdge(tag)) << tag;
        EXPECT_EQ(DateFormsFor(tag), DateForms::Standard) << tag;
    }
}

}  // namespace
}  // namespace vorlant
