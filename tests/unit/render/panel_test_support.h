// What the panel tests share: the boxes read back from a recording, the
// check that a drawing left the surface as it found it, and a generated
// congregation loaded by the program's readers.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "congregation.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "support/recording_surface.h"
#include "support/temp_folder.h"

namespace vorlant::test {

// A box outline (four lines round from its lower-right corner), marked when
// lines follow inside it.
struct DrawnBox {
    int right, bottom, width, height;
    bool marked;
};

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

inline void ExpectSurfaceRestored(const RecordingSurface& surface) {
    EXPECT_EQ(surface.LiveObjects(), 0);
    EXPECT_EQ(surface.misuse, std::vector<std::string>{});
    EXPECT_EQ(surface.SelectedPen(), surface.DefaultPen());
    EXPECT_EQ(surface.SelectedFont(), surface.DefaultFont());
    EXPECT_EQ(surface.SelectedBrush(), surface.DefaultBrush());
}

struct LoadedCongregation {
    explicit LoadedCongregation(const gen::GeneratorOptions& options) : generated(gen::Generate(options)) {
        EXPECT_TRUE(gen::WriteCongregation(generated, folder.Str()));
        EXPECT_TRUE(table.Allocate());
        table.Load(groups, folder.Str());
        details.CountRecords(folder.Str());
        remarks.Load(table, folder.Str());
    }
    TempFolder folder;  // kept: every lookup reads the details file again
    gen::Congregation generated;
    PublisherTable table;
    GroupFile groups;
    ExtendedDetails details;
    RemarkTable remarks;
};

inline std::string Cp1250(const std::string& utf8) { return gen::Utf8ToCp1250(utf8).value(); }

}  // namespace vorlant::test
