// What the drawing tests share: resource strings, the panels' look, extents, a generated congregation as read.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "render/card_year.h"
#include "render/panel_look.h"
#include "support/drawn_boxes.h"
#include "support/loaded_data.h"
#include "support/rc_strings.h"

namespace vorlant::test {

inline const RcStringSource kStrings;
inline const std::vector<std::string> kNothingLeft;  // what a drawing may leave behind
inline constexpr auto kEveryRow = [] { std::array<bool, kCardRows> every{}; every.fill(true); return every; }();

// Extents that keep at least x apart across or y apart down; touching ones are apart by 0.
inline bool Apart(const SurfaceRect& a, const SurfaceRect& b, int x = 0, int y = 0) {
    return a.left - b.right >= x || b.left - a.right >= x || a.top - b.bottom >= y || b.top - a.bottom >= y;
}
inline bool Within(const SurfaceRect& in, const SurfaceRect& out) {
    return in.left >= out.left && in.right <= out.right && in.top >= out.top && in.bottom <= out.bottom;
}
// A line's extent, its pen's width included.
inline SurfaceRect ExtentOf(const RecordingSurface::Line& l) {
    const int half = (l.penWidth + 1) / 2;
    return {std::min(l.x1, l.x2) - half, std::min(l.y1, l.y2) - half, std::max(l.x1, l.x2) + half,
            std::max(l.y1, l.y2) + half};
}

// A drawn text's extent for its width: as high as the surface's line of its font, from its reference point.
inline SurfaceRect TextExtent(const RecordingSurface& s, const RecordingSurface::Text& t, int width) {
    const int height = s.ObjectOf(t.font).font.height;
    const int line = height >= 0 ? height : (-height * (1854 + 434) + 1024) / 2048;  // Arial's, as the surface has it
    const int left = t.align == TextAlign::Right ? t.x - width : t.x;
    return {left, t.y, left + width, t.y + line};
}

inline PanelLook Look(const std::string& language = "polish", int borderX = 1, int borderY = 1) {
    return PanelLook{language, 238, {.height = -13, .faceName = "MS Sans Serif"}, borderX, borderY};
}

}  // namespace vorlant::test
