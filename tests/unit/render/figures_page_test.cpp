// The printed page: lengths on paper, the mark boxes, and where a known publisher's figures land.
#include "render/figures_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>
#include <vector>

#include "layout/card_layout.h"
#include "render/primitives.h"
#include "render/calibration_page.h"
#include "render_test_support.h"

namespace vorlant {
namespace {

using Line = test::RecordingSurface::Line;

TEST(LayoutLengthToDeviceTest, ReadsOneDigitOfInchesAndTwoOfHundredths) {
    struct Case { const char* text; unsigned ppi, units; };
    for (const Case c : {Case{"2.62", 600, 1572}, {"3.10", 600, 1860}, {"0.33", 96, 31}, {"1.5", 600, 630},
                         {"", 600, 0}, {"7", 100, 700}, {"x.50", 100, 50}, {"1.2x", 100, 102}, {"12.5", 100, 100}}) {
        EXPECT_EQ(LayoutLengthToDevice(c.ppi, c.text), c.units) << '"' << c.text << "\" at " << c.ppi;
    }
}

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
    unsigned px, py;
    const char *top, *left;
    MarginOffsets margins;
    int rowTop, rowHeight;
    std::array<int, 5> x;
    int boxWidth, boxHeight, fontHeight;
};

// Default layout: top 2.62, height 3.10, columns 1.60, 2.60, 3.35, 4.35 and 4.65 inches from the left margin.
const Geometry at600{600, 600, "0.00", "0.20", {120, 0}, 1572, 155, {1080, 1680, 2130, 2730, 2910}, 85, 85, -83};
const Geometry at600By300{600, 300, "0.15", "0.05", {30, 45}, 831, 77, {990, 1590, 2040, 2640, 2820}, 85, 42, -42};

FontSpec Arial(const Geometry& g) {
    return {.height = g.fontHeight, .weight = 400, .charSet = 238, .pitchAndFamily = 0x20, .faceName = "Arial"};
}

// The boxes and texts of the rows, as the page must draw them.
struct ExpectedRows {
    // Row `row` at `g`: its two boxes, the studies and the hours, and the remark when there is one.
    void Add(const Geometry& g, int row, bool shared, bool auxiliary, const std::string& studies,
             const std::string& hours, const std::string& remark) {
        const int y = g.rowTop + row * g.rowHeight, boxBottom = y + g.rowHeight - g.rowHeight / 2;
        boxes.push_back({g.x[0], boxBottom, g.boxWidth, g.boxHeight, shared});
        boxes.push_back({g.x[2], boxBottom, g.boxWidth, g.boxHeight, auxiliary});
        texts.emplace_back(g.x[1], y, TextAlign::Right, studies);
        texts.emplace_back(g.x[3], y, TextAlign::Right, hours);
        if (!remark.empty()) texts.emplace_back(g.x[4], y, TextAlign::Left, remark);
    }
    std::vector<test::DrawnBox> boxes;
    std::vector<std::tuple<int, int, TextAlign, std::string>> texts;
};

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

        ExpectedRows expected;
        for (const int row : c.printed) {
            const gen::FixedRow& r = kMonths[row].reported;
            expected.Add(g, row, kMonths[row].shared, r.status == 1, r.studies == 0 ? "" : std::to_string(r.studies),
                         c.missionary ? kMonths[row].hoursOfMissionary : kMonths[row].hours, test::Cp1250(r.remark));
        }
        std::vector<std::tuple<int, int, TextAlign, std::string>> drawn;
        for (const auto& t : s.texts) {
            drawn.emplace_back(t.x, t.y, t.align, t.text);
            EXPECT_EQ(s.ObjectOf(t.font).font, Arial(g));
        }
        EXPECT_EQ(drawn, expected.texts);
        const auto& boxes = expected.boxes;
        EXPECT_EQ(test::DrawnBoxes(s), boxes);
        const auto marked = static_cast<std::size_t>(std::ranges::count(boxes, true, &test::DrawnBox::marked));
        EXPECT_EQ(s.lines.size(), 4 * boxes.size() + 2 * marked) << "lines beyond the boxes";
        EXPECT_TRUE(s.textMapping);
        EXPECT_EQ(s.Leftovers(), test::kNothingLeft);
    }
}

// Where the test page puts what it adds to the rows: the settings line's top, the vertical scales' line, the
// horizontal scales' lines on their two levels and each column's level, the labels' offsets from their ticks.
struct TestPagePlaces {
    const Geometry& g;
    int settingsY, verticalX;
    std::array<int, 2> levelY;
    std::array<int, 5> level;
    int verticalLabelUp, horizontalLabelDown, labelLine;
};
const TestPagePlaces kTestPages[] = {{at600, 1284, 923, {3501, 3717}, {0, 0, 0, 0, 1}, 27, 72, 60},
                                     {at600By300, 688, 833, {1790, 1898}, {0, 0, 0, 0, 1}, 13, 36, 30}};

// A scale's ticks every hundredth from -0.20 to +0.20 inch after its line; longer every 0.05, longest every 0.10.
std::vector<Line> ScaleLines(bool vertical, int x, int y, unsigned along, unsigned across) {
    const auto h = [](int hundredths, unsigned ppi) { return hundredths * static_cast<int>(ppi) / 100; };
    std::vector<Line> lines;
    lines.push_back(vertical ? Line{x, y - h(20, along), x, y + h(20, along), 0}
                             : Line{x - h(20, along), y, x + h(20, along), y, 0});
    for (int k = -20; k <= 20; ++k) {
        const int length = h(k % 10 == 0 ? 10 : k % 5 == 0 ? 7 : 4, across);
        lines.push_back(vertical ? Line{x - length, y + h(k, along), x, y + h(k, along), 0}
                                 : Line{x + h(k, along), y, x + h(k, along), y + length, 0});
    }
    return lines;
}

// A drawn thing's extent in device units: texts as wide as 0.6 em a character and 1.2 em high.
SurfaceRect Extent(const test::RecordingSurface& s, const test::RecordingSurface::Text& t) {
    const FontSpec& font = s.ObjectOf(t.font).font;
    const int width = static_cast<int>(t.text.size()) * -font.height * 6 / 10 * static_cast<int>(s.PixelsPerInchX()) /
                      static_cast<int>(s.PixelsPerInchY());
    const int left = t.align == TextAlign::Right ? t.x - width : t.x;
    return {left, t.y, left + width, t.y - font.height * 12 / 10};
}

TEST(TestPageTest, AddsTheSettingsAndScalesAroundTheCalibrationRowsWhereTheCardsFiguresGo) {
    const CardYear year = CalibrationCardYear(test::kStrings);
    CardLayout layout;
    layout.LoadDefaults(0, test::kStrings);
    for (const TestPagePlaces& at : kTestPages) {
        const Geometry& g = at.g;
        SCOPED_TRACE(testing::Message() << g.px << " x " << g.py);
        test::RecordingSurface s(g.px, g.py);
        const CalibrationPage page{layout, g.top, g.left, 238};
        ComposeCalibrationPage(s, page, test::kStrings);

        // The rows: every one filled, each figure where the card's page puts it.
        ExpectedRows expected;
        const char* remarks[] = {"Wrz", "Paź", "Lis", "Gru", "Sty", "Lut", "Mar", "Kwi", "Maj", "Cze", "Lip", "Sie"};
        for (int row = 0; row < kCardRows; ++row) {
            const int month = (row + 8) % 12 + 1;  // the test strings are UTF-8
            expected.Add(g, row, true, true, std::to_string(month), std::to_string(10 * month), remarks[row]);
        }
        const auto& boxes = expected.boxes;
        std::vector<std::tuple<int, int, TextAlign, std::string>> drawn;
        std::vector<SurfaceRect> figures, added;
        std::vector<test::RecordingSurface::Text> labels, settings;
        for (const auto& t : s.texts) {
            const FontSpec& font = s.ObjectOf(t.font).font;
            if (font == Arial(g)) {
                drawn.emplace_back(t.x, t.y, t.align, t.text);
                figures.push_back(Extent(s, t));
            } else if (font == ArialFontSpec(6, g.py, 238)) {
                labels.push_back(t);
                added.push_back(Extent(s, t));
            } else {
                EXPECT_EQ(font, ArialFontSpec(7, g.py, 238)) << t.text;
                settings.push_back(t);
            }
        }
        EXPECT_EQ(drawn, expected.texts);
        std::vector<Line> scales;
        std::ranges::copy_if(s.lines, std::back_inserter(scales), [](const Line& l) { return l.penWidth == 0; });
        std::erase_if(s.lines, [](const Line& l) { return l.penWidth == 0; });
        EXPECT_EQ(test::DrawnBoxes(s), boxes);
        EXPECT_EQ(s.lines.size(), 6 * boxes.size()) << "lines beyond the boxes";
        for (const test::DrawnBox& b : boxes) {
            figures.push_back({b.right - b.width, b.bottom - b.height, b.right, b.bottom});
        }

        // One line of settings above the rows, with the dialogs' labels.
        ASSERT_EQ(settings.size(), 1u);
        EXPECT_EQ(settings[0].text,
                  "Górny: " + std::string(g.top) + "   Lewy: " + g.left +
                      "   Start (Wrzesień): 2.62   Owoc Wysokość: 3.10   Służbie: 1.60   Kursy biblijne: 2.60   "
                      "Pionier Pomocniczy: 3.35   Godziny: 4.35   Uwagi: 4.65");
        EXPECT_EQ(std::tuple(settings[0].x, settings[0].y, settings[0].align),
                  std::tuple(g.margins.left, at.settingsY, TextAlign::Left));

        // Beside the first and the last row a vertical scale, zero at the row's top; under the last row a
        // horizontal one at each column, zero at its position, on a second level where two would meet.
        std::vector<Line> expectedScales;
        std::vector<std::tuple<int, int, TextAlign, std::string>> expectedLabels, drawnLabels;
        const char* marks[] = {"-20", "-10", "0", "+10", "+20"};
        const std::map<std::string, int> halfWidth{{"-20", 36}, {"-10", 36}, {"0", 13}, {"+10", 42}, {"+20", 42}};
        for (const int zero : {g.rowTop, g.rowTop + 11 * g.rowHeight}) {
            std::ranges::copy(ScaleLines(true, at.verticalX, zero, g.py, g.px), std::back_inserter(expectedScales));
            for (int i = 0; i < 5; ++i) {
                expectedLabels.emplace_back(at.verticalX - g.px / 10 - g.px / 50,
                                            zero + (i - 2) * static_cast<int>(g.py) / 10 - at.verticalLabelUp,
                                            TextAlign::Right, marks[i]);
            }
        }
        for (int column = 0; column < 5; ++column) {  // the columns lie from left to right
            const int x = g.x[static_cast<std::size_t>(column)], y = at.levelY[at.level[column]];
            std::ranges::copy(ScaleLines(false, x, y, g.px, g.py), std::back_inserter(expectedScales));
            for (int i = 0; i < 5; ++i) {
                // Those of -10 and +10 a line lower, so that no two meet.
                expectedLabels.emplace_back(x + (i - 2) * static_cast<int>(g.px) / 10 + halfWidth.at(marks[i]),
                                            y + at.horizontalLabelDown + (i % 2) * at.labelLine, TextAlign::Right,
                                            marks[i]);
            }
        }
        EXPECT_EQ(scales, expectedScales);
        for (const auto& t : labels) drawnLabels.emplace_back(t.x, t.y, t.align, t.text);
        EXPECT_EQ(drawnLabels, expectedLabels);

        // No label meets another, and nothing added comes within 0.10 inch of the rows' figures, boxes and remarks.
        const auto apart = [](const SurfaceRect& a, const SurfaceRect& b, int x, int y) {
            return a.left - b.right >= x || b.left - a.right >= x || a.top - b.bottom >= y || b.top - a.bottom >= y;
        };
        for (std::size_t i = 0; i < labels.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_TRUE(apart(Extent(s, labels[i]), Extent(s, labels[j]), 0, 0))
                    << labels[i].text << " meets " << labels[j].text << " at " << labels[i].x << "," << labels[i].y;
            }
        }
        for (const Line& l : scales) {
            added.push_back({std::min(l.x1, l.x2), std::min(l.y1, l.y2), std::max(l.x1, l.x2), std::max(l.y1, l.y2)});
        }
        added.push_back(Extent(s, settings[0]));
        for (const SurfaceRect& a : added) {
            for (const SurfaceRect& f : figures) {
                EXPECT_TRUE(apart(a, f, static_cast<int>(g.px) / 10, static_cast<int>(g.py) / 10))
                    << testing::PrintToString(std::tuple(a.left, a.top, f.left, f.top));
            }
        }
        EXPECT_EQ(s.Leftovers(), test::kNothingLeft);
    }
}

}  // namespace
}  // namespace vorlant
