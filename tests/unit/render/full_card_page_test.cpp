// The whole card on plain paper, and the wrapping of its long texts.
#include "render/full_card_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "render_test_support.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

using Text = test::RecordingSurface::Text;

SurfaceRect ExtentOf(const test::RecordingSurface& s, const Text& t) {
    return test::TextExtent(s, t, test::RecordingSurface::WidthIn(s.ObjectOf(t.font).font, t.text));
}

// The row (-1: the headings) and column of the table's cell that holds (x, y).
std::optional<std::pair<int, int>> CellAt(const FullCardGeometry& g, int x, int y) {
    for (int row = -1; row <= kTotalRow; ++row) {
        for (int column = 0; column < kFullCardColumns; ++column) {
            const SurfaceRect c = g.Cell(row, column);
            if (x >= c.left && x < c.right && y >= std::max(c.top, g.tableTop) && y < c.bottom) {
                return std::pair{row, column};
            }
        }
    }
    return std::nullopt;
}

TEST(FullCardPageTest, KeepsEveryTextInItsCellAndOnThePaperAtEveryResolution) {
    // The longest of everything: a 64-character name and 43-character remarks of the widest letter, the largest
    // figures, every flag marked that can be at once.
    CardYear year{2027, 4, {}};
    for (CardMonth& month : year.rows) month = {true, 1023, true, 65535, std::string(43, 'W')};
    FullCardPerson person{std::string(64, 'W'), "31/10/1999", "31/10/2012", {}};
    person.flags = HeaderPanelFlags({{}, {}, person.baptismDate, 0, 0x22, PioneerStatus::Special, true});
    // The printable area of A4 and of Letter, a quarter of an inch short of each edge, in hundredths of an inch.
    for (const auto& [px, py] : {std::pair{300, 300}, {600, 600}, {1200, 1200}, {600, 300}}) {
        for (const auto& [paperWidth, paperHeight] : {std::pair{777, 1119}, {800, 1050}}) {
            SCOPED_TRACE(testing::Message() << px << " x " << py << ", paper " << paperWidth);
            const int width = paperWidth * px / 100, height = paperHeight * py / 100;
            test::RecordingSurface s(px, py);
            ComposeFullCardPage(s, {year, person, test::kEveryRow, width, height, 238}, test::kStrings);
            EXPECT_EQ(s.Leftovers(), test::kNothingLeft);
            const FullCardGeometry g = ComputeFullCardGeometry(px, py, width, height);
            for (std::size_t i = 0; i < s.texts.size(); ++i) {
                const Text& t = s.texts[i];
                const SurfaceRect e = ExtentOf(s, t);
                EXPECT_TRUE(t.align == TextAlign::Left && !t.clip && test::Within(e, {0, 0, width, height})) << t.text;
                for (std::size_t k = 0; k < i; ++k) {
                    const SurfaceRect o = ExtentOf(s, s.texts[k]);
                    EXPECT_TRUE(test::Apart(e, o)) << t.text << " over " << s.texts[k].text;
                }
                if (const auto cell = CellAt(g, t.x, t.y)) {
                    SurfaceRect c = g.Cell(cell->first, cell->second);
                    c = {c.left + g.padX, std::max(c.top, g.tableTop) + g.padY, c.right - g.padX, c.bottom - g.padY};
                    EXPECT_TRUE(test::Within(e, c)) << t.text << " in row " << cell->first << ", column "
                                                    << cell->second;
                }
            }
            // Boxes and rules on the paper, at least 0.1 mm wide.
            for (const auto& l : s.lines) {
                EXPECT_GE(l.penWidth, std::max((px + 253) / 254, (py + 253) / 254));
                EXPECT_TRUE(test::Within(test::ExtentOf(l), {0, 0, width, height}));
            }
            EXPECT_EQ(s.TextsEqualTo(person.name).size(), 1u) << "the name on one line";
        }
    }
}

TEST(FullCardPageTest, FillsTheTickedRowsOnlyAndTotalsTheirHoursWithTheDetailsAndFlagsOfThePanel) {
    CardYear year{2027, 4, {}};
    year.rows[0] = {true, 3, false, 50, "Chory"};
    year.rows[1] = {true, 0, true, 30, ""};
    year.rows[5] = {false, 7, false, 12, ""};
    year.rows[11] = {true, 0, false, 0, "Urlop"};
    FullCardPerson person{"Józef Wiśniewski", "01/02/1980", "03/04/1999", {}};
    person.flags = HeaderPanelFlags({{}, {}, person.baptismDate, 'A', 0x21, PioneerStatus::Regular, false});
    std::array<bool, kCardRows> ticked{};
    ticked[0] = ticked[1] = ticked[11] = true;

    test::RecordingSurface s(600, 600);
    ComposeFullCardPage(s, {year, person, ticked, 4662, 6714, 238}, test::kStrings);
    const FullCardGeometry g = ComputeFullCardGeometry(600, 600, 4662, 6714);
    const auto cellOf = [&](const std::string& text) {
        const auto found = s.TextsEqualTo(text);
        EXPECT_EQ(found.size(), 1u) << text;
        return found.empty() ? std::nullopt : CellAt(g, found[0].x, found[0].y);
    };
    using Cell = std::optional<std::pair<int, int>>;
    for (const auto& [text, cell] : std::map<std::string, Cell>{{"3", Cell({0, 2})}, {"50", Cell({0, 4})},
             {"Chory", Cell({0, 5})}, {"30", Cell({1, 4})}, {"Urlop", Cell({11, 5})}, {"80", Cell({kTotalRow, 4})},
             {person.name, Cell()}, {person.birthDate, Cell()}, {person.baptismDate, Cell()},
             {ServiceYearTitle(2027, test::kStrings), Cell()}}) {
        EXPECT_EQ(cellOf(text), cell) << text;  // the total of the ticked rows in the last row
    }
    EXPECT_TRUE(s.TextsEqualTo("7").empty() && s.TextsEqualTo("12").empty()) << "an unticked row";
    for (int row = 0; row < kCardRows; ++row) EXPECT_EQ(cellOf(FullMonthName(row, test::kStrings)), Cell({row, 0}));
    EXPECT_NE(ServiceYearTitle(2027, test::kStrings).find("2026/2027"), std::string::npos);

    // Flags as the panel marks them, in its order, each box just left of its label; two tick boxes per ticked row.
    const auto boxes = test::DrawnBoxes(s);
    ASSERT_EQ(boxes.size(), kHeaderFlagCount + 2 * 3);
    for (std::size_t i = 0; i < kHeaderFlagCount; ++i) {
        const auto label = s.TextsEqualTo(test::kStrings.Load(person.flags[i].label));
        ASSERT_EQ(label.size(), 1u) << person.flags[i].label;
        EXPECT_TRUE(boxes[i].right < label[0].x && label[0].x - boxes[i].right < 60 && boxes[i].bottom > label[0].y);
        EXPECT_EQ(boxes[i].marked, person.flags[i].marked) << person.flags[i].label;
    }
}

TEST(WrapTextTest, BreaksAtBlanksAndInsideWordsTooLongButNeverInsideALetter) {
    const auto letters = [](std::string_view t) {
        return static_cast<int>(std::ranges::count_if(t, [](char c) { return (c & 0xC0) != 0x80; }));
    };
    struct Case { const char* text; int width; std::vector<std::string> lines; };
    for (const Case& c : {Case{"", 5, {}}, {"ab cd ef", 5, {"ab cd", "ef"}}, {"ab  cd", 9, {"ab  cd"}},
                          {"abcdefgh", 3, {"abc", "def", "gh"}}, {"ab cdefgh", 4, {"ab", "cdef", "gh"}},
                          {"\xc5\xbc\xc3\xb3\xc5\x82w", 2, {"\xc5\xbc\xc3\xb3", "\xc5\x82w"}}, {"a b", 0, {"a", "b"}},
                          {"ab w cd", 5, {"ab", "w cd"}}, {"a cd", 2, {"a", "cd"}}}) {  // no one-letter word last
        EXPECT_EQ(WrapText(c.text, c.width, letters), c.lines) << c.text << " in " << c.width;
    }
}

}  // namespace
}  // namespace vorlant
