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
constexpr int kReach = 20;                 // a scale runs from -0.20 to +0.20
constexpr int kShortTick = 4;              // every 0.01
constexpr int kMiddleTick = 7;             // every 0.05
constexpr int kLongTick = 10;              // every 0.10, labelled
constexpr int kLabelGap = 2;               // between a long tick and its label
constexpr int kClearance = 12;             // from the figures, boxes and remarks of the rows
constexpr int kHorizontalHalfWidth = 30;   // a horizontal scale with its end labels, either side of zero
constexpr int kScaleGap = 5;               // between two horizontal scales side by side
constexpr int kLevelPitch = 36;            // between a row of horizontal scales and the next

constexpr int kLabelPoints = 6;
constexpr int kSettingsPoints = 7;

// Arial, in hundredths of the em: a line of text is less than 120 high, and
// the middle of its digits lies 55 below its top.
constexpr int kLineHeight = 120;
constexpr int kDigitsMiddle = 55;

int Hundredths(int hundredths, unsigned ppi) { return MulDivRound(hundredths, static_cast<int>(ppi), 100); }

// The em of a font of `points` in device units at `ppi`.
int Em(int points, unsigned ppi) { return MulDivRound(points, static_cast<int>(ppi), 72); }

int TickLength(int k) { return k % 10 == 0 ? kLongTick : k % 5 == 0 ? kMiddleTick : kShortTick; }

// The label of the tick `k` hundredths from zero: "-20", "-10", "0", "+10",
// "+20". Read as "0.20" and so on, they would not fit side by side on a
// scale across the page.
std::string Label(int k) {
    if (k == 0) return "0";
    char text[8] = {};
    std::snprintf(text, sizeof(text), "%+d", k);
    return text;
}

// The width of a label in Arial, in thousandths of the em.
int LabelWidth(std::string_view label) {
    int width = 0;
    for (const char c : label) width += c == '.' ? 278 : c == '+' ? 584 : c == '-' ? 333 : 556;
    return width;
}

struct Scales {
    int verticalX = 0;                  // the vertical scales' line
    std::array<int, 2> verticalZero{};  // the first and the last row's top
    std::vector<std::array<int, 2>> horizontal;  // zero x and line y of each column's scale
    int settingsX = 0;
    int settingsY = 0;
};

// Places the scales and the settings line around the rows of `g`.
Scales PlaceScales(unsigned px, unsigned py, const PageGeometry& g, const MarginOffsets& margins) {
    const int boxWidth = static_cast<int>(px / kPageBoxDivisor);
    const int boxHeight = static_cast<int>(py / kPageBoxDivisor);
    // What a row draws, from its top: a box may rise above it, the text goes
    // a line below it.
    const int boxBottom = g.rowHeight - g.rowHeight / 2;
    const int rowInkTop = std::min(0, boxBottom - boxHeight);
    const int rowInkBottom = std::max(boxBottom, -FiguresFontSpec(py, 0).height * kLineHeight / 100);
    const int labelEm = Em(kLabelPoints, py);

    Scales s;
    s.verticalX = g.serviceX - boxWidth - Hundredths(kClearance, px);
    s.verticalZero = {g.rowTop, g.rowTop + (kCardRows - 1) * g.rowHeight};

    // Above the first row and the labels of its scale.
    const int scaleTop = g.rowTop - Hundredths(kReach, py) - labelEm * kDigitsMiddle / 100;
    const int topmost = std::min(g.rowTop + rowInkTop, scaleTop);
    s.settingsX = margins.left;
    s.settingsY = topmost - Hundredths(kClearance, py) - Em(kSettingsPoints, py) * kLineHeight / 100;

    // Under the last row and below the end of its scale; a scale that would
    // meet the one before it on its level goes a level lower.
    const int verticalEnd = Hundredths(kReach, py) + labelEm * (kLineHeight - kDigitsMiddle) / 100;
    const int firstLevel = s.verticalZero[1] + std::max(rowInkBottom, verticalEnd) + Hundredths(kClearance, py);
    std::array<int, 5> columns = g.ColumnPositions();
    std::ranges::sort(columns);
    std::vector<int> levelEnds;
    const int halfWidth = Hundredths(kHorizontalHalfWidth, px);
    for (const int x : columns) {
        std::size_t level = 0;
        while (level < levelEnds.size() && levelEnds[level] + Hundredths(kScaleGap, px) > x - halfWidth) ++level;
        if (level == levelEnds.size()) levelEnds.push_back(0);
        levelEnds[level] = x + halfWidth;
        s.horizontal.push_back({x, firstLevel + static_cast<int>(level) * Hundredths(kLevelPitch, py)});
    }
    return s;
}

// A scale down the page at `x`, its ticks and right-aligned labels to the
// left of it, zero at `zeroY`.
void DrawVerticalScale(DrawingSurface& surface, int x, int zeroY) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    const int digitsMiddle = Em(kLabelPoints, py) * kDigitsMiddle / 100;
    surface.MoveTo(x, zeroY - Hundredths(kReach, py));
    surface.LineTo(x, zeroY + Hundredths(kReach, py));
    for (int k = -kReach; k <= kReach; ++k) {
        const int y = zeroY + Hundredths(k, py);
        surface.MoveTo(x - Hundredths(TickLength(k), px), y);
        surface.LineTo(x, y);
        if (k % 10 == 0) surface.TextAt(x - Hundredths(kLongTick + kLabelGap, px), y - digitsMiddle, Label(k));
    }
}

// A scale across the page at `y`, its ticks and centred labels below it,
// zero at `zeroX`; the labels of -10 and +10 go a line lower than the others,
// so that no two meet.
void DrawHorizontalScale(DrawingSurface& surface, int zeroX, int y) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    const int labelEm = Em(kLabelPoints, px);
    const int labelLine = Em(kLabelPoints, py) * kLineHeight / 100;
    surface.MoveTo(zeroX - Hundredths(kReach, px), y);
    surface.LineTo(zeroX + Hundredths(kReach, px), y);
    for (int k = -kReach; k <= kReach; ++k) {
        const int x = zeroX + Hundredths(k, px);
        surface.MoveTo(x, y);
        surface.LineTo(x, y + Hundredths(TickLength(k), py));
        if (k % 10 == 0) {
            const std::string label = Label(k);
            const int top = y + Hundredths(kLongTick + kLabelGap, py) + (k % 20 == 0 ? 0 : labelLine);
            surface.TextAt(x + labelEm * LabelWidth(label) / 2000, top, label);
        }
    }
}

}  // namespace

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
    const Scales scales = PlaceScales(px, py, ComputePageGeometry(px, py, page.layout, margins), margins);
    // One pixel wide, so that the card's lines show through between the ticks.
    const SurfaceObjectOwner pen(surface, surface.CreateSolidPen(0, kBlack));
    const ScopedSurfaceSelect selectPen(surface, pen.Get());
    {
        const SurfaceObjectOwner font(surface,
                                      surface.CreateFontObject(ArialFontSpec(kLabelPoints, py, page.cardCharset)));
        const ScopedSurfaceSelect selectFont(surface, font.Get());
        surface.SetTextAlign(TextAlign::Right);
        for (const int zeroY : scales.verticalZero) DrawVerticalScale(surface, scales.verticalX, zeroY);
        for (const auto& [zeroX, y] : scales.horizontal) DrawHorizontalScale(surface, zeroX, y);
    }
    const SurfaceObjectOwner font(surface,
                                  surface.CreateFontObject(ArialFontSpec(kSettingsPoints, py, page.cardCharset)));
    const ScopedSurfaceSelect selectFont(surface, font.Get());
    surface.SetTextAlign(TextAlign::Left);
    surface.TextAt(scales.settingsX, scales.settingsY, CalibrationSettingsLine(page, strings));
    surface.SetTextAlign(TextAlign::Right);
}

}  // namespace vorlant
