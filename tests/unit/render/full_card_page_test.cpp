// The whole card on plain paper: every text in its cell and on the paper, none over another, the lines' widths,
// the person's flags as the panel has them, the ticked rows only and their total.
#include "render/full_card_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "render_test_support.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

using Text = test::RecordingSurface::Text;

// The printable area of A4 and Letter with a quarter inch the printer cannot reach at each edge, in inches * 100.
struct Paper { const char* name; int width, height; };
constexpr Paper kPapers[] = {{"A4", 777, 1119}, {"Letter", 800, 1050}};

SurfaceRect ExtentOf(const test::RecordingSurface& s, const Text& t) {
    const FontSpec& font = s.ObjectOf(t.font).font;
    const int width = test::RecordingSurface::WidthIn(font, t.text);
    const int height = (-font.height * (1854 + 434) + 1024) / 2048;
    const int left = t.align == TextAlign::Right ? t.x - width : t.x;
    return {left, t.y, left + width, t.y + height};
}

bool Within(const SurfaceRect& inner, const SurfaceRect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const SurfaceRect& a, const SurfaceRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The longest of everything: a 64-character name of the widest letter, the largest figures, the longest remarks.
struct Longest {
    CardYear year;
    FullCardPerson person;
    Longest() {
        year.serviceYear = 2027;
        for (CardMonth& month : year.rows) month = {true, 1023, true, 65535, std::string(43, 'W')};
        person = {std::string(64, 'W'), "31 Paź, 1999", "31 Paź, 2012", {}};
        HeaderPanelData flags{.baptismDate = person.baptismDate, .personFlags = 0x22,
                              .reportMonthStatus = PioneerStatus::Special, .fieldMissionary = true};
        person.flags = HeaderPanelFlags(flags);
    }
};

TEST(FullCardPageTest, KeepsEveryTextInItsCellAndOnThePaperAtEveryResolution) {
    const Longest longest;
    std::array<bool, kCardRows> all{};
    all.fill(true);
    for (const auto& [px, py] : {std::pair{300u, 300u}, {600u, 600u}, {1200u, 1200u}, {600u, 300u}}) {
        for (const Paper& paper : kPapers) {
            SCOPED_TRACE(testing::Message() << px << " x " << py << " " << paper.name);
            const int width = paper.width * static_cast<int>(px) / 100;
            const int height = paper.height * static_cast<int>(py) / 100;
            test::RecordingSurface s(px, py);
            ComposeFullCardPage(s, {longest.year, longest.person, all, width, height, 238}, test::kStrings);
            EXPECT_EQ(s.Leftovers(), test::kNothingLeft);
            EXPECT_TRUE(s.textMapping);

            const FullCardGeometry g = ComputeFullCardGeometry(px, py, width, height);
            for (std::size_t i = 0; i < s.texts.size(); ++i) {
                const Text& t = s.texts[i];
                const SurfaceRect e = ExtentOf(s, t);
                EXPECT_FALSE(t.clip.has_value()) << t.text << " cut";
                EXPECT_TRUE(Within(e, {0, 0, width, height})) << t.text;
                for (std::size_t k = 0; k < i; ++k) {
                    EXPECT_FALSE(Overlap(e, ExtentOf(s, s.texts[k]))) << t.text << " over " << s.texts[k].text;
                }
                if (t.y < g.tableTop) continue;
                // In the table: inside the cell its start lies in, clear of the cell's lines.
                for (int row = -1; row <= kTotalRow; ++row) {
                    for (int column = 0; column < kFullCardColumns; ++column) {
                        SurfaceRect cell = g.Cell(row, column);
                        if (row < 0) cell.top = g.tableTop;
                        if (t.x < cell.left || t.x >= cell.right || t.y < cell.top || t.y >= cell.bottom) continue;
                        EXPECT_TRUE(Within(e, {cell.left + g.padX, cell.top + g.padY, cell.right - g.padX,
                                               cell.bottom - g.padY}))
                            << t.text << " in row " << row << ", column " << column;
                    }
                }
            }
            // Boxes and the table's lines lie inside the paper, each at least 0.1 mm wide.
            const int hairline = std::max((px + 253) / 254, (py + 253) / 254);
            for (const auto& l : s.lines) {
                EXPECT_GE(l.penWidth, hairline);
                EXPECT_TRUE(Within({std::min(l.x1, l.x2), std::min(l.y1, l.y2), std::max(l.x1, l.x2),
                                    std::max(l.y1, l.y2)},
                                   {0, 0, width, height}));
            }
            EXPECT_EQ(s.TextsEqualTo(longest.person.name).size(), 1u) << "the name on one line";
        }
    }
}

TEST(FullCardPageTest, FillsTheTickedRowsOnlyAndTotalsTheirHours) {
    CardYear year;
    year.serviceYear = 2027;
    year.rows[0] = {true, 3, false, 50, "Chory"};
    year.rows[1] = {true, 0, true, 30, ""};
    year.rows[5] = {false, 7, false, 12, ""};
    year.rows[11] = {true, 0, false, 0, "Urlop"};
    FullCardPerson person{"Józef Wiśniewski", "01/02/1980", "03/04/1999", {}};
    HeaderPanelData flags{.baptismDate = person.baptismDate, .hope = 'A', .personFlags = 0x21,
                          .reportMonthStatus = PioneerStatus::Regular};
    person.flags = HeaderPanelFlags(flags);
    std::array<bool, kCardRows> ticked{};
    ticked[0] = ticked[1] = ticked[11] = true;

    test::RecordingSurface s(600, 600);
    const int width = 4662, height = 6714;
    ComposeFullCardPage(s, {year, person, ticked, width, height, 238}, test::kStrings);
    const FullCardGeometry g = ComputeFullCardGeometry(600, 600, width, height);
    const auto cellOf = [&](const std::string& text) {
        const auto found = s.TextsEqualTo(text);
        EXPECT_EQ(found.size(), 1u) << text;
        for (int row = 0; row <= kTotalRow && !found.empty(); ++row) {
            for (int column = 0; column < kFullCardColumns; ++column) {
                const SurfaceRect c = g.Cell(row, column);
                if (found[0].x >= c.left && found[0].x < c.right && found[0].y >= c.top && found[0].y < c.bottom) {
                    return std::pair{row, column};
                }
            }
        }
        return std::pair{-1, -1};
    };
    EXPECT_EQ(cellOf("3"), std::pair(0, 2));
    EXPECT_EQ(cellOf("50"), std::pair(0, 4));
    EXPECT_EQ(cellOf("Chory"), std::pair(0, 5));
    EXPECT_EQ(cellOf("30"), std::pair(1, 4));
    EXPECT_EQ(cellOf("Urlop"), std::pair(11, 5));
    EXPECT_EQ(cellOf("80"), std::pair(kTotalRow, 4)) << "the total of the ticked rows";
    EXPECT_TRUE(s.TextsEqualTo("7").empty() && s.TextsEqualTo("12").empty()) << "an unticked row";
    EXPECT_EQ(s.TextsEqualTo(person.name).size(), 1u);
    EXPECT_EQ(s.TextsEqualTo(person.birthDate).size(), 1u);
    EXPECT_EQ(s.TextsEqualTo(person.baptismDate).size(), 1u);
    EXPECT_EQ(s.TextsEqualTo(ServiceYearTitle(2027, test::kStrings)).size(), 1u);
    EXPECT_NE(ServiceYearTitle(2027, test::kStrings).find("2026/2027"), std::string::npos);
    for (int row = 0; row < kCardRows; ++row) EXPECT_EQ(cellOf(FullMonthName(row, test::kStrings)), std::pair(row, 0));

    // Flags as the panel marks them, each box left of its label; two tick boxes per ticked row.
    const auto boxes = test::DrawnBoxes(s);
    for (const HeaderFlag& flag : person.flags) {
        const auto label = s.TextsEqualTo(test::kStrings.Load(flag.label));
        ASSERT_EQ(label.size(), 1u) << flag.label;
        const auto box = std::ranges::find_if(boxes, [&](const test::DrawnBox& b) {
            return b.right < label[0].x && label[0].x - b.right < 60 && b.bottom > label[0].y &&
                   b.bottom - b.height < label[0].y + 83;
        });
        ASSERT_NE(box, boxes.end()) << flag.label;
        EXPECT_EQ(box->marked, flag.marked) << flag.label;
    }
    EXPECT_EQ(boxes.size(), kHeaderFlagCount + 2 * 3);
}

TEST(WrapTextTest, BreaksAtBlanksAndInsideWordsTooLongButNeverInsideALetter) {
    const auto letters = [](std::string_view t) {
        return static_cast<int>(std::ranges::count_if(t, [](char c) { return (c & 0xC0) != 0x80; }));
    };
    struct Case { const char* text; int width; std::vector<std::string> lines; };
    for (const Case& c : {Case{"", 5, {}},
                          {"ab cd ef", 5, {"ab cd", "ef"}},
                          {"ab  cd", 9, {"ab  cd"}},
                          {"abcdefgh", 3, {"abc", "def", "gh"}},
                          {"ab cdefgh", 4, {"ab", "cdef", "gh"}},
                          {"\xc5\xbc\xc3\xb3\xc5\x82w", 2, {"\xc5\xbc\xc3\xb3", "\xc5\x82w"}},
                          {"a b", 0, {"a", "b"}}}) {
        EXPECT_EQ(WrapText(c.text, c.width, letters), c.lines) << c.text << " in " << c.width;
    }
}

}  // namespace
}  // namespace vorlant
