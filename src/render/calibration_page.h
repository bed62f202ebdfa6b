// The test page for calibrating: every row of the card filled with the
// calibration figures exactly where a card's figures go, and beside them
// what lets the page be read rather than measured: scales in hundredths of
// an inch whose 0 is where a card's line must lie for the figures to sit
// inside their boxes, and the settings in use in one line under the table.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "render/figures_page.h"

namespace vorlant {

class CardLayout;
class StringSource;

// The settings the page is printed with.
struct CalibrationPage {
    const CardLayout& layout;
    std::string_view topMargin;
    std::string_view leftMargin;
    int cardCharset = 0;
};

// A scale reaches this many hundredths of an inch either side of its 0:
// printers shift a card by more than a quarter of an inch (a tray's guides,
// a card fed against the other edge), and the first page is to read it.
inline constexpr int kCalibrationReach = 40;
// Boxes and numbers end this many hundredths before their column's line,
// remarks begin as far after it.
inline constexpr int kColumnLineGap = 5;

// Where the card's lines must lie for every figure of the page to sit
// inside its box, in device units: the top lines of the September and the
// August row (the figures centred between a row's top line and the next
// one), and the line of each column in the order of kPageColumns (the right
// line of boxes and numbers, the left line of the remarks). These are the
// scales' zeros. `fontLineHeight` is the figures font's line at this
// resolution.
struct CardLines {
    int septemberTop = 0;
    int augustTop = 0;
    std::array<int, 5> columns{};
};
CardLines WellPlacedCardLines(unsigned px, unsigned py, const PageGeometry& g, int fontLineHeight);

// The settings line: the two margins, the September row's start, the rows'
// height and the five column positions, each after its label from
// `strings`, the values as the dialogs show them.
std::string CalibrationSettingsLine(const CalibrationPage& page, const StringSource& strings);

// Draws the test page onto `surface`: the calibration figures in every row
// (as ComposeFiguresPage draws them); a vertical scale beside the first and
// the last row, plus downwards; a horizontal scale for each column, plus to
// the right, carrying its setting's name, where the card's column lines run:
// in the band of the column headings just above the first row, or, where
// two would meet there, in the band of the card's totals row under the last
// one; the vertical scales left of them all. Each scale has a tick every
// 0.02 inch and a label in hundredths every 0.10, its lines at least 0.1 mm
// wide. The settings line goes under the table, at least 0.40 inch under
// the last row. Scales and the settings line keep more than 0.10 inch from
// every figure, box and remark.
void ComposeCalibrationPage(DrawingSurface& surface, const CalibrationPage& page, const StringSource& strings);

}  // namespace vorlant
