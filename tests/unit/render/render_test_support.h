// What the drawing tests share: resource strings, the panels' look, the months of opening, a generated congregation
// as read.
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

// Opened in `month` of `year`: the month before it (0 = January), its year as the header's byte, the year in which
// the card's service year ends, the row limit and the calendar year of the card's September.
struct Opening { int month, reportMonth, reportYearByte, serviceYear, limitRow, septemberYear; };
inline constexpr Opening kOpenings2026[] = {
    {1, 11, 25, 2026, 4, 2025},  {2, 0, 26, 2026, 5, 2025},  {3, 1, 26, 2026, 6, 2025},  {4, 2, 26, 2026, 7, 2025},
    {5, 3, 26, 2026, 8, 2025},   {6, 4, 26, 2026, 9, 2025},  {7, 5, 26, 2026, 10, 2025}, {8, 6, 26, 2026, 11, 2025},
    {9, 7, 26, 2026, 12, 2025},  {10, 8, 26, 2027, 1, 2026}, {11, 9, 26, 2027, 2, 2026}, {12, 10, 26, 2027, 3, 2026},
};

// The calendar year of card row `row`: September to December in the first year, January to August in the next.
inline int CalendarYearOfRow(const Opening& o, int yearShift, int row) {
    return o.septemberYear + yearShift + (row >= 4);
}

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
