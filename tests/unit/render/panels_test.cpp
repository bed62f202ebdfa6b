// The main window's two panels: where their texts, rules and boxes go and what they read of a publisher.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "render/card_preview.h"
#include "render/header_panel.h"
#include "render_test_support.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

using test::kStrings;
constexpr TextAlign kLeft = TextAlign::Left, kRight = TextAlign::Right;

TEST(HeaderPanelTest, PlacesTextsAndBoxesAndCrossesThoseTheFlagsCallFor) {
    using enum PioneerStatus;
    // In drawing order: each box's label, column and line (0: the birth date's, 1: the baptism date's, 2: the last).
    const unsigned labels[] = {IDS_LABEL_MALE, IDS_LABEL_FEMALE, IDS_LABEL_OTHER_SHEEP, IDS_LABEL_ANOINTED,
                               IDS_LABEL_ELDER, IDS_LABEL_SERVANT, IDS_LABEL_REGULAR_PIONEER,
                               IDS_LABEL_SPECIAL_PIONEER, IDS_LABEL_FIELD_MISSIONARY};
    const int columns[] = {0, 1, 0, 1, 2, 3, 4, 5, 6}, lines[] = {0, 0, 1, 1, 2, 2, 2, 2, 2};
    struct Case {
        const char *language, *marks; HeaderPanelData data;  // a baptism date under 5 characters: not baptised
        int width, height, x0, labelGap, boxBelowLine;
        std::array<int, 4> lineTops;  // name, birth date, baptism date, last line
        std::array<int, 7> columnX;   // the boxes' right edges
    };
    for (const Case& c : {
             Case{"polish", "x.x.x....", {"Anna Nowak", "31/01/1970", "02/03/1990", 'O', 0x22, Auxiliary, false},
                  600, 94, 15, 7, 13, {5, 30, 55, 80}, {366, 471, 26, 96, 237, 348, 471}},
             Case{"rus", "x.x.x....", {"Anna Nowak", "31/01/1970", "02/03/1990", 'O', 0x22, Auxiliary, false},
                  600, 94, 15, 4, 13, {5, 30, 55, 80}, {366, 471, 26, 96, 237, 348, 471}},
             Case{"greek", ".x.x.x.xx", {"", "", "03/90", 'A', 0x61, Special, true},  // both sex bits: a sister
                  734, 97, 18, 5, 13, {5, 30, 55, 80}, {447, 576, 32, 118, 290, 426, 576}},
             Case{"vie", "......x..", {"", "", "1990", 'O', 0x03, Regular, false},
                  400, 60, 10, 4, 8, {3, 18, 33, 48}, {244, 314, 17, 64, 158, 232, 314}}}) {
        SCOPED_TRACE(c.marks);
        test::RecordingSurface surface(96, 96);
        DrawHeaderPanel(surface, {0, 0, c.width, c.height}, c.data, test::Look(c.language), kStrings);
        const auto labelled = [](unsigned id, const std::string& value) { return kStrings.Load(id) + ":  " + value; };
        std::map<std::string, std::pair<int, int>> drawn, expected{
            {labelled(IDS_LABEL_NAME, c.data.name), {c.x0, c.lineTops[0]}},
            {labelled(IDS_LABEL_BIRTH_DATE, c.data.birthDate), {c.x0, c.lineTops[1]}},
            {labelled(IDS_LABEL_BAPTISM_DATE, c.data.baptismDate), {c.x0, c.lineTops[2]}}};
        std::vector<test::DrawnBox> boxes;
        for (std::size_t k = 0; k < 9; ++k) {
            const int x = c.columnX[columns[k]], y = c.lineTops[lines[k] + 1];
            boxes.push_back({x, y + c.boxBelowLine, 9, 9, c.marks[k] == 'x'});
            expected[kStrings.Load(labels[k])] = {x + c.labelGap, y};
        }
        // The dialog's font in the card's charset; Vietnamese texts keep the context's own font.
        const bool vie = c.language == std::string("vie");
        for (const auto& t : surface.texts) {
            drawn[t.text] = {t.x, t.y};
            const FontSpec& font = surface.ObjectOf(t.font).font;
            EXPECT_EQ(std::tuple(t.align, font.faceName, font.charSet),
                      std::tuple(kLeft, vie ? "System" : "MS Sans Serif", vie ? 0 : 238));
        }
        EXPECT_EQ(drawn, expected);
        EXPECT_EQ(test::DrawnBoxes(surface), boxes);
        EXPECT_EQ(surface.Leftovers(), test::kNothingLeft);
    }
}

TEST(CardPreviewTest, RulesAndPlacesEverythingByTheBordersTheScaleAndLanguage) {
    // A panel of 700 x 249: columns of 87, rows of 17. The offsets in border sizes grow with the pixels per inch (half
    // as much again at 144), as do the boxes and the year's place; the total keeps a line's height above the bottom.
    struct Case {
        const char* language; unsigned ppi; int yearX, box, lineHeight;
        int cx, cy, limitRow, ruleTop, shortRuleBottom, greyBottom;  // cx, cy: the platform's border sizes
        std::array<int, 5> headingX;  // "Służbie" .. "Godziny", "Uwagi"
        int monthX, sharedX, studiesX, auxX, hoursX, remarkX, totalX, totalY;
        int monthDy, boxDy, figureDy, clipTopDy, clipBottomDy;  // below the row's top
    };
    for (const Case& c : {Case{"polish", 96, 79, 10, 16, 1, 1, 12, 3, 224, 225, {166, 253, 340, 427, 584},
                               79, 154, 251, 328, 425, 446, 344, 227, 4, 16, 5, 1, 18},
                          Case{"greek", 96, 79, 10, 0, 2, 3, 1, 9, 230, 233, {158, 245, 332, 419, 665},
                               71, 134, 241, 308, 415, 472, 340, 239, 12, 48, 15, 3, 20},
                          Case{"polish", 144, 118, 16, 23, 1, 1, 12, 5, 226, 227, {162, 249, 336, 423, 584},
                               75, 144, 246, 318, 420, 459, 342, 226, 6, 24, 8, 2, 19}}) {
        SCOPED_TRACE(std::string(c.language) + " at " + std::to_string(c.ppi));
        // Rows up to the limit filled: shared, 1 study, aux pioneer in odd rows, 7 hours, a remark.
        CardYear data{2025, c.limitRow, {}};
        for (std::size_t row = 0; row < 12; ++row) data.rows[row] = {true, 1, row % 2 == 1, 7, "uwaga"};
        test::RecordingSurface surface(c.ppi, c.ppi);
        PanelLook look = test::Look(c.language, c.cx, c.cy);
        look.lineHeight = c.lineHeight;
        DrawCardPreview(surface, {0, 0, 700, 249}, data, look, kStrings);

        // The grey month column and heading band.
        EXPECT_EQ(surface.rectangles, (std::vector<SurfaceRect>{{0, 0, 88, c.greyBottom}, {0, 0, 701, 21}}));
        std::vector<test::RecordingSurface::Line> rules;
        for (int k = 1; k <= 5; ++k) rules.push_back({k * 87, 0, k * 87, k <= 3 ? c.shortRuleBottom : 249, 0});
        for (int k = 1; k <= 13; ++k) rules.push_back({0, c.ruleTop + k * 17, 700, c.ruleTop + k * 17, 0});
        ASSERT_GE(surface.lines.size(), rules.size());
        EXPECT_EQ(std::vector(surface.lines.begin(), surface.lines.begin() + 18), rules);

        // The year ends at 165 hundredths of an inch halved, whatever the width.
        using Placed = std::tuple<std::string, int, int, TextAlign, std::optional<SurfaceRect>>;
        std::vector<Placed> expected{{"2025", c.yearX, c.ruleTop, kRight, {}}}, drawn;
        const unsigned headings[] = {IDS_PREVIEW_SHARED, IDS_PREVIEW_STUDIES, IDS_PREVIEW_AUX_PIONEER,
                                     IDS_PREVIEW_HOURS, IDS_PREVIEW_REMARKS};
        for (std::size_t k = 0; k < 5; ++k) {
            expected.push_back({kStrings.Load(headings[k]), c.headingX[k], c.ruleTop, kRight, {}});
        }
        std::vector<test::DrawnBox> boxes;
        for (int row = 0; row < 12; ++row) {
            const int top = (row + 1) * 17, y = top + c.figureDy;
            const unsigned month = IDS_PREVIEW_MONTH_BASE + static_cast<unsigned>(MonthOfRow(row));
            expected.push_back({kStrings.Load(month), c.monthX, top + c.monthDy, kRight, {}});
            if (row > c.limitRow) continue;
            expected.push_back({"1", c.studiesX, y, kRight, {}});
            expected.push_back({"7", c.hoursX, y, kRight, {}});
            // Remarks are cut at the panel's edge and the row's rule.
            const SurfaceRect clip{c.remarkX, top + c.clipTopDy, 700, top + c.clipBottomDy};
            expected.push_back({"uwaga", c.remarkX, y, kLeft, clip});
            boxes.push_back({c.sharedX, top + c.boxDy, c.box, c.box, true});
            boxes.push_back({c.auxX, top + c.boxDy, c.box, c.box, row % 2 == 1});
        }
        expected.push_back({kStrings.Load(IDS_PREVIEW_TOTAL), c.totalX, c.totalY, kRight, {}});
        // The hours of the rows reported (before the month of opening), under theirs, on the heading's line.
        expected.push_back({std::to_string(7 * std::min(c.limitRow, 12)), c.hoursX, c.totalY, kRight, {}});
        for (const auto& t : surface.texts) drawn.emplace_back(t.text, t.x, t.y, t.align, t.clip);
        EXPECT_EQ(drawn, expected);
        EXPECT_EQ(test::DrawnBoxes(surface), boxes);
        EXPECT_EQ(surface.Leftovers(), test::kNothingLeft);
    }
}

// Those of the months before the month of opening (whose slot still holds the figures of two years before); in
// September, when the preview shows the year just ended, all twelve.
TEST(CardPreviewTest, TotalsTheHoursItShowsOfTheMonthsReported) {
    struct Case { const char* who; int opened; bool missionary; std::array<int, 12> status;
                  std::array<std::uint16_t, 12> hours; const char* total; };
    // Opened in March: September to March are filled, April to August are not; March is not reported yet.
    const std::array<int, 12> pioneer{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    const std::array<std::uint16_t, 12> pioneerHours{50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61};
    for (const Case& c : {Case{"regular pioneer", 3, false, pioneer, pioneerHours, "315"},
                          Case{"regular pioneer in September", 9, false, pioneer, pioneerHours, "666"},
                          Case{"auxiliary pioneer twice", 3, false, {0, 0, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0},
                               {9, 9, 30, 9, 9, 15, 9, 40, 9, 9, 9, 9}, "45"},
                          Case{"publisher", 3, false, {}, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, nullptr},
                          Case{"field missionary", 3, true, {}, {65535, 1, 0, 0, 0, 0, 0, 70, 0, 0, 0, 0}, "65536"}}) {
        SCOPED_TRACE(c.who);
        gen::FixedPublisher known{"Anna", "Nowak", c.missionary, {}};
        for (std::size_t row = 0; row < 12; ++row) known.rows[row] = {c.status[row], c.hours[row], 0, false, ""};
        const test::LoadedCongregation loaded(2025, c.opened, known);
        test::RecordingSurface surface(96, 96);
        DrawCardPreview(surface, {0, 0, 700, 249}, ReadCardYear(loaded.table, loaded.remarks, 1, c.opened - 2, 2025),
                        test::Look(), kStrings);
        std::vector<std::string> totals;  // under the hours of the months, on the line of "Ogółem"
        for (const auto& t : surface.texts) {
            if (t.x == 425 && t.y == 13 * 17 + 6 && t.align == kRight) totals.push_back(t.text);
        }
        EXPECT_EQ(totals, c.total ? std::vector<std::string>{c.total} : std::vector<std::string>{});
    }
}

TEST(HeaderPanelTest, ReadsThePublisherOfTheReportMonth) {
    // Opened in September 2025: August (year byte 25, slot 1).
    test::LoadedCongregation loaded(2025, 9);
    for (const gen::PublisherInfo& p : loaded.generated.publishers) {
        const HeaderPanelData flags = ReadHeaderPanelFlags(loaded.table, p.record, 7, 25);
        EXPECT_EQ(std::pair(static_cast<int>(flags.reportMonthStatus), flags.fieldMissionary),
                  std::pair(p.months[7][1].status, p.fieldMissionary)) << p.record;
        // The long name where the details have one.
        const std::string longName = p.details == gen::DetailsCase::LongName ? test::Cp1250(p.longName) : "x";
        EXPECT_EQ(HeaderPanelName(loaded.table, loaded.details, p.record, "x"), longName) << p.record;
    }
}

TEST(CardPreviewTest, TicksTheMonthsPrintedBeforeInFrontOfTheirNames) {
    for (const unsigned ppi : {96u, 144u}) {
        const int w = 700 * int(ppi) / 96, h = 249 * int(ppi) / 96, rowH = h / 14;
        const CardYear year{2027, 3, {}};
        test::RecordingSurface plain(ppi, ppi), marked(ppi, ppi);
        DrawCardPreview(plain, {0, 0, w, h}, year, test::Look(), kStrings);
        DrawCardPreview(marked, {0, 0, w, h}, year, test::Look(), kStrings, {false, true, false, false, false, false,
                                                                          false, false, false, false, false, true});
        EXPECT_TRUE(marked.Leftovers().empty());
        ASSERT_EQ(marked.lines.size(), plain.lines.size() + 4) << ppi;
        for (const auto& t : marked.lines) {
            if (std::ranges::find(plain.lines, t) != plain.lines.end()) continue;
            const int row = t.y1 < h / 2 ? 1 : 11;  // October, and August beyond the rows filled
            EXPECT_TRUE(t.penWidth >= int(ppi / 48) && t.x1 > 0 && t.x2 > t.x1 && t.x2 < w / 16) << ppi << ": " << t.x2;
            for (const int y : {t.y1, t.y2}) EXPECT_TRUE(y > (row + 1) * rowH && y < (row + 2) * rowH) << ppi;
        }
    }
}

}  // namespace
}  // namespace vorlant
