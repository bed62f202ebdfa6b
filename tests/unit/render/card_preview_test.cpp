// The card preview: the ruled table's geometry, the rows it fills for the
// month in which the program was opened, and what it reads of a publisher.
#include "render/card_preview.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/data_files.h"
#include "panel_test_support.h"
#include "resources/resource.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

using Text = test::RecordingSurface::Text;

const test::RcStringSource& Strings() {
    static const test::RcStringSource strings;
    return strings;
}

PanelLook Look(int borderX = 1, int borderY = 1) {
    PanelLook look;
    look.languageCode = "polish";
    look.cardCharset = 238;
    look.borderX = borderX;
    look.borderY = borderY;
    return look;
}

// Every row filled: shared, 1 study, aux pioneer in odd rows, hours, a remark.
CardPreviewData FullYear() {
    CardPreviewData data;
    data.serviceYear = 2025;
    data.limitRow = 12;
    for (std::size_t row = 0; row < data.rows.size(); ++row) {
        data.rows[row] = {true, 1, row % 2 == 1, 7, "uwaga"};
    }
    return data;
}

TEST(CardPreviewTest, RulesAndPlacesEverythingByThePanelSizeAndBorders) {
    struct Case {
        int w, h, cx, cy;
        SurfaceRect monthColumn, headingBand;
        int colW, rowH, ruleTop, shortRuleBottom;
        int headingY;
        std::array<int, 5> headingX;  // "Służbie" .. "Godziny", "Uwagi"
        int monthX, monthDy;          // month abbreviation; y relative to the row's top
        int sharedX, auxX, boxDy;     // lower-right corners of the tick boxes
        int studiesX, hoursX, figureDy;
        int remarkX, clipTopDy, clipBottomDy;
        int totalX, totalY;
    };
    for (const Case& c : {
             Case{700, 249, 1, 1, {0, 0, 88, 225}, {0, 0, 701, 21}, 87, 17, 3, 224, 3, {166, 253, 340, 427, 584},
                  79, 4, 154, 328, 16, 251, 425, 5, 446, 1, 18, 344, 227},
             Case{700, 249, 2, 3, {0, 0, 88, 233}, {0, 0, 701, 21}, 87, 17, 9, 230, 9, {158, 245, 332, 419, 584},
                  71, 12, 134, 308, 48, 241, 415, 15, 472, 3, 20, 340, 239},
             Case{405, 140, 1, 1, {0, 0, 51, 134}, {0, 0, 406, 12}, 50, 10, 3, 133, 3, {92, 142, 192, 242, 338},
                  42, 4, 80, 180, 16, 140, 240, 5, 266, 1, 11, 196, 136},
         }) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " borders " << c.cx << "," << c.cy);
        test::RecordingSurface surface(96, 96);
        DrawCardPreview(surface, {0, 0, c.w, c.h}, FullYear(), Look(c.cx, c.cy), Strings());

        ASSERT_EQ(surface.rectangles.size(), 2u);
        EXPECT_EQ(surface.rectangles[0].rect, c.monthColumn);
        EXPECT_EQ(surface.rectangles[1].rect, c.headingBand);
        for (const auto& filled : surface.rectangles) {
            EXPECT_EQ(surface.ObjectOf(filled.brush).stockKind, StockObjectKind::LightGrayBrush);
            EXPECT_EQ(surface.ObjectOf(filled.pen).stockKind, StockObjectKind::NullPen);
        }
        std::vector<test::RecordingSurface::Line> rules;
        for (int k = 1; k <= 5; ++k) rules.push_back({k * c.colW, 0, k * c.colW, k <= 3 ? c.shortRuleBottom : c.h, 0});
        for (int k = 1; k <= 13; ++k) rules.push_back({0, c.ruleTop + k * c.rowH, c.w, c.ruleTop + k * c.rowH, 0});
        ASSERT_GE(surface.lines.size(), rules.size());
        for (std::size_t k = 0; k < rules.size(); ++k) {
            rules[k].pen = surface.lines[k].pen;
            EXPECT_EQ(surface.lines[k], rules[k]) << "rule " << k;
            EXPECT_EQ(surface.PenWidthOf(surface.lines[k]), -1) << "the stock black pen";
        }

        const auto expectText = [&](const std::string& text, int x, int y) {
            const auto found = surface.TextsEqualTo(text);
            ASSERT_FALSE(found.empty()) << text;
            EXPECT_EQ(found[0].x, x) << text;
            EXPECT_EQ(found[0].y, y) << text;
            EXPECT_EQ(found[0].align, TextAlign::Right) << text;
        };
        // 165 hundredths of an inch at 96 pixels per inch, halved: 79, whatever the width.
        expectText("2025", 79, c.headingY);
        const std::array<unsigned, 5> headings{IDS_PREVIEW_SHARED, IDS_PREVIEW_STUDIES, IDS_PREVIEW_AUX_PIONEER,
                                               IDS_PREVIEW_HOURS, IDS_PREVIEW_REMARKS};
        for (std::size_t k = 0; k < headings.size(); ++k) expectText(Strings().Load(headings[k]), c.headingX[k], c.headingY);
        expectText("Ogółem", c.totalX, c.totalY);

        const auto boxes = test::DrawnBoxes(surface);
        const auto studies = surface.TextsEqualTo("1");
        const auto hours = surface.TextsEqualTo("7");
        const auto remarks = surface.TextsEqualTo("uwaga");
        ASSERT_EQ(boxes.size(), 24u);
        ASSERT_EQ(studies.size(), 12u);
        ASSERT_EQ(hours.size(), 12u);
        ASSERT_EQ(remarks.size(), 12u);
        for (int row = 0; row < 12; ++row) {
            SCOPED_TRACE(row);
            const int top = (row + 1) * c.rowH;
            const std::size_t r = static_cast<std::size_t>(row);
            expectText(Strings().Load(IDS_PREVIEW_MONTH_BASE + (8 + row) % 12), c.monthX, top + c.monthDy);
            for (const auto& [box, x, marked] : {std::tuple{boxes[2 * r], c.sharedX, true},
                                                 {boxes[2 * r + 1], c.auxX, row % 2 == 1}}) {
                EXPECT_EQ(box.right, x);
                EXPECT_EQ(box.bottom, top + c.boxDy);
                EXPECT_EQ(box.width, 10);
                EXPECT_EQ(box.height, 10);
                EXPECT_EQ(box.marked, marked);
            }
            EXPECT_EQ(std::pair(studies[r].x, studies[r].y), std::pair(c.studiesX, top + c.figureDy));
            EXPECT_EQ(std::pair(hours[r].x, hours[r].y), std::pair(c.hoursX, top + c.figureDy));
            const Text& remark = remarks[r];
            EXPECT_EQ(remark.align, TextAlign::Left);
            EXPECT_TRUE(remark.clipped);
            EXPECT_EQ(std::pair(remark.x, remark.y), std::pair(c.remarkX, top + c.figureDy));
            EXPECT_EQ(remark.clip, (SurfaceRect{c.remarkX, top + c.clipTopDy, c.w, top + c.clipBottomDy}));
        }
        EXPECT_EQ(surface.CurrentAlign(), TextAlign::Right);
        EXPECT_TRUE(surface.transparent);
        test::ExpectSurfaceRestored(surface);
    }
}

TEST(CardPreviewTest, GreekRemarksHeadingStaysInsideThePanel) {
    test::RecordingSurface surface(96, 96);
    PanelLook look = Look();
    look.languageCode = "greek";
    DrawCardPreview(surface, {0, 0, 700, 249}, {}, look, Strings());
    const auto heading = surface.TextsEqualTo("Uwagi");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_EQ(std::pair(heading[0].x, heading[0].y), std::pair(665, 3));
}

// A publisher file of one publisher who shared every month of both year
// slots, with 100 x slot + month number studies.
void WriteYearRoundPublisher(const test::TempFolder& folder) {
    using namespace publisher_record;
    std::vector<std::uint8_t> file(2 * kSize, 0);
    file[kLastName] = kPlainMarker;
    file[kSize + kPublisherId] = 100;
    for (int slot = 0; slot < 2; ++slot) {
        for (int month = 0; month < 12; ++month) {
            const std::size_t at = kSize + kMonthlyFigures + 72 * kStudiesKind + 6 * month + 2 * slot;
            const int value = 0x0800 | (100 * slot + month + 1);
            file[at] = static_cast<std::uint8_t>(value);
            file[at + 1] = static_cast<std::uint8_t>(value >> 8);
        }
    }
    folder.Write(kPublisherFileName, file);
}

TEST(CardPreviewTest, FillsTheRowsUpToTheMonthOfOpeningFromTheirYearSlots) {
    test::TempFolder folder;
    WriteYearRoundPublisher(folder);
    PublisherTable table;
    GroupFile groups;
    RemarkTable remarks;
    ASSERT_TRUE(table.Allocate());
    table.Load(groups, folder.Str());
    struct Case {
        const char* opened;
        int reportMonth, serviceYear;
        std::vector<std::string> studies;  // by row; 2025 is slot 1, 2026 slot 0
    };
    const std::vector<std::string> wholeYear{"109", "110", "111", "112", "1", "2", "3", "4", "5", "6", "7", "8"};
    for (const Case& c : {Case{"October 2026", 8, 2027, {"9", "10"}},
                          Case{"August 2026", 6, 2026, wholeYear},
                          Case{"September 2026", 7, 2026, wholeYear}}) {
        SCOPED_TRACE(c.opened);
        const CardPreviewData data = ReadCardPreviewData(table, remarks, 1, c.reportMonth, 2026);
        EXPECT_EQ(data.serviceYear, c.serviceYear);
        test::RecordingSurface surface(96, 96);
        DrawCardPreview(surface, {0, 0, 700, 249}, data, Look(), Strings());
        std::vector<std::string> studies;
        for (const Text& text : surface.texts) {
            if (text.x == 251 && text.y > 3) studies.push_back(text.text);
        }
        EXPECT_EQ(studies, c.studies);
        EXPECT_EQ(test::DrawnBoxes(surface).size(), 2 * c.studies.size());
        EXPECT_EQ(surface.TextsEqualTo(std::to_string(c.serviceYear)).size(), 1u);
    }
}

TEST(CardPreviewTest, ShowsWhatTheGeneratedCongregationHolds) {
    gen::GeneratorOptions options;  // opened in March 2025
    const test::LoadedCongregation loaded(options);
    int hiddenHours = 0;
    for (const gen::PublisherInfo& p : loaded.generated.publishers) {
        SCOPED_TRACE(p.record);
        const CardPreviewData data =
            ReadCardPreviewData(loaded.table, loaded.remarks, p.record, loaded.generated.reportMonth, 2025);
        EXPECT_EQ(data.serviceYear, 2025);
        EXPECT_EQ(data.limitRow, 6);
        for (int row = 0; row < 12; ++row) {
            const int month = (8 + row) % 12;
            const gen::MonthFigures& m = p.months[month][gen::CardYearSlot(2025, month)];
            const PreviewMonth& cell = data.rows[static_cast<std::size_t>(row)];
            const bool hoursShown = m.status != 0 || p.fieldMissionary;
            hiddenHours += !hoursShown && m.hours != 0;
            EXPECT_EQ(cell.shared, m.shared) << row;
            EXPECT_EQ(cell.studies, m.studies) << row;
            EXPECT_EQ(cell.auxiliaryPioneer, m.status == 1) << row;
            EXPECT_EQ(cell.hours, hoursShown ? m.hours : 0) << row;
            EXPECT_EQ(cell.remark, m.remark.empty() ? "" : test::Cp1250(m.remark)) << row;
        }
    }
    EXPECT_GT(hiddenHours, 0) << "publishers' hours that the preview leaves blank";

    // No publisher selected, an index past the table, a table never loaded:
    // empty rows, drawn with unmarked boxes.
    const PublisherTable empty;
    for (const auto& [table, record] : {std::pair{&loaded.table, 0}, {&loaded.table, loaded.table.Count()},
                                        {&loaded.table, -1}, {&empty, 1}}) {
        const CardPreviewData data = ReadCardPreviewData(*table, loaded.remarks, record, 1, 2025);
        test::RecordingSurface surface(96, 96);
        DrawCardPreview(surface, {0, 0, 700, 249}, data, Look(), Strings());
        EXPECT_EQ(surface.texts.size(), 1u + 5 + 12 + 1) << "year, headings, months, total";
        for (const test::DrawnBox& box : test::DrawnBoxes(surface)) EXPECT_FALSE(box.marked);
    }
}

}  // namespace
}  // namespace vorlant
