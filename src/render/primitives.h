// What the printed page and the two panels share: lengths on the paper
// turned into device units, the two kinds of mark box, and the fonts.
// Every pen and font made here is selected back and deleted before the
// function returns, except the fonts handed to the caller, who owns them.
#pragma once

#include <string_view>

#include "render/surface.h"

namespace vorlant {

// A layout length ("2.62") in device units at `ppi` pixels per inch, read as
// PrintedLengthHundredths reads it ("1.5" is 1.05 inches).
unsigned LayoutLengthToDevice(unsigned ppi, std::string_view text);

// MulDiv: a * b / c rounded to the nearest integer, halves away from zero;
// -1 when c is 0.
int MulDivRound(int a, int b, int c);

// `hundredths` of an inch in device units at `ppi`, rounded.
inline int DeviceFromHundredths(int hundredths, unsigned ppi) {
    return MulDivRound(hundredths, static_cast<int>(ppi), 100);
}

// The width of a box's outline at `px` pixels per inch; it straddles the
// box's edges.
inline int BoxOutlineWidth(unsigned px) { return static_cast<int>(px / 120); }

// The width of a printed line at least 0.1 mm wide: ppi / 254 dots, rounded
// up.
inline int HairlineWidth(unsigned ppi) { return static_cast<int>((ppi + 253) / 254); }

// A square of 1/divisor inch whose lower-right corner is (x, y), with a tick
// inside when `marked`.
void DrawTickBox(DrawingSurface& surface, int x, int y, bool marked, unsigned divisor);
// The same square with both diagonals when `marked`.
void DrawCrossBox(DrawingSurface& surface, int x, int y, bool marked, unsigned divisor);

// Arial of `points` at `py` pixels per inch in the character set
// `cardCharset` (its low 8 bits): the fonts of the printed pages.
FontSpec ArialFontSpec(int points, unsigned py, int cardCharset);

// The printed figures' font: 10-point Arial at `py` pixels per inch, in
// the character set `cardCharset` (its low 8 bits). The caller deletes it.
FontSpec FiguresFontSpec(unsigned py, int cardCharset);
SurfaceObject CreateFiguresFont(DrawingSurface& surface, unsigned py, int cardCharset);

// The panels' font: the dialog's own font with the card's character set.
FontSpec PanelFontSpec(const FontSpec& dialogFont, int cardCharset);
SurfaceObject CreatePanelFont(DrawingSurface& surface, const FontSpec& dialogFont, int cardCharset);

}  // namespace vorlant
