// The lower panel of the main window: the selected publisher's current
// service year as a small ruled table, one row per month from September,
// filled up to the month in which the program was opened.
#pragma once

#include <array>

#include "render/card_year.h"
#include "render/panel_look.h"
#include "render/surface.h"

namespace vorlant {

class StringSource;

// The rows that the record of what was printed holds for the shown person
// and card year, September first.
using PrintedMarks = std::array<bool, kCardRows>;

// Draws the preview of a card year into `rect`, with headings from `strings`:
// the rows up to its limit row are filled, and the hours of those before it
// (the months reported) totalled. A row of `printed` gets a tick in front of
// its month's name.
void DrawCardPreview(DrawingSurface& surface, const SurfaceRect& rect, const CardYear& data,
                     const PanelLook& look, const StringSource& strings, const PrintedMarks& printed = {});

}  // namespace vorlant
