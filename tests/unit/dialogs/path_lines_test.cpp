// The folder in the About box: broken into its lines, shortened in its middle only when they cannot hold it.
#include "dialogs/path_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace vorlant {
namespace {

// A proportional font: narrow 'i', '\\' and '.', wide 'W'; a letter of several UTF-8 bytes is one letter.
int Width(std::string_view text) {
    int sum = 0;
    for (const char c : text) {
        if ((c & 0xC0) != 0x80) sum += c == 'W' ? 9 : (c == 'i' || c == '\\' || c == '.') ? 2 : 5;
    }
    return sum;
}

TEST(FitToLines, BreaksAfterSeparatorsAnywhereElseAndShortensOnlyWhatTheLinesCannotHold) {
    const std::string deep = "C:\\Zbory\\Warszawa\\Sprawozdania\\2025\\Karty";  // 166 wide
    const std::string polish = "C:\\Zbór Łódź – Północ\\Karty głosicieli";
    for (const auto& [text, maxWidth, maxLines, expected] : {
             std::tuple{"C:\\Karty", 37, 2, "C:\\Karty"},  // one line holds it
             // Two lines, broken after the last separator that fits.
             {"C:\\Zbory\\Warszawa\\Karty", 75, 2, "C:\\Zbory\\\r\nWarszawa\\Karty"},
             {deep.c_str(), 110, 2, "C:\\Zbory\\Warszawa\\\r\nSprawozdania\\2025\\Karty"},
             {"C:\\WWWWWWWWWWWW", 70, 2, "C:\\WWWWWW\r\nWWWWWW"},  // a break leaving too much for the last line
             {"WWWWiiiiWWWW", 40, 2, "WWWWii\r\niiWWWW"},  // no separator: as much as fits on each line
             // Too long for the lines: the drive and the folder's own name kept, the middle shortened, then broken.
             {deep.c_str(), 60, 2, "C:\\Zbory\\War\r\n...a\\2025\\Karty"},
             {deep.c_str(), 35, 2, "C:\\Zbo...\r\n5\\Karty"},
             {deep.c_str(), 45, 1, "C:\\...\\Karty"},  // the tightest width that holds the drive and the last folder
             // Letters of two and three bytes are cut as whole characters.
             {polish.c_str(), 70, 2, "C:\\Zbór Łódź...\\K\r\narty głosicieli"},
             {polish.c_str(), 60, 1, "C:\\Zbó...sicieli"},
             {deep.c_str(), 12, 2, "C...\r\nty"},  // without room for both: the halves of what fits
             // One line: shortened only; tiny width, or no lines: the ellipsis alone, never broken.
             {"WWWWiiiiWWWW", 40, 1, "W...WW"}, {deep.c_str(), 60, 1, "C:\\Zbo...\\Karty"},
             {"C:\\Karty", 5, 2, "..."}, {"C:\\Karty", 6, 0, "..."}, {"", 0, 2, ""},
         }) {
        EXPECT_EQ(FitToLines(text, maxWidth, maxLines, Width), expected) << text << " in " << maxLines << " x " << maxWidth;
    }
}

TEST(FitToLines, MeasuresALongFolderAFewTimesOnly) {
    std::string deep = "C:";
    while (deep.size() < 250) deep += "\\Sprawozdania zboru";
    int measured = 0;
    const std::string fitted = FitToLines(deep, 280, 2, [&](std::string_view text) {
        ++measured;
        return Width(text);
    });
    // Two lines that hold the drive, the ellipsis and the folder's own name.
    const std::size_t lineBreak = fitted.find(kLineBreak), second = lineBreak + kLineBreak.size();
    EXPECT_TRUE(fitted.starts_with("C:\\Spr") && fitted.find("...") != std::string::npos &&
                fitted.ends_with("\\Sprawozdania zboru") && lineBreak != std::string::npos &&
                Width(fitted.substr(0, lineBreak)) <= 280 && Width(fitted.substr(second)) <= 280 &&
                fitted.find(kLineBreak, second) == std::string::npos)
        << fitted;
    EXPECT_LT(measured, 200) << measured;  // a search character by character takes thousands
}

}  // namespace
}  // namespace vorlant
