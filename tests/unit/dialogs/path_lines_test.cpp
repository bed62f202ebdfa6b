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

// Whether `text` is whole UTF-8: no character cut.
bool WholeCharacters(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((text[i + k] & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

// Every line of `fitted` no wider than `maxWidth`, at most `maxLines` of them.
::testing::AssertionResult FitsInto(const std::string& fitted, int maxWidth, int maxLines) {
    int lines = 0;
    for (std::size_t start = 0; start <= fitted.size(); ++lines) {
        const std::size_t end = std::min(fitted.find(kLineBreak, start), fitted.size());
        const std::string_view line = std::string_view(fitted).substr(start, end - start);
        if (Width(line) > maxWidth) return ::testing::AssertionFailure() << "line too wide: " << line;
        if (!WholeCharacters(line)) return ::testing::AssertionFailure() << "a character cut: " << line;
        start = end + kLineBreak.size();
    }
    if (lines > maxLines) return ::testing::AssertionFailure() << lines << " lines";
    return ::testing::AssertionSuccess();
}

TEST(FitToLines, BreaksAfterSeparatorsAnywhereElseAndShortensOnlyWhatTheLinesCannotHold) {
    const std::string deep = "C:\\Zbory\\Warszawa\\Sprawozdania\\2025\\Karty";  // 166 wide
    const std::string polish = "C:\\Zbór Łódź – Północ\\Karty głosicieli";
    for (const auto& [text, maxWidth, maxLines, expected] : {
             // One line holds it.
             std::tuple{"C:\\Karty", 37, 2, "C:\\Karty"},
             // Two lines, broken after the last separator that fits.
             {"C:\\Zbory\\Warszawa\\Karty", 75, 2, "C:\\Zbory\\\r\nWarszawa\\Karty"},
             {deep.c_str(), 110, 2, "C:\\Zbory\\Warszawa\\\r\nSprawozdania\\2025\\Karty"},
             // A separator whose break leaves too much for the last line is passed over.
             {"C:\\WWWWWWWWWWWW", 70, 2, "C:\\WWWWWW\r\nWWWWWW"},
             // No separator: as much as fits on each line.
             {"WWWWiiiiWWWW", 40, 2, "WWWWii\r\niiWWWW"},
             // Too long for the lines: the drive and the folder's own name kept, the middle shortened, then broken.
             {deep.c_str(), 60, 2, "C:\\Zbory\\War\r\n...a\\2025\\Karty"},
             {deep.c_str(), 35, 2, "C:\\Zbo...\r\n5\\Karty"},
             // The tightest width that still holds the drive and the last folder with its separator.
             {deep.c_str(), 45, 1, "C:\\...\\Karty"},
             // Letters of two and three bytes are cut as whole characters.
             {polish.c_str(), 70, 2, "C:\\Zbór Łódź...\\K\r\narty głosicieli"},
             {polish.c_str(), 60, 1, "C:\\Zbó...sicieli"},
             // Without room for both: the halves of what fits.
             {deep.c_str(), 12, 2, "C...\r\nty"},
             // One line: shortened only.
             {"WWWWiiiiWWWW", 40, 1, "W...WW"},
             {deep.c_str(), 60, 1, "C:\\Zbo...\\Karty"},
             // Tiny width, or no lines: the ellipsis alone, never broken.
             {"C:\\Karty", 5, 2, "..."},
             {"C:\\Karty", 6, 0, "..."},
             {"", 0, 2, ""},
         }) {
        const std::string fitted = FitToLines(text, maxWidth, maxLines, Width);
        EXPECT_EQ(fitted, expected) << text << " in " << maxLines << " x " << maxWidth;
        if (fitted != kEllipsis) {
            EXPECT_TRUE(FitsInto(fitted, maxWidth, std::max(maxLines, 1))) << text;
        }
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
    EXPECT_TRUE(fitted.starts_with("C:\\Spr") && fitted.find("...") != std::string::npos &&
                fitted.ends_with("\\Sprawozdania zboru"))
        << fitted;
    EXPECT_TRUE(FitsInto(fitted, 280, 2));
    EXPECT_LT(measured, 200) << measured;  // a search character by character takes thousands
}

}  // namespace
}  // namespace vorlant
