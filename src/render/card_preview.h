// The lower panel of the main window: the selected publisher's current
// service year as a small ruled table, one row per month from September,
// filled up to the month in which the program was opened.
#pragma once

#include "render/card_year.h"
#include "render/panel_look.h"
#include "render/surface.h"

namespace vorlant {

class StringSource;

// Draws the preview of a card year into `rect`, with headings from `strings`:
// the rows up to its limit row are filled, and the hours of those before it
// (the months reported) totalled.
void DrawCardPreview(DrawingSurface& surface, const SurfaceRect& rect, const CardYear& data,
                     const PanelLook& look, const StringSource& strings);

}  // namespace vorlant
