// The printed page: one publisher's figures of the ticked month rows, placed
// for the pre-printed card by the layout and the page margins. The card
// carries everything else, so the page holds marks and numbers only.
#pragma once

#include <array>
#include <string_view>

#include "render/card_year.h"
#include "render/surface.h"

namespace vorlant {

class CardLayout;

// The page margins in device units.
struct MarginOffsets {
    int left = 0;
    int top = 0;
    bool operator==(const MarginOffsets&) const = default;
};

// The margin texts ("0.20") in device units at `px` and `py` pixels per inch.
MarginOffsets ComputeMarginOffsets(unsigned px, unsigned py, std::string_view leftMargin,
                                   std::string_view topMargin);

// Tick boxes of the page are a seventh of an inch.
inline constexpr unsigned kPageBoxDivisor = 7;

// Card columns that the page fills, in the card's order.
inline constexpr int kServiceColumn = 0;
inline constexpr int kStudiesColumn = 1;
inline constexpr int kAuxiliaryColumn = 2;
inline constexpr int kHoursColumn = 3;
inline constexpr int kRemarksColumn = 6;
inline constexpr std::array<int, 5> kPageColumns{kServiceColumn, kStudiesColumn, kAuxiliaryColumn, kHoursColumn,
                                                 kRemarksColumn};

// Where the rows and columns of the page fall, in device units: the top of
// the September row, the height of one row, and the five columns the page
// fills (the right end of boxes and numbers, the left end of remarks).
struct PageGeometry {
    int rowTop = 0;
    int rowHeight = 0;
    int serviceX = 0;
    int studiesX = 0;
    int auxiliaryX = 0;
    int hoursX = 0;
    int remarksX = 0;

    // The five column positions in the order of kPageColumns.
    std::array<int, 5> ColumnPositions() const { return {serviceX, studiesX, auxiliaryX, hoursX, remarksX}; }
};

PageGeometry ComputePageGeometry(unsigned px, unsigned py, const CardLayout& layout, const MarginOffsets& margins);

// How far below a row's top its tick boxes stand (their lower edge): on the
// middle of the row band.
inline int RowBoxBottom(const PageGeometry& g) { return g.rowHeight - g.rowHeight / 2; }

// What the page is composed from: the publisher's card year and the main
// window's state.
struct FiguresPage {
    const CardYear& year;
    const CardLayout& layout;
    std::string_view topMargin;
    std::string_view leftMargin;
    std::array<bool, kCardRows> rowTicked{};  // row 0 = September
    bool previousYear = false;  // only the rows from the month of opening on
    int cardCharset = 0;
};

// The rows the page fills: the ticked ones, and with `previousYear` only
// those from `limitRow` (the month of opening) on.
std::array<bool, kCardRows> FilledRows(const std::array<bool, kCardRows>& ticked, bool previousYear, int limitRow);

// Draws the page onto `surface`. For each
// ticked row: the shared-in-ministry box, the Bible studies, the auxiliary
// pioneer box, the hours (pioneers and field missionaries only) and the
// remark, each number right-aligned at its column, the remark left-aligned.
void ComposeFiguresPage(DrawingSurface& surface, const FiguresPage& page);

}  // namespace vorlant
