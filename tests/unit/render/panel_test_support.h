// What the panel tests share: the resource script's strings, the check that
// a drawing left the surface as it found it, and a generated congregation
// loaded by the program's readers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "congregation.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "render/panel_look.h"
#include "support/drawn_boxes.h"
#include "support/rc_strings.h"
#include "support/recording_surface.h"
#include "support/temp_folder.h"

namespace vorlant::test {

inline const RcStringSource& Strings() {
    static const RcStringSource strings;
    return strings;
}

inline PanelLook Look(const std::string& language = "polish", int borderX = 1, int borderY = 1) {
    return PanelLook{language, 238, {.height = -13, .faceName = "MS Sans Serif"}, borderX, borderY};
}

inline void ExpectSurfaceRestored(const RecordingSurface& surface) {
    EXPECT_EQ(surface.LiveObjects(), 0);
    EXPECT_EQ(surface.misuse, std::vector<std::string>{});
    EXPECT_EQ(surface.SelectedPen(), surface.DefaultPen());
    EXPECT_EQ(surface.SelectedFont(), surface.DefaultFont());
    EXPECT_EQ(surface.SelectedBrush(), surface.DefaultBrush());
}

// The generator's usual congregation as of `year`-`month`.
inline gen::GeneratorOptions OptionsAsOf(int year, int month) {
    gen::GeneratorOptions options;
    options.year = year;
    options.month = month;
    return options;
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
