#include "render/card_preview.h"

#include <algorithm>

#include "common/language.h"
#include "common/string_source.h"
#include "render/primitives.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

constexpr unsigned kTickBoxDivisor = 9;  // boxes of 1/9 inch
constexpr int kRuledRows = 13;           // the twelve months and the total

// A tick at the left of the month column in the band of every printed row,
// its size and stroke grown with the row and the display's scale.
void DrawPrintedMarks(DrawingSurface& surface, const PrintedMarks& printed, int x, int bandTop, int rowH, int left) {
    if (std::find(printed.begin(), printed.end(), true) == printed.end()) return;
    const int stroke = std::max(2, static_cast<int>(surface.PixelsPerInchX() / 48));
    const SurfaceObjectOwner pen(surface, surface.CreateSolidPen(stroke, 0));
    const ScopedSurfaceSelect selectPen(surface, pen.Get());
    const int a = std::max(rowH / 4, 2);
    for (int row = 0; row < kCardRows; ++row) {
        if (!printed[static_cast<std::size_t>(row)]) continue;
        const int middle = bandTop + row * rowH + rowH / 2;
        surface.MoveTo(x + left, middle);
        surface.LineTo(x + left + a, middle + a);
        surface.LineTo(x + left + 3 * a, middle - a);
    }
}

}  // namespace

void DrawCardPreview(DrawingSurface& surface, const SurfaceRect& rect, const CardYear& data,
                     const PanelLook& look, const StringSource& strings, const PrintedMarks& printed) {
    const SurfaceObjectOwner font(surface, CreatePanelFont(surface, look.dialogFont, look.cardCharset));
    const unsigned px = surface.PixelsPerInchX();
    // The service year ends at half of the card's second column stop.
    const unsigned firstStop = NumberAt(strings.Load(IDS_PREVIEW_COLUMN_STOPS), 4, 3) * px / 100;
    const BorderUnit cx{look.borderX, px};
    const BorderUnit cy{look.borderY, surface.PixelsPerInchY()};

    const int x = rect.left;
    const int y = rect.top;
    const int w = rect.right;
    const int h = rect.bottom;
    const int colW = w / 8;
    const int rowH = h / 14;

    // A null pen leaves the right and bottom edge of a rectangle unfilled,
    // hence the extra pixel.
    const ScopedSurfaceSelect brush(surface, surface.StockObject(StockObjectKind::LightGrayBrush));
    {
        const ScopedSurfaceSelect noPen(surface, surface.StockObject(StockObjectKind::NullPen));
        surface.Rectangle({x, y, x + colW + 1, y + kRuledRows * rowH + 4 * cy});
        surface.Rectangle({x, y, x + w + 1, y + h / 12 + 1});
    }

    surface.SetTransparentBackground();
    const ScopedSurfaceSelect pen(surface, surface.StockObject(StockObjectKind::BlackPen));
    // The hours column is ruled down to the panel's bottom, past the total.
    for (int k = 1; k <= 5; ++k) {
        surface.MoveTo(x + k * colW, y);
        surface.LineTo(x + k * colW, k <= 3 ? y + kRuledRows * rowH + 3 * cy : y + h);
    }
    for (int k = 1; k <= kRuledRows; ++k) {
        surface.MoveTo(x, y + 3 * cy + k * rowH);
        surface.LineTo(x + w, y + 3 * cy + k * rowH);
    }

    // The first row's band lies below the second rule.
    DrawPrintedMarks(surface, printed, x, y + 3 * cy + rowH, rowH, 4 * cx);

    const ScopedSurfaceSelect selectFont(surface, font.Get());
    surface.SetTextAlign(TextAlign::Right);
    const int headingY = y + 3 * cy;
    surface.TextAt(x + static_cast<int>(firstStop / 2), headingY, std::to_string(data.serviceYear));
    surface.TextAt(x + 2 * colW - 8 * cx, headingY, strings.Load(IDS_PREVIEW_SHARED));
    surface.TextAt(x + 3 * colW - 8 * cx, headingY, strings.Load(IDS_PREVIEW_STUDIES));
    surface.TextAt(x + 4 * colW - 8 * cx, headingY, strings.Load(IDS_PREVIEW_AUX_PIONEER));
    surface.TextAt(x + 5 * colW - 8 * cx, headingY, strings.Load(IDS_PREVIEW_HOURS));
    const int remarksHeadingX = RemarksHeadingNearTheEdge(look.languageCode) ? x + w - w / 20 : x + w - w / 6;
    surface.TextAt(remarksHeadingX, headingY, strings.Load(IDS_PREVIEW_REMARKS));

    // The year's hours so far: those of the rows that are reported. The row of the month of opening is shown,
    // but its report cannot be in yet, and its slot may still hold the figures of two years before.
    int totalHours = 0;
    for (int row = 0; row < kCardRows; ++row) {
        const int ry = y + (row + 1) * rowH;
        surface.TextAt(x + colW - 8 * cx, ry + 4 * cy, strings.Load(IDS_PREVIEW_MONTH_BASE + MonthOfRow(row)));
        if (row > data.limitRow) continue;

        const CardMonth& cell = data.rows[static_cast<std::size_t>(row)];
        DrawTickBox(surface, x + 2 * colW - 20 * cx, ry + 16 * cy, cell.shared, kTickBoxDivisor);
        const std::string studies = FigureText(cell.studies);
        if (!studies.empty()) surface.TextAt(x + 3 * colW - 10 * cx, ry + 5 * cy, studies);
        DrawTickBox(surface, x + 4 * colW - 20 * cx, ry + 16 * cy, cell.auxiliaryPioneer, kTickBoxDivisor);
        if (row < data.limitRow) totalHours += cell.hours;
        const std::string hours = FigureText(cell.hours);
        if (!hours.empty()) surface.TextAt(x + 5 * colW - 10 * cx, ry + 5 * cy, hours);
        if (!cell.remark.empty()) {
            // Cut at the panel's right edge and at the row's lower rule.
            const int remarkX = x + 26 * cx + 6 * (w / 10);
            surface.SetTextAlign(TextAlign::Left);
            surface.ClippedTextAt(remarkX, ry + 5 * cy, {remarkX, ry + 1 * cy, x + w, y + (row + 2) * rowH + 1 * cy},
                                  cell.remark);
            surface.SetTextAlign(TextAlign::Right);
        }
    }
    // The total a little below the last rule, but not cut by the panel's bottom where the rows leave less
    // room than a line there (the panel's height is rounded at some scales).
    const int totalTop = std::min(y + kRuledRows * rowH + 6 * cy, y + h - look.lineHeight);
    surface.TextAt(x + 4 * colW - 4 * cx, totalTop, strings.Load(IDS_PREVIEW_TOTAL));
    // The year's hours, which the secretary writes on the card at its end,
    // under the months' hours and on the line of their heading; blank when
    // there are none.
    if (totalHours != 0) surface.TextAt(x + 5 * colW - 10 * cx, totalTop, std::to_string(totalHours));
}

}  // namespace vorlant
