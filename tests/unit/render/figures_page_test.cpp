// The printed page: lengths on paper, the mark boxes, and where a known publisher's figures land.
#include "render/figures_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "layout/card_layout.h"
#include "render/primitives.h"
#include "render_test_support.h"

namespace vorlant {
namespace {

using Line = test::RecordingSurface::Line;

TEST(MarkBoxTest, DrawsTheOutlineAndTheMarkWithTheirPens) {
    test::RecordingSurface tick(600, 600), cross(96, 96);
    DrawTickBox(tick, 1000, 2000, true, 7);
    DrawCrossBox(cross, 100, 200, true, 10);
    EXPECT_EQ(tick.lines, (std::vector<Line>{{1000, 2000, 915, 2000, 5}, {915, 2000, 915, 1915, 5},
                                            {915, 1915, 1000, 1915, 5}, {1000, 1915, 1000, 2000, 5},
                                            {932, 1958, 958, 1988, 13}, {958, 1988, 985, 1930, 13}}));
    EXPECT_EQ(cross.lines, (std::vector<Line>{{100, 200, 91, 200, 0}, {91, 200, 91, 191, 0}, {91, 191, 100, 191, 0},
                                             {100, 191, 100, 200, 0}, {100, 200, 91, 191, 0}, {100, 191, 91, 200, 0}}));
    for (const int refused : {5, 13}) {  // a pen that cannot be made leaves the surface as it was
        test::RecordingSurface surface(600, 600);
        surface.refusedPenWidths = {refused};
        DrawTickBox(surface, 500, 500, true, 7);
        EXPECT_EQ(surface.Leftovers(), test::kNothingLeft) << refused;
    }
}

// Per month from September: what was reported (unlike anything generated, so a figure of the wrong year shows),
// whether it counts as shared, and the hours printed for a publisher and a field missionary (empty: none).
struct Month { gen::FixedRow reported; bool shared; const char *hours, *hoursOfMissionary; };
const Month kMonths[12] = {
    {{2, 250, 701, true, "Zażółć gęślą jaźń"}, true, "250", "250"},
    {{0, 241, 0, true, ""}, true, "", "241"},
    {{1, 232, 0, false, ""}, true, "232", "232"},  // shared through the hours
    {{0, 0, 0, false, ""}, false, "", ""},
    {{3, 0, 4, true, ""}, true, "", ""},
    {{0, 0, 3, true, "Chory"}, true, "", ""},
    {{1, 216, 12, false, "Pionier pomocniczy"}, true, "216", "216"},
    {{2, 207, 1023, true, ""}, true, "207", "207"},
    {{0, 198, 5, false, ""}, true, "", "198"},
    {{2, 189, 0, false, "Urlop"}, true, "189", "189"},
    {{3, 180, 2, true, ""}, true, "180", "180"},
    {{0, 0, 0, false, "Przeprowadzka do Łodzi, zgłosi się jesienią"}, false, "", ""},  // the longest remark
};

struct Opening { int year, month, reportMonth; };  // report month: the one before, 0 = January

// The margin texts and their device units, and the device positions of the first row's top, the row height, the
// columns of the shared box, studies, auxiliary box, hours and remark, the box size and the font's height.
struct Geometry {
    unsigned px, py; const char *top, *left; MarginOffsets margins;
    int rowTop, rowHeight; std::array<int, 5> x; int boxWidth, boxHeight, fontHeight;
};

// Default layout: top 2.62, height 3.10, columns 1.60, 2.60, 3.35, 4.35 and 4.65 inches from the left margin.
const Geometry at600{600, 600, "0.00", "0.20", {120, 0}, 1572, 155, {1080, 1680, 2130, 2730, 2910}, 85, 85, -83};
const Geometry at600By300{600, 300, "0.15", "0.05", {30, 45}, 831, 77, {990, 1590, 2040, 2640, 2820}, 85, 42, -42};

TEST(FiguresPageTest, PrintsTheTickedRowsOfTheYearWhereTheLayoutAndMarginsPutThem) {
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    // Of the previous year only the rows from the month of opening on are printed.
    struct Case { Opening at; bool missionary, previousYear; std::vector<int> ticked, printed; const Geometry& g; };
    for (const Case& c : {Case{{2025, 3, 1}, false, false, all, all, at600},
                          Case{{2025, 3, 1}, true, false, all, all, at600},
                          Case{{2024, 10, 8}, false, false, all, all, at600By300},
                          Case{{2024, 10, 8}, true, false, all, all, at600By300},
                          Case{{2025, 3, 1}, false, false, {}, {}, at600},
                          Case{{2025, 3, 1}, false, false, {4, 7, 11}, {4, 7, 11}, at600},
                          Case{{2025, 3, 1}, false, true, {4, 7, 11}, {7, 11}, at600},
                          Case{{2024, 10, 8}, false, true, all, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, at600},
                          Case{{2025, 1, 11}, false, true, all, {4, 5, 6, 7, 8, 9, 10, 11}, at600},
                          Case{{2025, 9, 7}, false, true, all, {}, at600}}) {
        SCOPED_TRACE(testing::PrintToString(std::tuple(c.at.month, c.missionary, c.previousYear, c.ticked)));
        gen::FixedPublisher known{"Józef", "Wiśniewski", c.missionary, {}};
        for (std::size_t row = 0; row < 12; ++row) known.rows[row] = kMonths[row].reported;
        const test::LoadedCongregation data(c.at.year, c.at.month, known);
        CardLayout layout;
        layout.LoadDefaults(0, test::kStrings);
        std::array<bool, kCardRows> ticked{};
        for (const int row : c.ticked) ticked[static_cast<std::size_t>(row)] = true;
        const Geometry& g = c.g;
        test::RecordingSurface s(g.px, g.py);
        const CardYear year = ReadCardYear(data.table, data.remarks, 1, c.at.reportMonth, c.at.year);
        ComposeFiguresPage(s, {year, layout, g.top, g.left, ticked, c.previousYear, 238});
        EXPECT_EQ(ComputeMarginOffsets(g.px, g.py, g.left, g.top), g.margins);

        // Each row printed: its two boxes, the studies and the hours, and the remark when there is one.
        std::vector<test::DrawnBox> boxes;
        std::vector<std::tuple<int, int, TextAlign, std::string>> texts, drawn;
        for (const int row : c.printed) {
            const gen::FixedRow& r = kMonths[row].reported;
            const int y = g.rowTop + row * g.rowHeight, boxBottom = y + g.rowHeight - g.rowHeight / 2;
            boxes.push_back({g.x[0], boxBottom, g.boxWidth, g.boxHeight, kMonths[row].shared});
            boxes.push_back({g.x[2], boxBottom, g.boxWidth, g.boxHeight, r.status == 1});
            texts.emplace_back(g.x[1], y, TextAlign::Right, r.studies == 0 ? "" : std::to_string(r.studies));
            texts.emplace_back(g.x[3], y, TextAlign::Right,
                               c.missionary ? kMonths[row].hoursOfMissionary : kMonths[row].hours);
            if (!r.remark.empty()) texts.emplace_back(g.x[4], y, TextAlign::Left, test::Cp1250(r.remark));
        }
        const FontSpec arial{
            .height = g.fontHeight, .weight = 400, .charSet = 238, .pitchAndFamily = 0x20, .faceName = "Arial"};
        for (const auto& t : s.texts) {
            drawn.emplace_back(t.x, t.y, t.align, t.text);
            EXPECT_EQ(s.ObjectOf(t.font).font, arial);
        }
        EXPECT_EQ(drawn, texts);
        EXPECT_EQ(test::DrawnBoxes(s), boxes);
        const auto marked = static_cast<std::size_t>(std::ranges::count(boxes, true, &test::DrawnBox::marked));
        EXPECT_EQ(s.lines.size(), 4 * boxes.size() + 2 * marked) << "lines beyond the boxes";
        EXPECT_TRUE(s.textMapping);
        EXPECT_EQ(s.Leftovers(), test::kNothingLeft);
    }
}

}  // namespace
}  // namespace vorlant
