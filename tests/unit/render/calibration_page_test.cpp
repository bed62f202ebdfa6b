// The calibration page, and one round of readings worked out against simulated cards.
#include "render/calibration_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "common/text.h"
#include "layout/card_layout.h"
#include "render/calibration_fit.h"
#include "render/primitives.h"
#include "render_test_support.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

using Line = test::RecordingSurface::Line;

const std::pair<unsigned, unsigned> kResolutions[] = {{300, 300}, {600, 600}, {1200, 1200}, {600, 300}};

// A calibration page's layouts: the initial one, and one with every value moved.
struct TestLayout { const char *top, *left, *start, *height; std::array<const char*, 5> columns; };
const TestLayout kTestLayouts[] = {{"0.00", "0.20", "2.62", "3.10", {"1.60", "2.60", "3.35", "4.35", "4.65"}},
                                   {"0.15", "0.05", "2.41", "3.23", {"1.72", "2.48", "3.51", "4.27", "4.63"}},
                                   {"0.33", "0.00", "2.80", "2.95", {"1.45", "2.70", "3.20", "4.40", "4.61"}}};

// A drawn text's extent in device units, as wide as 0.6 em a character.
SurfaceRect Extent(const test::RecordingSurface& s, const test::RecordingSurface::Text& t) {
    const int em = -s.ObjectOf(t.font).font.height, width = static_cast<int>(t.text.size()) * em * 6 / 10;
    return test::TextExtent(s, t, width * static_cast<int>(s.PixelsPerInchX()) / static_cast<int>(s.PixelsPerInchY()));
}

CardLayout LayoutOf(const TestLayout& t) {
    CardLayout layout;
    layout.LoadDefaults(0, test::kStrings);
    layout.SetSlot(card_layout::kMonthlyTop, t.start);
    layout.SetSlot(card_layout::kMonthlyHeight, t.height);
    for (std::size_t i = 0; i < 5; ++i) layout.SetSlot(card_layout::ColumnX(kPageColumns[i]), t.columns[i]);
    return layout;
}

TEST(CalibrationPageTest, ScalesReadZeroWhereTheCardsLinesHoldEveryFigureInsideItsBox) {
    const CardYear year = CalibrationCardYear(test::kStrings);
    for (const auto& [px, py] : kResolutions) {
        for (const TestLayout& t : kTestLayouts) {
            SCOPED_TRACE(testing::Message() << px << " x " << py << ", start " << t.start << ", left " << t.left);
            const CardLayout layout = LayoutOf(t);
            test::RecordingSurface s(px, py), rows(px, py);
            ComposeCalibrationPage(s, {layout, t.top, t.left, 238}, test::kStrings);
            EXPECT_EQ(s.Leftovers(), test::kNothingLeft);

            // The rows exactly as a card's page draws them, every one filled.
            ComposeFiguresPage(rows, {year, layout, t.top, t.left, test::kEveryRow, false, 238});
            ASSERT_GE(s.lines.size(), rows.lines.size());
            EXPECT_TRUE(std::equal(rows.lines.begin(), rows.lines.end(), s.lines.begin()));
            const std::vector<Line> scaleLines(s.lines.begin() + static_cast<std::ptrdiff_t>(rows.lines.size()),
                                               s.lines.end());
            std::vector<SurfaceRect> figures;
            for (const Line& l : rows.lines) figures.push_back(test::ExtentOf(l));
            std::vector<test::RecordingSurface::Text> labels, names, settings;
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
                    (text.text.size() <= 3 ? labels : names).push_back(text);
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

            // Lines at least 0.1 mm wide; ticks 0.02 inch apart, none closer; a label every 0.10 up to 0.40 either
            // side of each of the seven zeros.
            for (const Line& l : scaleLines) EXPECT_GE(l.penWidth * 254, static_cast<int>(l.x1 == l.x2 ? px : py));
            // Each scale: its line centred on its zero, and the ticks that end on the line.
            const auto ticksOf = [&](bool vertical, int zero) {
                std::vector<int> at;
                const auto scale = std::ranges::find_if(scaleLines, [&](const Line& l) {
                    return vertical ? l.x1 == l.x2 && l.y1 + l.y2 == 2 * zero : l.y1 == l.y2 && l.x1 + l.x2 == 2 * zero;
                });
                if (scale == scaleLines.end()) return std::pair(Line{}, at);
                for (const Line& l : scaleLines) {
                    if (vertical ? l.y1 == l.y2 && l.x2 == scale->x1 && l.y1 >= scale->y1 && l.y1 <= scale->y2
                                 : l.x1 == l.x2 && l.y1 == scale->y1 && l.x1 >= scale->x1 && l.x1 <= scale->x2) {
                        at.push_back(vertical ? l.y1 : l.x1);
                    }
                }
                std::ranges::sort(at);
                return std::pair(*scale, at);
            };
            std::map<const test::RecordingSurface::Text*, int> labelled;  // each label on one scale, at its value
            int verticalLine = 0;
            for (const auto& [vertical, zero] : {std::pair(true, zeros.septemberTop), {true, zeros.augustTop},
                                                 {false, zeros.columns[0]}, {false, zeros.columns[1]},
                                                 {false, zeros.columns[2]}, {false, zeros.columns[3]},
                                                 {false, zeros.columns[4]}}) {
                SCOPED_TRACE(testing::Message() << (vertical ? "vertical at " : "horizontal at ") << zero);
                const auto [scale, at] = ticksOf(vertical, zero);
                const int inch = static_cast<int>(vertical ? py : px);
                ASSERT_EQ(at.size(), 41u);
                EXPECT_EQ(at[20], zero);
                EXPECT_LE(at.front(), zero - inch * 2 / 5);
                EXPECT_GE(at.back(), zero + inch * 2 / 5);
                for (std::size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], inch / 50);
                // Its labels where they read: minus above (left), plus below (right) of the 0.
                int count = 0;
                for (const auto& label : labels) {
                    const SurfaceRect e = Extent(s, label);
                    const int along = vertical ? (e.top + e.bottom) / 2 : (e.left + e.right) / 2;
                    const int beside = vertical ? scale.x1 - e.right : std::abs((e.top + e.bottom) / 2 - scale.y1);
                    const int value = std::stoi(label.text);
                    if (beside < 0 || beside > static_cast<int>(vertical ? px : py) / 2) continue;
                    if (std::abs(along - (zero + value * inch / 100)) > inch / 50) continue;
                    ++labelled[&label];
                    ++count;
                }
                EXPECT_EQ(count, 9);
                if (vertical) { verticalLine = scale.x1; continue; }
                EXPECT_LT(verticalLine, scale.x1) << "the vertical scales left of the others";
                // Where the card's column lines run: the headings' band just above the first row's line, or the
                // totals' band just under the last row's.
                const int fromTable = scale.y1 < zeros.septemberTop ? zeros.septemberTop - scale.y1
                                                                     : scale.y1 - zeros.augustTop - g.rowHeight;
                EXPECT_TRUE(fromTable > 0 && fromTable <= static_cast<int>(py) * 2 / 5) << "off the card's table";
            }
            EXPECT_EQ(labelled.size(), labels.size()) << "a label on no scale, or the wrong side of its 0";
            EXPECT_EQ(labels.size(), 7u * 9u);
            // Each column's scale named as its setting; the remarks' says it is read on the hours' line.
            std::multiset<std::string> named, expected;
            for (const auto& name : names) named.insert(name.text);
            const auto label = [](unsigned c) { return test::kStrings.Load(IDS_SETTING_COLUMN_BASE + c); };
            for (unsigned c = 0; c < 4; ++c) expected.insert(label(c));
            expected.insert(FillIn(test::kStrings.Load(IDS_SCALE_SHARED_LINE), {label(4), label(3)}));
            EXPECT_EQ(named, expected);

            // Nothing added within 0.10 inch of a figure; no label meets another or a line.
            std::vector<SurfaceRect> added;
            for (const Line& l : scaleLines) added.push_back(test::ExtentOf(l));
            const std::size_t lineCount = added.size();
            labels.insert(labels.end(), names.begin(), names.end());
            for (const auto& label : labels) {
                const SurfaceRect e = Extent(s, label);
                for (const auto& other : labels) {
                    EXPECT_TRUE(&other == &label || test::Apart(e, Extent(s, other)))
                        << label.text << " meets " << other.text;
                }
                for (std::size_t i = 0; i < lineCount; ++i) EXPECT_TRUE(test::Apart(e, added[i])) << label.text;
                added.push_back(e);
            }
            ASSERT_EQ(settings.size(), 1u);
            const SurfaceRect settingsLine = Extent(s, settings[0]);
            added.push_back(settingsLine);
            for (const SurfaceRect& a : added) {
                for (const SurfaceRect& f : figures) {
                    EXPECT_TRUE(test::Apart(a, f, static_cast<int>(px) / 10, static_cast<int>(py) / 10))
                        << testing::PrintToString(std::tuple(a.left, a.top, f.left, f.top));
                }
            }
            // The settings line under the table and its scales, 0.40 inch under the last row.
            EXPECT_GE(settingsLine.top, zeros.augustTop + g.rowHeight + static_cast<int>(py) * 2 / 5);
            for (const SurfaceRect& a : added) EXPECT_TRUE(&a == &added.back() || a.bottom < settingsLine.top);
            EXPECT_EQ(std::tuple(settings[0].x, settings[0].align), std::tuple(margins.left, TextAlign::Left));
        }
    }
}

TEST(CalibrationPageTest, WritesTheSettingsInOneLineWithTheDialogsLabels) {
    CardLayout layout;
    layout.LoadDefaults(0, test::kStrings);
    EXPECT_EQ(CalibrationSettingsLine({layout, "0.00", "0.20", 238}, test::kStrings),
              "Górny: 0.00   Lewy: 0.20   Start (Wrzesień): 2.62   Owoc Wysokość: 3.10   Służbie: 1.60   "
              "Kursy biblijne: 2.60   Pionier Pomocniczy: 3.35   Godziny: 4.35   Uwagi: 4.65");
}


// A card's line read on a scale to the hundredth.
int Read(double line, int zero, unsigned ppi) { return static_cast<int>(std::lround((line - zero) * 100 / ppi)); }

// One round against simulated cards: lines up to 0.40 inch from the first page's zeros, rows up to 0.20 inch too
// tall or short over the eleven, read to the hundredth and worked out; the check page's zeros then lie on the card's
// lines within 0.01 inch, at August within that and half of the eleven dots by which whole-dot rows move it.
TEST(CalibrationFitTest, OneRoundOfReadingsPutsTheCheckPagesZerosOnTheCardsLines) {
    for (const auto& [px, py] : kResolutions) {
        const PrinterResolution printer{px, py, ArialFiguresLine(py)};
        for (const TestLayout& t : kTestLayouts) {
            const CardLayout first = LayoutOf(t);
            const CardLines zeros = CalibrationZeros(first, printer);
            for (int k = 0; k < 400; ++k) {
                // Spread over the reach by steps that share no period with the hundredth or the dot.
                const double september = std::fmod(k * 0.0731, 0.80) - 0.40;
                const double august = std::clamp(september + std::fmod(k * 0.0373, 0.40) - 0.20, -0.40, 0.40);
                const double cardS = zeros.septemberTop + september * py, cardA = zeros.augustTop + august * py;
                std::array<double, 5> cardColumns{};
                Readings readings{Read(cardS, zeros.septemberTop, py), Read(cardA, zeros.augustTop, py)};
                for (std::size_t c = 0; c < 5; ++c) {
                    cardColumns[c] = zeros.columns[c] + (std::fmod((k + 1.0) * (c + 2) * 0.0617, 0.80) - 0.40) * px;
                    readings[2 + c] = Read(cardColumns[c], zeros.columns[c], px);
                }
                SCOPED_TRACE(testing::Message() << px << " x " << py << ", start " << t.start << ", readings "
                                                << testing::PrintToString(readings));
                ASSERT_TRUE(std::ranges::all_of(readings, WithinReach));
                const auto changes = ReadingChanges(first, readings, printer);
                ASSERT_TRUE(std::ranges::all_of(changes, &SettingChange::inRange));
                CardLayout next = first;
                ApplyReadingChanges(changes, next);
                const CardLines check = CalibrationZeros(next, printer);
                EXPECT_LE(std::abs(check.septemberTop - cardS), py / 100.0);
                EXPECT_LE(std::abs(check.augustTop - cardA), py / 100.0 + 5.5);
                for (std::size_t c = 0; c < 5; ++c) EXPECT_LE(std::abs(check.columns[c] - cardColumns[c]), px / 100.0);
            }
        }
    }
}

// Even a text that the printing reads otherwise than it is written ("1.5") is kept.
TEST(CalibrationFitTest, ASettingNotMovedKeepsItsTextAndOneMovedOutOfTheLengthsIsOutOfRange) {
    CardLayout layout = LayoutOf(kTestLayouts[0]);
    layout.SetSlot(card_layout::ColumnX(0), "1.5");  // read as 1.05, as the printing reads it
    layout.SetSlot(card_layout::ColumnX(1), "0.10");
    layout.SetSlot(card_layout::ColumnX(3), "9.90");
    const PrinterResolution printer{600, 600, ArialFiguresLine(600)};
    auto changes = ReadingChanges(layout, {0, 0, 0, -11, 0, 9, 0}, printer);
    EXPECT_EQ(changes[0], (SettingChange{card_layout::kMonthlyTop, IDS_SETTING_MONTHLY_TOP, "2.62", "2.62", true}));
    EXPECT_EQ(changes[2], (SettingChange{card_layout::ColumnX(0), IDS_SETTING_COLUMN_BASE, "1.5", "1.5", true}));
    EXPECT_EQ(std::tuple(changes[3].after, changes[3].inRange), std::tuple("-0.01", false));
    EXPECT_EQ(std::tuple(changes[5].after, changes[5].inRange), std::tuple("9.99", true));
    changes = ReadingChanges(layout, {0, 0, 2, 0, 0, 10, 0}, printer);
    EXPECT_EQ(changes[2].after, "1.07");
    EXPECT_EQ(std::tuple(changes[5].after, changes[5].inRange), std::tuple("10.00", false));
}

}  // namespace
}  // namespace vorlant
