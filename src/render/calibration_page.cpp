#include "render/calibration_page.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "common/string_source.h"
#include "layout/card_layout.h"
#include "render/card_year.h"
#include "render/primitives.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

constexpr std::uint32_t kBlack = 0x000000;

// Lengths on the paper in hundredths of an inch.
constexpr int kTickPitch = 2;              // a tick every 0.02: closer ones run together
constexpr int kShortTick = 5;
constexpr int kLongTick = 10;              // every 0.10, labelled
constexpr int kLabelGap = 2;               // between a long tick and its label
constexpr int kClearance = 12;             // from the figures, boxes and remarks of the rows
constexpr int kLabelHalfWidth = 7;         // of the widest label, "+20"
constexpr int kScaleGap = 5;               // between two horizontal scales side by side
constexpr int kLevelGap = 3;               // between a level's labels and the line of the level above
constexpr int kSettingsBelowRows = 40;     // from the last row's bottom line to the settings line

constexpr int kLabelPoints = 6;
constexpr int kSettingsPoints = 7;

// Arial, in hundredths of the em: the middle of its digits lies 55 below
// the top of its line.
constexpr int kDigitsMiddle = 55;

int Hundredths(int hundredths, unsigned ppi) { return MulDivRound(hundredths, static_cast<int>(ppi), 100); }

// The em of a font of `points` in device units at `ppi`.
int Em(int points, unsigned ppi) { return MulDivRound(points, static_cast<int>(ppi), 72); }

// The width of a line at least 0.1 mm wide: ppi / 254 dots, rounded up.
int LineWidth(unsigned ppi) { return std::max(1, static_cast<int>((ppi + 253) / 254)); }

int TickLength(int k) { return k % 10 == 0 ? kLongTick : kShortTick; }

// The label of the tick `k` hundredths from zero: "-20", "-10", "0", "+10",
// "+20", the reading as it is typed.
std::string Label(int k) {
    if (k == 0) return "0";
    char text[8] = {};
    std::snprintf(text, sizeof(text), "%+d", k);
    return text;
}

// The width of a label in Arial, in thousandths of the em.
int LabelWidth(std::string_view label) {
    int width = 0;
    for (const char c : label) width += c == '+' ? 584 : c == '-' ? 333 : 556;
    return width;
}

// What a row draws, from its top: a box may rise above it, the text goes a
// line below it.
struct RowInk {
    int top = 0;
    int bottom = 0;
};

RowInk RowInkOf(unsigned px, unsigned py, const PageGeometry& g, int fontLineHeight) {
    const int boxHeight = static_cast<int>(py / kPageBoxDivisor);
    const int boxBottom = RowBoxBottom(g);
    const int halfPen = (BoxOutlineWidth(px) + 1) / 2;
    return {std::min(0, boxBottom - boxHeight - halfPen), std::max(fontLineHeight, boxBottom + halfPen)};
}

struct Scales {
    int verticalX = 0;                           // the vertical scales' line
    std::vector<std::array<int, 2>> horizontal;  // zero x and line y of each column's scale
    int settingsY = 0;
};

// Places the scales around the rows of `g`: the vertical ones left of the
// boxes, the horizontal ones above the first row, level over level, and the
// settings line under the table.
Scales PlaceScales(unsigned px, unsigned py, const PageGeometry& g, const CardLines& zeros, const RowInk& ink,
                   int labelLine) {
    Scales s;
    const int boxWidth = static_cast<int>(px / kPageBoxDivisor);
    s.verticalX = g.serviceX - boxWidth - Hundredths(kClearance, px);

    // A level: the line, its ticks upwards and two lines of labels over them.
    const int levelHeight = Hundredths(kLongTick + kLabelGap, py) + 2 * labelLine + Hundredths(kLevelGap, py);
    const int firstLevel = g.rowTop + ink.top - Hundredths(kClearance, py);
    std::array<int, 5> columns = zeros.columns;
    std::ranges::sort(columns);
    std::vector<int> levelEnds;
    const int halfWidth = Hundredths(kCalibrationReach + kLabelHalfWidth, px);
    for (const int x : columns) {
        std::size_t level = 0;
        while (level < levelEnds.size() && levelEnds[level] + Hundredths(kScaleGap, px) > x - halfWidth) ++level;
        if (level == levelEnds.size()) levelEnds.push_back(0);
        levelEnds[level] = x + halfWidth;
        s.horizontal.push_back({x, firstLevel - static_cast<int>(level) * levelHeight});
    }

    // Off the card's table: under the last row's bottom line and the end of
    // its scale with its label.
    const int scaleEnd = zeros.augustTop + Hundredths(kCalibrationReach + kClearance, py) + labelLine;
    s.settingsY = std::max(zeros.augustTop + g.rowHeight + Hundredths(kSettingsBelowRows, py), scaleEnd);
    return s;
}

// A scale down the page at `x`, its ticks and right-aligned labels to the
// left of it, zero at `zeroY`.
void DrawVerticalScale(DrawingSurface& surface, int x, int zeroY, int digitsMiddle, SurfaceObject along,
                       SurfaceObject across) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    {
        const ScopedSurfaceSelect selectPen(surface, along);
        surface.MoveTo(x, zeroY - Hundredths(kCalibrationReach, py));
        surface.LineTo(x, zeroY + Hundredths(kCalibrationReach, py));
    }
    const ScopedSurfaceSelect selectPen(surface, across);
    for (int k = -kCalibrationReach; k <= kCalibrationReach; k += kTickPitch) {
        const int y = zeroY + Hundredths(k, py);
        surface.MoveTo(x - Hundredths(TickLength(k), px), y);
        surface.LineTo(x, y);
        if (k % 10 == 0) surface.TextAt(x - Hundredths(kLongTick + kLabelGap, px), y - digitsMiddle, Label(k));
    }
}

// A scale across the page at `y`, its ticks and centred labels above it,
// zero at `zeroX`; the labels of -10 and +10 go a line higher than the
// others, so that no two meet.
void DrawHorizontalScale(DrawingSurface& surface, int zeroX, int y, int labelLine, SurfaceObject along,
                         SurfaceObject across) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    const int labelEm = Em(kLabelPoints, px);
    {
        const ScopedSurfaceSelect selectPen(surface, along);
        surface.MoveTo(zeroX - Hundredths(kCalibrationReach, px), y);
        surface.LineTo(zeroX + Hundredths(kCalibrationReach, px), y);
    }
    const ScopedSurfaceSelect selectPen(surface, across);
    for (int k = -kCalibrationReach; k <= kCalibrationReach; k += kTickPitch) {
        const int x = zeroX + Hundredths(k, px);
        surface.MoveTo(x, y);
        surface.LineTo(x, y - Hundredths(TickLength(k), py));
        if (k % 10 == 0) {
            const std::string label = Label(k);
            const int lines = k % 20 == 0 ? 1 : 2;
            const int top = y - Hundredths(kLongTick + kLabelGap, py) - lines * labelLine;
            surface.TextAt(x + labelEm * LabelWidth(label) / 2000, top, label);
        }
    }
}

}  // namespace

CardLines WellPlacedCardLines(unsigned px, unsigned py, const PageGeometry& g, int fontLineHeight) {
    const RowInk ink = RowInkOf(px, py, g, fontLineHeight);
    // The paper the row's figures leave free, half of it above them.
    const int above = (g.rowHeight - (ink.bottom - ink.top)) / 2;
    CardLines lines;
    lines.septemberTop = g.rowTop + ink.top - above;
    lines.augustTop = lines.septemberTop + (kCardRows - 1) * g.rowHeight;
    const int gap = Hundredths(kColumnLineGap, px);
    const std::array<int, 5> columns = g.ColumnPositions();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        lines.columns[i] = kPageColumns[i] == kRemarksColumn ? columns[i] - gap : columns[i] + gap;
    }
    return lines;
}

std::string CalibrationSettingsLine(const CalibrationPage& page, const StringSource& strings) {
    std::string line;
    const auto add = [&](unsigned label, std::string_view value) {
        if (!line.empty()) line += "   ";
        line += strings.Load(label);
        line += ": ";
        line += value;
    };
    add(IDS_SETTING_TOP_MARGIN, page.topMargin);
    add(IDS_SETTING_LEFT_MARGIN, page.leftMargin);
    add(IDS_SETTING_MONTHLY_TOP, page.layout.MonthlyTop());
    add(IDS_SETTING_MONTHLY_HEIGHT, page.layout.MonthlyHeight());
    for (std::size_t i = 0; i < kPageColumns.size(); ++i) {
        add(IDS_SETTING_COLUMN_BASE + static_cast<unsigned>(i), page.layout.ColumnX(kPageColumns[i]));
    }
    return line;
}

void ComposeCalibrationPage(DrawingSurface& surface, const CalibrationPage& page, const StringSource& strings) {
    // Every row, whatever the month boxes say, and nothing of the congregation.
    std::array<bool, kCardRows> everyRow{};
    everyRow.fill(true);
    const CardYear year = CalibrationCardYear(strings);
    ComposeFiguresPage(surface, {year, page.layout, page.topMargin, page.leftMargin, everyRow, false, page.cardCharset});

    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    const MarginOffsets margins = ComputeMarginOffsets(px, py, page.leftMargin, page.topMargin);
    const PageGeometry geometry = ComputePageGeometry(px, py, page.layout, margins);
    int figuresLine = 0;
    {
        const SurfaceObjectOwner font(surface, CreateFiguresFont(surface, py, page.cardCharset));
        const ScopedSurfaceSelect selectFont(surface, font.Get());
        figuresLine = surface.FontLineHeight();
    }
    const CardLines zeros = WellPlacedCardLines(px, py, geometry, figuresLine);

    // Pens at least 0.1 mm wide across the line they draw: a line down the
    // page is as wide as ppi / 254 dots across, one along it as high.
    const SurfaceObjectOwner downPen(surface, surface.CreateSolidPen(LineWidth(px), kBlack));
    const SurfaceObjectOwner acrossPen(surface, surface.CreateSolidPen(LineWidth(py), kBlack));
    {
        const SurfaceObjectOwner font(surface,
                                      surface.CreateFontObject(ArialFontSpec(kLabelPoints, py, page.cardCharset)));
        const ScopedSurfaceSelect selectFont(surface, font.Get());
        const int labelLine = surface.FontLineHeight();
        const Scales scales = PlaceScales(px, py, geometry, zeros, RowInkOf(px, py, geometry, figuresLine), labelLine);
        const int digitsMiddle = Em(kLabelPoints, py) * kDigitsMiddle / 100;
        surface.SetTextAlign(TextAlign::Right);
        for (const int zeroY : {zeros.septemberTop, zeros.augustTop}) {
            DrawVerticalScale(surface, scales.verticalX, zeroY, digitsMiddle, downPen.Get(), acrossPen.Get());
        }
        for (const auto& [zeroX, y] : scales.horizontal) {
            DrawHorizontalScale(surface, zeroX, y, labelLine, acrossPen.Get(), downPen.Get());
        }

        const SurfaceObjectOwner settingsFont(
            surface, surface.CreateFontObject(ArialFontSpec(kSettingsPoints, py, page.cardCharset)));
        const ScopedSurfaceSelect selectSettingsFont(surface, settingsFont.Get());
        surface.SetTextAlign(TextAlign::Left);
        surface.TextAt(margins.left, scales.settingsY, CalibrationSettingsLine(page, strings));
        surface.SetTextAlign(TextAlign::Right);
    }
}

}  // namespace vorlant
