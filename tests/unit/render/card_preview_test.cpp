// The card preview: the ruled table's geometry, the rows it fills for the
// month in which the program was opened, and what it reads of a publisher.
#include "render/card_preview.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "panel_test_support.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

using test::Strings;
using Text = test::RecordingSurface::Text;

// Every row filled: shared, 1 study, aux pioneer in odd rows, 7 hours, a remark.
CardPreviewData FullYear(int limitRow = 12) {
    CardPreviewData data{2025, limitRow, {}};
    for (std::size_t row = 0; row < data.rows.size(); ++row) data.rows[row] = {true, 1, row % 2 == 1, 7, "uwaga"};
    return data;
}

std::tuple<int, int, TextAlign> PlaceOf(const Text& text) { return {text.x, text.y, text.align}; }

TEST(CardPreviewTest, RulesAndPlacesEverythingByThePanelSizeBordersAndLanguage) {
    struct Case {
        int w, h, cx, cy;
        const char* language;
        SurfaceRect monthColumn, headingBand;
        int colW, rowH, ruleTop, shortRuleBottom;
        std::array<int, 5> headingX;  // "Służbie" .. "Godziny", "Uwagi"; at ruleTop
        int monthX, monthDy;          // month abbreviation; y below the row's top
        int sharedX, auxX, boxDy;     // lower-right corners of the tick boxes
        int studiesX, hoursX, figureDy;
        int remarkX, clipTopDy, clipBottomDy;
        int totalX, totalY;
    };
    for (const Case& c : {
             Case{700, 249, 1, 1, "polish", {0, 0, 88, 225}, {0, 0, 701, 21}, 87, 17, 3, 224,
                  {166, 253, 340, 427, 584}, 79, 4, 154, 328, 16, 251, 425, 5, 446, 1, 18, 344, 227},
             Case{700, 249, 2, 3, "greek", {0, 0, 88, 233}, {0, 0, 701, 21}, 87, 17, 9, 230,
                  {158, 245, 332, 419, 665}, 71, 12, 134, 308, 48, 241, 415, 15, 472, 3, 20, 340, 239},
             Case{405, 140, 1, 1, "polish", {0, 0, 51, 134}, {0, 0, 406, 12}, 50, 10, 3, 133,
                  {92, 142, 192, 242, 338}, 42, 4, 80, 180, 16, 140, 240, 5, 266, 1, 11, 196, 136},
         }) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " borders " << c.cx << "," << c.cy);
        test::RecordingSurface surface(96, 96);
        DrawCardPreview(surface, {0, 0, c.w, c.h}, FullYear(), test::Look(c.language, c.cx, c.cy), Strings());

        ASSERT_EQ(surface.rectangles.size(), 2u);
        EXPECT_EQ(surface.rectangles[0].rect, c.monthColumn);
        EXPECT_EQ(surface.rectangles[1].rect, c.headingBand);
        for (const auto& filled : surface.rectangles) {
            EXPECT_EQ(surface.ObjectOf(filled.brush).stockKind, StockObjectKind::LightGrayBrush);
            EXPECT_EQ(surface.ObjectOf(filled.pen).stockKind, StockObjectKind::NullPen);
        }
        const SurfaceObject blackPen = surface.StockObject(StockObjectKind::BlackPen);
        std::vector<test::RecordingSurface::Line> rules;
        for (int k = 1; k <= 5; ++k) rules.push_back({k * c.colW, 0, k * c.colW, k <= 3 ? c.shortRuleBottom : c.h, blackPen});
        for (int k = 1; k <= 13; ++k) rules.push_back({0, c.ruleTop + k * c.rowH, c.w, c.ruleTop + k * c.rowH, blackPen});
        ASSERT_GE(surface.lines.size(), rules.size());
        EXPECT_EQ(std::vector(surface.lines.begin(), surface.lines.begin() + 18), rules);

        const auto placeOf = [&](const std::string& text) { return PlaceOf(surface.TextsEqualTo(text).at(0)); };
        // 165 hundredths of an inch at 96 pixels per inch, halved: 79, whatever the width.
        EXPECT_EQ(placeOf("2025"), std::tuple(79, c.ruleTop, TextAlign::Right));
        const std::array<unsigned, 5> headings{IDS_PREVIEW_SHARED, IDS_PREVIEW_STUDIES, IDS_PREVIEW_AUX_PIONEER,
                                               IDS_PREVIEW_HOURS, IDS_PREVIEW_REMARKS};
        for (std::size_t k = 0; k < headings.size(); ++k) {
            EXPECT_EQ(placeOf(Strings().Load(headings[k])), std::tuple(c.headingX[k], c.ruleTop, TextAlign::Right));
        }
        EXPECT_EQ(placeOf("Ogółem"), std::tuple(c.totalX, c.totalY, TextAlign::Right));

        const auto boxes = test::DrawnBoxes(surface);
        const auto studies = surface.TextsEqualTo("1");
        const auto hours = surface.TextsEqualTo("7");
        const auto remarks = surface.TextsEqualTo("uwaga");
        ASSERT_EQ(std::tuple(boxes.size(), studies.size(), hours.size(), remarks.size()), std::tuple(24u, 12u, 12u, 12u));
        for (std::size_t row = 0; row < 12; ++row) {
            SCOPED_TRACE(row);
            const int top = static_cast<int>(row + 1) * c.rowH;
            const int figureY = top + c.figureDy;
            const std::string month = Strings().Load(IDS_PREVIEW_MONTH_BASE + MonthOfRow(static_cast<int>(row)));
            EXPECT_EQ(placeOf(month), std::tuple(c.monthX, top + c.monthDy, TextAlign::Right));
            EXPECT_EQ(boxes[2 * row], (test::DrawnBox{c.sharedX, top + c.boxDy, 10, 10, true}));
            EXPECT_EQ(boxes[2 * row + 1], (test::DrawnBox{c.auxX, top + c.boxDy, 10, 10, row % 2 == 1}));
            EXPECT_EQ(PlaceOf(studies[row]), std::tuple(c.studiesX, figureY, TextAlign::Right));
            EXPECT_EQ(PlaceOf(hours[row]), std::tuple(c.hoursX, figureY, TextAlign::Right));
            // Remarks run left to right from their column, cut at the panel's edge and the row's rule.
            EXPECT_EQ(PlaceOf(remarks[row]), std::tuple(c.remarkX, figureY, TextAlign::Left));
            EXPECT_TRUE(remarks[row].clipped);
            EXPECT_EQ(remarks[row].clip, (SurfaceRect{c.remarkX, top + c.clipTopDy, c.w, top + c.clipBottomDy}));
        }
        EXPECT_EQ(surface.CurrentAlign(), TextAlign::Right);
        test::ExpectSurfaceRestored(surface);
    }
}

TEST(CardPreviewTest, FillsTheRowsUpToTheMonthOfOpening) {
    // Opened in October (report month September), August and September.
    for (const auto& [reportMonth, filledRows] : {std::pair{8, 2}, {6, 12}, {7, 12}}) {
        test::RecordingSurface surface(96, 96);
        DrawCardPreview(surface, {0, 0, 700, 249}, FullYear(LimitRow(reportMonth)), test::Look(), Strings());
        EXPECT_EQ(test::DrawnBoxes(surface).size(), 2u * filledRows) << reportMonth;
        EXPECT_EQ(surface.TextsEqualTo("uwaga").size(), static_cast<std::size_t>(filledRows)) << reportMonth;
    }
}

TEST(CardPreviewTest, ShowsWhatTheGeneratedCongregationHoldsInEachRowsYearSlot) {
    // Opened in September 2025: the service year that has just ended, 2025.
    const test::LoadedCongregation loaded(test::OptionsAsOf(2025, 9));
    int hiddenHours = 0;
    for (const gen::PublisherInfo& p : loaded.generated.publishers) {
        SCOPED_TRACE(p.record);
        const CardPreviewData data = ReadCardPreviewData(loaded.table, loaded.remarks, p.record, 7, 2025);
        EXPECT_EQ(std::pair(data.serviceYear, data.limitRow), std::pair(2025, 12));
        for (int row = 0; row < 12; ++row) {
            const int month = MonthOfRow(row);
            const gen::MonthFigures& m = p.months[month][gen::CardYearSlot(2025, month)];
            const PreviewMonth& cell = data.rows[static_cast<std::size_t>(row)];
            // Hours count for pioneers of the month and field missionaries only.
            const bool hoursShown = m.status != 0 || p.fieldMissionary;
            hiddenHours += !hoursShown && m.hours != 0;
            EXPECT_EQ(std::tuple(cell.shared, cell.studies, cell.auxiliaryPioneer, cell.hours),
                      std::tuple(m.shared, m.studies, m.status == 1, hoursShown ? m.hours : 0))
                << row;
            EXPECT_EQ(cell.remark, m.remark.empty() ? "" : test::Cp1250(m.remark)) << row;
        }
    }
    EXPECT_GT(hiddenHours, 0) << "hours that the preview leaves blank";

    // No publisher selected, an index past the table, a table never loaded:
    // empty rows, drawn with unmarked boxes.
    const PublisherTable empty;
    for (const auto& [table, record] : {std::pair{&loaded.table, 0}, {&loaded.table, loaded.table.Count()},
                                        {&loaded.table, -1}, {&empty, 1}}) {
        const CardPreviewData data = ReadCardPreviewData(*table, loaded.remarks, record, 7, 2025);
        test::RecordingSurface surface(96, 96);
        DrawCardPreview(surface, {0, 0, 700, 249}, data, test::Look(), Strings());
        EXPECT_EQ(surface.texts.size(), 1u + 5 + 12 + 1) << "year, headings, months, total";
        for (const test::DrawnBox& box : test::DrawnBoxes(surface)) EXPECT_FALSE(box.marked);
    }
}

}  // namespace
}  // namespace vorlant
