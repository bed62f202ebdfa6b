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

// A test page's layouts: the initial one, and one with every value moved.
struct TestLayout { const char *top, *left, *start, *height; std::array<const char*, 5> columns; };
const TestLayout kTestLayouts[] = {{"0.00", "0.20", "2.62", "3.10", {"1.60", "2.60", "3.35", "4.35", "4.65"}},
                                   {"0.15", "0.05", "2.41", "3.23", {"1.72", "2.48", "3.51", "4.27", "4.63"}},
                                   {"0.33", "0.00", "2.80", "2.95", {"1.45", "2.70", "3.20", "4.40", "4.61"}}};

// A drawn text's extent in device units, as wide as 0.6 em a character and as high as the surface's font line.
SurfaceRect Extent(test::RecordingSurface& s, const test::RecordingSurface::Text& t) {
    const FontSpec& font = s.ObjectOf(t.font).font;
    const int width = static_cast<int>(t.text.size()) * -font.height * 6 / 10 * static_cast<int>(s.PixelsPerInchX()) /
                      static_cast<int>(s.PixelsPerInchY());
    const SurfaceObject measuring = s.CreateFontObject(font);
    const SurfaceObject previous = s.Select(measuring);
    const int height = s.FontLineHeight();
    s.Select(previous);
    s.Delete(measuring);
    const int left = t.align == TextAlign::Right ? t.x - width : t.x;
    return {left, t.y, left + width, t.y + height};
}

bool Apart(const SurfaceRect& a, const SurfaceRect& b, int x, int y) {
    return a.left - b.right >= x || b.left - a.right >= x || a.top - b.bottom >= y || b.top - a.bottom >= y;
}

SurfaceRect ExtentOf(const Line& l) {
    const int half = (l.penWidth + 1) / 2;
    return {std::min(l.x1, l.x2) - half, std::min(l.y1, l.y2) - half, std::max(l.x1, l.x2) + half,
            std::max(l.y1, l.y2) + half};
}

TEST(TestPageTest, ScalesReadZeroWhereTheCardsLinesHoldEveryFigureInsideItsBox) {
    const CardYear year = CalibrationCardYear(test::kStrings);
    for (const auto& [ppiX, ppiY] : {std::pair{300u, 300u}, {600u, 600u}, {1200u, 1200u}, {600u, 300u}}) {
        const unsigned px = ppiX, py = ppiY;
        for (const TestLayout& t : kTestLayouts) {
            SCOPED_TRACE(testing::Message() << px << " x " << py << ", start " << t.start << ", left " << t.left);
            CardLayout layout;
            layout.LoadDefaults(0, test::kStrings);
            layout.SetSlot(card_layout::kMonthlyTop, t.start);
            layout.SetSlot(card_layout::kMonthlyHeight, t.height);
            for (std::size_t i = 0; i < 5; ++i) layout.SetSlot(card_layout::ColumnX(kPageColumns[i]), t.columns[i]);
            test::RecordingSurface s(px, py), rows(px, py);
            ComposeCalibrationPage(s, {layout, t.top, t.left, 238}, test::kStrings);
            EXPECT_EQ(s.Leftovers(), test::kNothingLeft);

            // The rows exactly as a card's page draws them, every one filled.
            std::array<bool, kCardRows> every{};
            every.fill(true);
            ComposeFiguresPage(rows, {year, layout, t.top, t.left, every, false, 238});
            ASSERT_GE(s.lines.size(), rows.lines.size());
            EXPECT_TRUE(std::equal(rows.lines.begin(), rows.lines.end(), s.lines.begin()));
            const std::vector<Line> scaleLines(s.lines.begin() + static_cast<std::ptrdiff_t>(rows.lines.size()),
                                               s.lines.end());
            std::vector<SurfaceRect> figures;
            for (const Line& l : rows.lines) figures.push_back(ExtentOf(l));
            std::vector<test::RecordingSurface::Text> labels, settings;
            std::size_t figureTexts = 0;
            for (const auto& text : s.texts) {
                const FontSpec& font = s.ObjectOf(text.font).font;
                if (font == FiguresFontSpec(py, 238)) {
                    ASSERT_LT(figureTexts, rows.texts.size());
                    const auto& expected = rows.texts[figureTexts++];
                    EXPECT_EQ(std::tuple(text.x, text.y, text.align, text.text),
                              std::tuple(expected.x, expected.y, expected.align, expected.text));
                    figures.push_back(Extent(s, text));
                } else if (font == ArialFontSpec(6, py, 238)) {
                    labels.push_back(text);
                } else {
                    EXPECT_EQ(font, ArialFontSpec(7, py, 238)) << text.text;
                    settings.push_back(text);
                }
            }
            EXPECT_EQ(figureTexts, rows.texts.size());

            // The zeros: a card with its lines there holds every figure with 0.02 inch to spare, the rows'
            // figures centred between their lines, numbers and boxes about 0.05 before their column's line.
            const MarginOffsets margins = ComputeMarginOffsets(px, py, t.left, t.top);
            const PageGeometry g = ComputePageGeometry(px, py, layout, margins);
            const int figuresLine = (MulDivRound(10, static_cast<int>(py), 72) * (1854 + 434) + 1024) / 2048;
            const CardLines zeros = WellPlacedCardLines(px, py, g, figuresLine);
            EXPECT_EQ(zeros.augustTop - zeros.septemberTop, 11 * g.rowHeight);
            const int spareX = static_cast<int>(px) / 50, spareY = static_cast<int>(py) / 50;
            for (int row = 0; row < kCardRows; ++row) {
                const int line = zeros.septemberTop + row * g.rowHeight, next = line + g.rowHeight;
                int top = next, bottom = line;
                for (const SurfaceRect& f : figures) {
                    if (f.bottom <= line || f.top >= next) continue;  // another row's
                    top = std::min(top, f.top);
                    bottom = std::max(bottom, f.bottom);
                    EXPECT_GE(f.top - line, spareY) << "row " << row;
                    EXPECT_GE(next - f.bottom, spareY) << "row " << row;
                }
                EXPECT_LE(std::abs((top - line) - (next - bottom)), 2) << "row " << row << " not centred";
            }
            const std::array<int, 5> x = g.ColumnPositions();
            for (std::size_t c = 0; c < 5; ++c) {
                const int gap = kPageColumns[c] == kRemarksColumn ? x[c] - zeros.columns[c] : zeros.columns[c] - x[c];
                EXPECT_EQ(gap, MulDivRound(5, static_cast<int>(px), 100)) << "column " << c;
            }
            for (const SurfaceRect& f : figures) {
                // Each figure between two column lines, 0.02 inch clear of both.
                std::array<int, 7> cardLines{0, zeros.columns[0], zeros.columns[1], zeros.columns[2], zeros.columns[3],
                                             zeros.columns[4], 1 << 30};
                std::ranges::sort(cardLines);
                const auto right = std::ranges::upper_bound(cardLines, f.left);
                if (f.left >= zeros.columns[4]) continue;  // a remark runs to the card's edge
                EXPECT_GE(*right - f.right, spareX) << f.left << "," << f.top;
                EXPECT_GE(f.left - *(right - 1), spareX) << f.left << "," << f.top;
            }

            // Lines at least 0.1 mm wide; ticks 0.02 inch apart, none closer; a label every 0.10 up to 0.20 either
            // side of each of the seven zeros.
            for (const Line& l : scaleLines) {
                const unsigned across = l.x1 == l.x2 ? px : py;
                EXPECT_GE(l.penWidth * 254, static_cast<int>(across));
            }
            std::map<std::string, int> labelCount;
            for (const auto& label : labels) ++labelCount[label.text];
            EXPECT_EQ(labelCount, (std::map<std::string, int>{{"-20", 7}, {"-10", 7}, {"0", 7}, {"+10", 7}, {"+20", 7}}));
            // Each scale: its line centred on its zero, and the ticks that end on the line.
            const auto ticksOf = [&](bool vertical, int zero) {
                std::vector<int> at;
                const auto scale = std::ranges::find_if(scaleLines, [&](const Line& l) {
                    return vertical ? l.x1 == l.x2 && l.y1 + l.y2 == 2 * zero : l.y1 == l.y2 && l.x1 + l.x2 == 2 * zero;
                });
                if (scale == scaleLines.end()) return std::pair(Line{}, at);
                for (const Line& l : scaleLines) {
                    if (vertical && l.y1 == l.y2 && l.x2 == scale->x1 && l.y1 >= scale->y1 && l.y1 <= scale->y2) {
                        at.push_back(l.y1);
                    }
                    if (!vertical && l.x1 == l.x2 && l.y1 == scale->y1 && l.x1 >= scale->x1 && l.x1 <= scale->x2) {
                        at.push_back(l.x1);
                    }
                }
                std::ranges::sort(at);
                return std::pair(*scale, at);
            };
            for (const auto& [vertical, zero] : {std::pair(true, zeros.septemberTop), {true, zeros.augustTop},
                                                 {false, zeros.columns[0]}, {false, zeros.columns[1]},
                                                 {false, zeros.columns[2]}, {false, zeros.columns[3]},
                                                 {false, zeros.columns[4]}}) {
                const auto [scale, at] = ticksOf(vertical, zero);
                const int inch = static_cast<int>(vertical ? py : px);
                ASSERT_EQ(at.size(), 25u) << vertical << " " << zero;
                EXPECT_EQ(at[12], zero);
                EXPECT_LE(at.front(), zero - inch / 5);
                EXPECT_GE(at.back(), zero + inch / 5);
                for (std::size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], inch / 50);
                if (!vertical) {
                    // In the band of the card's column headings above the first row, never below it.
                    EXPECT_LT(scale.y1, g.rowTop);
                    EXPECT_GE(scale.y1, g.rowTop - static_cast<int>(py) / 2) << "out of the band of the headings";
                }
            }

            // Nothing added within 0.10 inch of a figure; no label meets another or a line.
            std::vector<SurfaceRect> added;
            for (const Line& l : scaleLines) added.push_back(ExtentOf(l));
            for (const auto& label : labels) {
                const SurfaceRect e = Extent(s, label);
                for (const auto& other : labels) {
                    if (&other != &label) {
                        EXPECT_TRUE(Apart(e, Extent(s, other), 0, 0)) << label.text << " meets " << other.text;
                    }
                }
                added.push_back(e);
            }
            ASSERT_EQ(settings.size(), 1u);
            const SurfaceRect settingsLine = Extent(s, settings[0]);
            added.push_back(settingsLine);
            for (const SurfaceRect& a : added) {
                for (const SurfaceRect& f : figures) {
                    EXPECT_TRUE(Apart(a, f, static_cast<int>(px) / 10, static_cast<int>(py) / 10))
                        << testing::PrintToString(std::tuple(a.left, a.top, f.left, f.top));
                }
            }
            // The settings line under the table and its scales, 0.40 inch under the last row.
            EXPECT_GE(settingsLine.top, zeros.augustTop + g.rowHeight + static_cast<int>(py) * 2 / 5);
            for (const SurfaceRect& a : added) {
                if (&a != &added.back()) {
                    EXPECT_LT(a.bottom, settingsLine.top);
                }
            }
            EXPECT_EQ(std::tuple(settings[0].x, settings[0].align), std::tuple(margins.left, TextAlign::Left));
        }
    }
}

TEST(TestPageTest, WritesTheSettingsInOneLineWithTheDialogsLabels) {
    CardLayout layout;
    layout.LoadDefaults(0, test::kStrings);
    EXPECT_EQ(CalibrationSettingsLine({layout, "0.00", "0.20", 238}, test::kStrings),
              "Górny: 0.00   Lewy: 0.20   Start (Wrzesień): 2.62   Owoc Wysokość: 3.10   Służbie: 1.60   "
              "Kursy biblijne: 2.60   Pionier Pomocniczy: 3.35   Godziny: 4.35   Uwagi: 4.65");
}

}  // namespace
}  // namespace vorlant
