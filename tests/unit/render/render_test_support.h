// What the drawing tests share: resource strings, the panels' look, a generated congregation as read.
#pragma once

#include <gtest/gtest.h>

#include <optional>
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
#include "support/temp_folder.h"

namespace vorlant::test {

inline const RcStringSource kStrings;
inline const std::vector<std::string> kNothingLeft;  // what a drawing may leave behind

inline PanelLook Look(const std::string& language = "polish", int borderX = 1, int borderY = 1) {
    return PanelLook{language, 238, {.height = -13, .faceName = "MS Sans Serif"}, borderX, borderY};
}

inline std::string Cp1250(const std::string& utf8) { return gen::Utf8ToCp1250(utf8).value(); }

// The generator's congregation as of `year`-`month`.
struct LoadedCongregation {
    LoadedCongregation(int year, int month, std::optional<gen::FixedPublisher> first = {}) {
        gen::GeneratorOptions options;
        options.year = year;
        options.month = month;
        options.firstPublisher = std::move(first);
        generated = gen::Generate(options);
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

}  // namespace vorlant::test
