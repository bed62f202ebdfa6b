// The mark boxes in a recorded drawing, read back from its lines.
#pragma once

#include <algorithm>
#include <vector>

#include "support/recording_surface.h"

namespace vorlant::test {

// A box outline (four lines round from its lower-right corner), marked when lines follow inside it.
struct DrawnBox { int right, bottom, width, height; bool marked; bool operator==(const DrawnBox&) const = default; };

inline std::vector<DrawnBox> DrawnBoxes(const RecordingSurface& surface) {
    const auto& l = surface.lines;
    std::vector<DrawnBox> boxes;
    for (std::size_t i = 0; i + 3 < l.size(); ++i) {
        const int x = l[i].x1, y = l[i].y1, w = x - l[i].x2, h = y - l[i + 1].y2;
        if (w <= 0 || h <= 0 || l[i].y2 != y || l[i + 1].x2 != x - w || l[i + 2].x2 != x || l[i + 3].y2 != y) continue;
        const auto inside = [&](const RecordingSurface::Line& m) {
            return std::min(m.x1, m.x2) >= x - w && std::max(m.x1, m.x2) <= x && std::min(m.y1, m.y2) >= y - h &&
                   std::max(m.y1, m.y2) <= y;
        };
        const bool marked = i + 5 < l.size() && inside(l[i + 4]) && inside(l[i + 5]);
        boxes.push_back({x, y, w, h, marked});
        i += 3;
    }
    return boxes;
}

}  // namespace vorlant::test
