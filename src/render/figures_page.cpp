#include "render/figures_page.h"

#include <algorithm>
#include <string>

#include "layout/card_layout.h"
#include "render/primitives.h"

namespace vorlant {
namespace {

void DrawRow(DrawingSurface& surface, const CardMonth& cell, const PageGeometry& g, int row) {
    const int top = g.rowTop + row * g.rowHeight;
    const int boxBottom = top + RowBoxBottom(g);
    DrawTickBox(surface, g.serviceX, boxBottom, cell.shared, kPageBoxDivisor);
    surface.TextAt(g.studiesX, top, FigureText(cell.studies));
    DrawTickBox(surface, g.auxiliaryX, boxBottom, cell.auxiliaryPioneer, kPageBoxDivisor);
    surface.TextAt(g.hoursX, top, FigureText(cell.hours));
    if (!cell.remark.empty()) {
        surface.SetTextAlign(TextAlign::Left);
        surface.TextAt(g.remarksX, top, cell.remark);
        surface.SetTextAlign(TextAlign::Right);
    }
}

}  // namespace

MarginOffsets ComputeMarginOffsets(unsigned px, unsigned py, std::string_view leftMargin,
                                   std::string_view topMargin) {
    return MarginOffsets{static_cast<int>(LayoutLengthToDevice(px, leftMargin)),
                         static_cast<int>(LayoutLengthToDevice(py, topMargin))};
}

PageGeometry ComputePageGeometry(unsigned px, unsigned py, const CardLayout& layout, const MarginOffsets& margins) {
    const auto columnX = [&](int column) {
        return margins.left + static_cast<int>(LayoutLengthToDevice(px, layout.ColumnX(column)));
    };
    PageGeometry g;
    g.rowTop = static_cast<int>(LayoutLengthToDevice(py, layout.MonthlyTop())) + margins.top;
    g.rowHeight = static_cast<int>(LayoutLengthToDevice(py, layout.MonthlyHeight()) / kCardRows);
    g.serviceX = columnX(kServiceColumn);
    g.studiesX = columnX(kStudiesColumn);
    g.auxiliaryX = columnX(kAuxiliaryColumn);
    g.hoursX = columnX(kHoursColumn);
    g.remarksX = columnX(kRemarksColumn);
    return g;
}

std::array<bool, kCardRows> FilledRows(const std::array<bool, kCardRows>& ticked, bool previousYear, int limitRow) {
    std::array<bool, kCardRows> filled = ticked;
    for (int row = 0; previousYear && row < std::min(limitRow, kCardRows); ++row) {
        filled[static_cast<std::size_t>(row)] = false;
    }
    return filled;
}

void ComposeFiguresPage(DrawingSurface& surface, const FiguresPage& page) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    surface.SetTextMapping();
    const MarginOffsets margins = ComputeMarginOffsets(px, py, page.leftMargin, page.topMargin);
    const PageGeometry geometry = ComputePageGeometry(px, py, page.layout, margins);

    const SurfaceObjectOwner font(surface, CreateFiguresFont(surface, py, page.cardCharset));
    const ScopedSurfaceSelect selectFont(surface, font.Get());
    surface.SetTextAlign(TextAlign::Right);
    const std::array<bool, kCardRows> filled = FilledRows(page.rowTicked, page.previousYear, page.year.limitRow);
    for (int row = 0; row < kCardRows; ++row) {
        if (!filled[static_cast<std::size_t>(row)]) continue;
        DrawRow(surface, page.year.rows[static_cast<std::size_t>(row)], geometry, row);
    }
}

}  // namespace vorlant
