// The whole card on plain paper: a page of our own that carries everything
// the pre-printed card holds (a title with the service year, the person's
// details and flags as the header panel shows them, and the ruled table of
// the twelve months with their total) together with the figures of the
// ticked rows. Unlike the figures page it ignores the card layout and the
// margins: it is laid out for the printer's paper, inside its printable area.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "render/card_year.h"
#include "render/header_panel.h"
#include "render/surface.h"

namespace vorlant {

class StringSource;

// The person as the header panel shows them.
struct FullCardPerson {
    std::string name;
    std::string birthDate;
    std::string baptismDate;
    std::array<HeaderFlag, kHeaderFlagCount> flags{};
};

struct FullCardPage {
    const CardYear& year;
    const FullCardPerson& person;
    std::array<bool, kCardRows> rowFilled{};  // row 0 = September
    int printableWidth = 0;                   // device units of the printable area
    int printableHeight = 0;
    int cardCharset = 0;
};

// The table's columns: month, shared in ministry, Bible studies, auxiliary
// pioneer, hours, remarks.
inline constexpr int kFullCardColumns = 6;
inline constexpr int kTotalRow = kCardRows;  // the "Ogółem" row under August

// Where the parts of the page fall, in device units.
struct FullCardGeometry {
    int left = 0;   // the form's edges: the table's outer lines
    int right = 0;
    int titleTop = 0;
    int titleRuleY = 0;
    std::array<int, 4> detailTops{};  // name; birth date; baptism date; appointment and pioneer status
    int tableTop = 0;
    int headingBottom = 0;
    int rowHeight = 0;
    std::array<int, kFullCardColumns + 1> columnEdges{};
    int padX = 0;  // the space a text keeps from its cell's lines
    int padY = 0;

    // The top of row `row` (0 = September, kTotalRow = "Ogółem"); the table
    // ends at RowTop(kTotalRow + 1).
    int RowTop(int row) const { return headingBottom + row * rowHeight; }
    SurfaceRect Cell(int row, int column) const;
};

// The form for a printable area of `printableWidth` x `printableHeight`:
// seven inches wide (less on narrower paper), centred, its rows lower on
// paper shorter than A4 and Letter.
FullCardGeometry ComputeFullCardGeometry(unsigned px, unsigned py, int printableWidth, int printableHeight);

// "Rok służbowy 2026/2027" for the service year that ends in `serviceYear`.
std::string ServiceYearTitle(int serviceYear, const StringSource& strings);

// The full name of the month of card row `row` (September first).
std::string FullMonthName(int row, const StringSource& strings);

// The hours of the filled rows, as the page prints them.
long TotalHours(const CardYear& year, const std::array<bool, kCardRows>& rowFilled);

// `text` broken into lines no wider than `width` as `measure` counts, at
// blanks where it can (a one-letter word moves on with the next word),
// inside a word where one is too long. A byte that would continue a UTF-8
// letter is never cut before.
std::vector<std::string> WrapText(std::string_view text, int width,
                                  const std::function<int(std::string_view)>& measure);

// Draws the page onto `surface`. Nothing is drawn across a line: a text too
// long for its cell is wrapped within it or set smaller until it fits.
void ComposeFullCardPage(DrawingSurface& surface, const FullCardPage& page, const StringSource& strings);

}  // namespace vorlant
