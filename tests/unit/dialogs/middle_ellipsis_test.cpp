#include "dialogs/middle_ellipsis.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlant {
namespace {

int Characters(std::string_view text) { return static_cast<int>(text.size()); }

// A proportional font: narrow 'i', '\' and '.', wide 'W'.
int Proportional(std::string_view text) {
    int width = 0;
    for (char c : text) width += c == 'W' ? 9 : (c == 'i' || c == '\\' || c == '.') ? 2 : 5;
    return width;
}

TEST(EllipsizeMiddle, KeepsBothEndsOfWhatDoesNotFit) {
    struct Case {
        const char* text;
        int maxWidth;
        int (*width)(std::string_view);
        const char* expected;
    };
    for (const Case& c : {Case{"C:\\Karty", 8, Characters, "C:\\Karty"},
                          Case{"C:\\Karty", 7, Characters, "C:...ty"},
                          Case{"C:\\Zbory\\Warszawa\\2025\\Karty", 20, Characters, "C:\\Zbory...025\\Karty"},
                          Case{"C:\\Karty", 2, Characters, "..."},   // only the ellipsis is left
                          Case{"WWWWiiiiWWWW", 40, Proportional, "W...WW"},
                          Case{"iiiiWWWWiiii", 40, Proportional, "iiiiW...Wiiii"}}) {
        EXPECT_EQ(EllipsizeMiddle(c.text, c.maxWidth, c.width), c.expected) << c.text << " in " << c.maxWidth;
    }
}

}  // namespace
}  // namespace vorlant
