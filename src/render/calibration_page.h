// The test page for calibrating: every row of the card filled with the
// calibration figures exactly where a card's figures go, and beside them
// what lets the page be read rather than measured: the settings in use in
// one line above the rows, and scales in hundredths of an inch that the
// lines of a card laid under the page are read against.
#pragma once

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

// The settings line: the two margins, the September row's start, the rows'
// height and the five column positions, each after its label from
// `strings`, the values as the dialogs show them.
std::string CalibrationSettingsLine(const CalibrationPage& page, const StringSource& strings);

// Draws the test page onto `surface`: the
// calibration figures in every row (as ComposeFiguresPage draws them), the
// settings line above the rows, a vertical scale left of the first and the
// last row (zero at the printed row's top, positive downwards) and, under
// the last row, a horizontal scale at each column (zero at its position,
// positive to the right), each from -0.20 to +0.20 inch with a tick every
// hundredth, a longer one every 0.05 and a label in hundredths every 0.10.
// Scales and the settings line keep more than 0.10 inch from every figure,
// box and remark.
void ComposeCalibrationPage(DrawingSurface& surface, const CalibrationPage& page, const StringSource& strings);

}  // namespace vorlant
