#include "render/calibration_page.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

#include "common/string_source.h"
#include "common/text.h"
#include "layout/card_layout.h"
#include "render/card_year.h"
#include "render/primitives.h"
#include "resources/resource.h"

namespace vorlant {
namespace {


// Lengths on the paper in hundredths of an inch.
constexpr int kTickPitch = 2;              // a tick every 0.02: closer ones run together
constexpr int kShortTick = 5;
constexpr int kLongTick = 10;              // every 0.10, labelled
constexpr int kLabelGap = 2;               // between a long tick and its label
constexpr int kClearance = 12;             // from the figures, boxes and remarks of the rows
constexpr int kLabelHalfWidth = 7;         // of the widest label, "+40"
constexpr int kScaleGap = 5;               // between two scales side by side
constexpr int kSettingsBelowRows = 40;     // from the last row's bottom line to the settings line

constexpr int kLabelPoints = 6;
constexpr int kSettingsPoints = 7;

// Arial, in hundredths of the em: the middle of its digits lies 55 below
// the top of its line; no letter of a name is wider than 60 on average.
constexpr int kDigitsMiddle = 55;
constexpr int kLetterWidth = 60;

// The em of a font of `points` in device units at `ppi`.
int Em(int points, unsigned ppi) { return MulDivRound(points, static_cast<int>(ppi), 72); }

int TickLength(int k) { return k % 10 == 0 ? kLongTick : kShortTick; }

// The label of the tick `k` hundredths from zero: "-40" ... "0" ... "+40",
// the reading as it is typed.
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

// A column's scale: its 0, the y of its line, and whether its ticks, labels
// and name hang below the line (the band of the card's "Ogółem" row under
// August) or stand above it (the band of the column headings).
struct HorizontalScale {
    std::size_t column = 0;  // in the order of kPageColumns
    int zeroX = 0;
    int lineY = 0;
    bool below = false;
    std::string name;
};

struct Scales {
    int verticalX = 0;  // the vertical scales' line
    std::vector<HorizontalScale> horizontal;
    int settingsY = 0;
};

// The name a column's scale carries: its setting's; the remarks' scale says
// that it is read on the hours' line.
std::string ScaleName(std::size_t column, const StringSource& strings) {
    const std::string name = strings.Load(IDS_SETTING_COLUMN_BASE + static_cast<unsigned>(column));
    if (kPageColumns[column] != kRemarksColumn) return name;
    const auto hours = static_cast<unsigned>(std::ranges::find(kPageColumns, kHoursColumn) - kPageColumns.begin());
    return FillIn(strings.Load(IDS_SCALE_SHARED_LINE), {name, strings.Load(IDS_SETTING_COLUMN_BASE + hours)});
}

// Places the scales around the rows of `g`: each column's in the headings'
// band above the first row, or, where it would meet the one before it
// there, in the band under the last row; the vertical ones left of them
// all; and the settings line under everything.
Scales PlaceScales(unsigned px, unsigned py, const PageGeometry& g, const CardLines& zeros, const RowInk& ink,
                   int labelLine, const StringSource& strings) {
    Scales s;
    const int reach = DeviceFromHundredths(kCalibrationReach + kLabelHalfWidth, px);
    const int letter = Em(kLabelPoints, px) * kLetterWidth / 100;
    const int gap = DeviceFromHundredths(kScaleGap, px);
    // Clear of the first and the last row's figures, and off their rows.
    const int headingsLine = std::min(g.rowTop + ink.top - DeviceFromHundredths(kClearance, py),
                                      zeros.septemberTop - DeviceFromHundredths(kTickPitch, py));
    const int totalsLine =
        std::max(g.rowTop + (kCardRows - 1) * g.rowHeight + ink.bottom + DeviceFromHundredths(kClearance, py),
                 zeros.augustTop + g.rowHeight + DeviceFromHundredths(kTickPitch, py));

    std::array<std::size_t, 5> order{0, 1, 2, 3, 4};
    std::ranges::sort(order, {}, [&](std::size_t c) { return zeros.columns[c]; });
    std::array<int, 2> bandEnd{std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    int leftmost = g.serviceX - static_cast<int>(px / kPageBoxDivisor) - DeviceFromHundredths(kClearance, px);
    for (const std::size_t c : order) {
        HorizontalScale scale{c, zeros.columns[c], headingsLine, false, ScaleName(c, strings)};
        // The name starts at the scale's left end and may run past its right.
        const int left = scale.zeroX - reach;
        const int right = std::max(scale.zeroX + reach, left + static_cast<int>(scale.name.size()) * letter);
        // The headings' band when it is free here, else the one under the
        // rows, else the one that was free longer ago.
        std::size_t band = 0;
        if (bandEnd[0] + gap > left) band = bandEnd[1] + gap <= left || bandEnd[1] < bandEnd[0] ? 1 : 0;
        bandEnd[band] = right;
        if (band == 1) scale.lineY = totalsLine, scale.below = true;
        leftmost = std::min(leftmost, left - gap);
        s.horizontal.push_back(std::move(scale));
    }
    s.verticalX = leftmost;

    // Off the card's table: under the last row's bottom line, the band under
    // it and the end of the August scale with its label.
    const int levelDepth = DeviceFromHundredths(kLongTick + kLabelGap, py) + 3 * labelLine;
    const int scalesEnd = std::max(zeros.augustTop + DeviceFromHundredths(kCalibrationReach, py) + labelLine,
                                   totalsLine + levelDepth) + DeviceFromHundredths(kScaleGap, py);
    s.settingsY = std::max(zeros.augustTop + g.rowHeight + DeviceFromHundredths(kSettingsBelowRows, py), scalesEnd);
    return s;
}

// A scale down the page at `x`, its ticks and right-aligned labels to the
// left of it, zero at `zeroY`: minus above, plus below.
void DrawVerticalScale(DrawingSurface& surface, int x, int zeroY, int digitsMiddle, SurfaceObject along,
                       SurfaceObject across) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    {
        const ScopedSurfaceSelect selectPen(surface, along);
        surface.MoveTo(x, zeroY - DeviceFromHundredths(kCalibrationReach, py));
        surface.LineTo(x, zeroY + DeviceFromHundredths(kCalibrationReach, py));
    }
    const ScopedSurfaceSelect selectPen(surface, across);
    surface.SetTextAlign(TextAlign::Right);
    for (int k = -kCalibrationReach; k <= kCalibrationReach; k += kTickPitch) {
        const int y = zeroY + DeviceFromHundredths(k, py);
        surface.MoveTo(x - DeviceFromHundredths(TickLength(k), px), y);
        surface.LineTo(x, y);
        if (k % 10 == 0) {
            surface.TextAt(x - DeviceFromHundredths(kLongTick + kLabelGap, px), y - digitsMiddle, Label(k));
        }
    }
}

// A scale across the page, zero at its `zeroX`, minus left, plus right: its
// ticks and centred labels on the side away from the rows, the labels of
// -30, -10, +10 and +30 a line further out than the others, so that no two
// meet, and its name a line further still, from the scale's left end.
void DrawHorizontalScale(DrawingSurface& surface, const HorizontalScale& scale, int labelLine, SurfaceObject along,
                         SurfaceObject across) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    const int labelEm = Em(kLabelPoints, px);
    const int out = scale.below ? 1 : -1;  // away from the rows
    const int y = scale.lineY;
    const int left = scale.zeroX - DeviceFromHundredths(kCalibrationReach, px);
    {
        const ScopedSurfaceSelect selectPen(surface, along);
        surface.MoveTo(left, y);
        surface.LineTo(scale.zeroX + DeviceFromHundredths(kCalibrationReach, px), y);
    }
    const ScopedSurfaceSelect selectPen(surface, across);
    // The top of the text line `lines` out from the long ticks' ends.
    const auto lineTop = [&](int lines) {
        const int beyondTicks = y + out * DeviceFromHundredths(kLongTick + kLabelGap, py);
        return scale.below ? beyondTicks + (lines - 1) * labelLine : beyondTicks - lines * labelLine;
    };
    surface.SetTextAlign(TextAlign::Right);
    for (int k = -kCalibrationReach; k <= kCalibrationReach; k += kTickPitch) {
        const int x = scale.zeroX + DeviceFromHundredths(k, px);
        surface.MoveTo(x, y);
        surface.LineTo(x, y + out * DeviceFromHundredths(TickLength(k), py));
        if (k % 10 == 0) {
            const std::string label = Label(k);
            surface.TextAt(x + labelEm * LabelWidth(label) / 2000, lineTop(k % 20 == 0 ? 1 : 2), label);
        }
    }
    surface.SetTextAlign(TextAlign::Left);
    surface.TextAt(left, lineTop(3), scale.name);
    surface.SetTextAlign(TextAlign::Right);
}

}  // namespace

CardLines WellPlacedCardLines(unsigned px, unsigned py, const PageGeometry& g, int fontLineHeight) {
    const RowInk ink = RowInkOf(px, py, g, fontLineHeight);
    // The paper the row's figures leave free, half of it above them.
    const int above = (g.rowHeight - (ink.bottom - ink.top)) / 2;
    CardLines lines;
    lines.septemberTop = g.rowTop + ink.top - above;
    lines.augustTop = lines.septemberTop + (kCardRows - 1) * g.rowHeight;
    const int gap = DeviceFromHundredths(kColumnLineGap, px);
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
    const SurfaceObjectOwner downPen(surface, surface.CreateSolidPen(HairlineWidth(px), DrawingSurface::kBlack));
    const SurfaceObjectOwner acrossPen(surface, surface.CreateSolidPen(HairlineWidth(py), DrawingSurface::kBlack));
    {
        const SurfaceObjectOwner font(surface,
                                      surface.CreateFontObject(ArialFontSpec(kLabelPoints, py, page.cardCharset)));
        const ScopedSurfaceSelect selectFont(surface, font.Get());
        const int labelLine = surface.FontLineHeight();
        const Scales scales =
            PlaceScales(px, py, geometry, zeros, RowInkOf(px, py, geometry, figuresLine), labelLine, strings);
        const int digitsMiddle = Em(kLabelPoints, py) * kDigitsMiddle / 100;
        for (const int zeroY : {zeros.septemberTop, zeros.augustTop}) {
            DrawVerticalScale(surface, scales.verticalX, zeroY, digitsMiddle, downPen.Get(), acrossPen.Get());
        }
        for (const HorizontalScale& scale : scales.horizontal) {
            DrawHorizontalScale(surface, scale, labelLine, acrossPen.Get(), downPen.Get());
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
