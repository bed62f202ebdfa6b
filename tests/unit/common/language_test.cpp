// What the language tag of the resources switches; tags are compared exactly.
#include "common/language.h"

#include <gtest/gtest.h>

namespace vorlant {
namespace {

TEST(LanguageTest, CharsetLocaleAndFirstNameSortFollowTheTag) {
    struct Case { const char* tag; int charset; const char* locale; bool firstNameSort; };
    for (const Case& c : {Case{"ell", 161, "", false}, {"rus", 204, "", false}, {"cz", 238, "", false},
                          {"rom", 238, "rom", false}, {"polish", 238, "", false}, {"sk", 238, "", false},
                          {"lt", 186, "", false}, {"turkish", 162, "turkish", false}, {"portuguese", 0, "", true},
                          {"Portuguese", 0, "", false}, {"Polish", 0, "", false}, {"", 0, "", false}}) {
        EXPECT_EQ(CardCharsetFor(c.tag), c.charset) << c.tag;
        EXPECT_EQ(LocaleForLanguage(c.tag), c.locale) << c.tag;
        EXPECT_EQ(HasFirstNameSort(c.tag), c.firstNameSort) << c.tag;
    }
}

}  // namespace
}  // namespace vorlant
