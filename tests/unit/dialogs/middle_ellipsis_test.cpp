#include "dialogs/middle_ellipsis.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vorlant {
namespace {

TEST(EllipsizeMiddle, KeepsBothEndsOfWhatDoesNotFit) {
    // A proportional font: narrow 'i', '\' and '.', wide 'W'.
    const auto width = [](std::string_view text) {
        int sum = 0;
        for (const char c : text) sum += c == 'W' ? 9 : (c == 'i' || c == '\\' || c == '.') ? 2 : 5;
        return sum;
    };
    for (const auto& [text, maxWidth, expected] :
         {std::tuple{"C:\\Karty", 37, "C:\\Karty"}, {"C:\\Karty", 5, "..."}, {"WWWWiiiiWWWW", 40, "W...WW"},
          {"C:\\Zbory\\Warszawa\\2025\\Karty", 60, "C:\\Zbo...\\Karty"}, {"iiiiWWWWiiii", 40, "iiiiW...Wiiii"}}) {
        EXPECT_EQ(EllipsizeMiddle(text, maxWidth, width), expected) << text << " in " << maxWidth;
    }
}

}  // namespace
}  // namespace vorlant
