// What the language tag of the resources switches; tags are compared exactly.
#include "common/language.h"

#include <gtest/gtest.h>

namespace vorlant {
namespace {

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
