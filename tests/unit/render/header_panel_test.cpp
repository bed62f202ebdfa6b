// The header panel: where its texts and boxes go, which boxes carry a
// cross, and which name and flags of a publisher it shows.
#include "render/header_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>

#include "panel_test_support.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

using test::Strings;

// Box labels in drawing order with the box's column and its line (0 = the
// birth date's line, 1 = the baptism date's, 2 = the last).
constexpr std::array<std::array<unsigned, 3>, 9> kBoxPlaces{{{IDS_LABEL_MALE, 0, 0},
                                                             {IDS_LABEL_FEMALE, 1, 0},
                                                             {IDS_LABEL_OTHER_SHEEP, 0, 1},
                                                             {IDS_LABEL_ANOINTED, 1, 1},
                                                             {IDS_LABEL_ELDER, 2, 2},
                                                             {IDS_LABEL_SERVANT, 3, 2},
                                                             {IDS_LABEL_REGULAR_PIONEER, 4, 2},
                                                             {IDS_LABEL_SPECIAL_PIONEER, 5, 2},
                                                             {IDS_LABEL_FIELD_MISSIONARY, 6, 2}}};

TEST(HeaderPanelTest, PlacesTextsAndBoxesByThePanelSizeAndLanguage) {
    struct Case {
        int width, height;
        const char* language;
        int x0;
        std::array<int, 4> lineTops;    // name, birth date, baptism date, last line
        std::array<int, 3> boxBottoms;  // on the lines with boxes
        std::array<int, 7> columns;     // the boxes' right edges
        int labelGap;
    };
    const std::array<int, 7> columns600{366, 471, 26, 96, 237, 348, 471};
    for (const Case& c : {
             Case{600, 94, "polish", 15, {5, 30, 55, 80}, {43, 68, 93}, columns600, 7},
             Case{600, 94, "rus", 15, {5, 30, 55, 80}, {43, 68, 93}, columns600, 4},
             Case{600, 94, "vie", 15, {5, 30, 55, 80}, {43, 68, 93}, columns600, 7},
             Case{734, 97, "greek", 18, {5, 30, 55, 80}, {43, 68, 93}, {447, 576, 32, 118, 290, 426, 576}, 5},
             Case{400, 60, "polish", 10, {3, 18, 33, 48}, {26, 41, 56}, {244, 314, 17, 64, 158, 232, 314}, 4},
         }) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.language);
        test::RecordingSurface surface(96, 96);
        HeaderPanelData data;
        data.name = "Anna Nowak";
        data.birthDate = "31/01/1970";
        DrawHeaderPanel(surface, {0, 0, c.width, c.height}, data, test::Look(c.language), Strings());

        const auto expectText = [&](const std::string& text, int x, int y) {
            const auto found = surface.TextsEqualTo(text);
            ASSERT_EQ(found.size(), 1u) << text;
            EXPECT_EQ(std::tuple(found[0].x, found[0].y, found[0].align), std::tuple(x, y, TextAlign::Left)) << text;
            // Vietnamese texts keep the context's own font.
            const FontSpec& font = surface.ObjectOf(found[0].font).font;
            EXPECT_EQ(font.faceName, c.language == std::string("vie") ? "System" : "MS Sans Serif");
        };
        expectText("Imię i nazwisko:  Anna Nowak", c.x0, c.lineTops[0]);
        expectText("Data urodzenia:  31/01/1970", c.x0, c.lineTops[1]);
        expectText("Data chrztu:  ", c.x0, c.lineTops[2]);
        const auto boxes = test::DrawnBoxes(surface);
        ASSERT_EQ(boxes.size(), kBoxPlaces.size());
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            const auto [label, column, line] = kBoxPlaces[k];
            EXPECT_EQ(boxes[k], (test::DrawnBox{c.columns[column], c.boxBottoms[line], 9, 9, false})) << k;
            expectText(Strings().Load(label), c.columns[column] + c.labelGap, c.lineTops[line + 1]);
        }
        test::ExpectSurfaceRestored(surface);
    }
}

TEST(HeaderPanelTest, CrossesTheBoxesThatTheFlagsCallFor) {
    using enum PioneerStatus;
    struct Case {
        std::uint8_t personFlags, hope;
        const char* baptism;
        PioneerStatus status;
        bool missionary;
        const char* marks;  // male, female, other sheep, anointed, elder, servant, regular,
                            // special pioneer, field missionary
    };
    for (const Case& c : {
             Case{0x22, 'O', "02/03/1990", Publisher, false, "x.x.x...."},  // brother, elder
             Case{0x40, 'A', "02/03/1990", Publisher, false, ".x.x....."},  // anointed sister
             Case{0x60, 'O', "02/03/1990", Publisher, false, ".xx......"},  // both sex bits: a sister
             Case{0x00, 'O', "02/03/1990", Publisher, false, "..x......"},
             Case{0x20, 'A', "", Publisher, false, "x........"},      // not baptised
             Case{0x20, 'O', "1990", Publisher, false, "x........"},  // 4 characters: not baptised
             Case{0x20, 'A', "03/90", Publisher, false, "x..x....."},
             Case{0x21, 'O', "", Publisher, false, "x....x..."},
             Case{0x23, 'O', "", Publisher, false, "x........"},  // appointment bits 3
             Case{0x40, 'O', "", Regular, false, ".x....x.."},
             Case{0x20, 'O', "", Special, true, "x......xx"},
             Case{0x40, 'O', "", Auxiliary, false, ".x......."},
         }) {
        test::RecordingSurface surface(96, 96);
        const HeaderPanelData data{"", "", c.baptism, c.hope, c.personFlags, c.status, c.missionary};
        DrawHeaderPanel(surface, {0, 0, 600, 94}, data, test::Look(), Strings());
        std::string marks;
        for (const test::DrawnBox& box : test::DrawnBoxes(surface)) marks += box.marked ? 'x' : '.';
        EXPECT_EQ(marks, c.marks) << c.marks;
    }
}

TEST(HeaderPanelTest, ReadsThePublisherWithTheReportMonthInItsYearSlot) {
    // Opened in January 2025: the report month is December 2024, year byte 24, slot 0.
    const test::LoadedCongregation loaded(test::OptionsAsOf(2025, 1));
    for (const gen::PublisherInfo& p : loaded.generated.publishers) {
        const HeaderPanelData data = ReadHeaderPanelFlags(loaded.table, p.record, 11, 24);
        EXPECT_EQ(static_cast<int>(data.reportMonthStatus), p.months[11][0].status) << p.record;
        EXPECT_EQ(std::tuple(data.fieldMissionary, data.hope == 'A', (data.personFlags & 0x20) != 0),
                  std::tuple(p.fieldMissionary, p.anointed, p.male));
        EXPECT_EQ(data.personFlags & 3, static_cast<int>(p.appointment));
    }
    // No publisher selected, an index past the table, a table never loaded.
    const PublisherTable empty;
    for (const auto& [table, record] : {std::pair{&loaded.table, 0}, {&loaded.table, loaded.table.Count()},
                                        {&loaded.table, -1}, {&empty, 1}}) {
        const HeaderPanelData data = ReadHeaderPanelFlags(*table, record, 11, 24);
        EXPECT_EQ(std::tuple(data.personFlags, data.hope, data.fieldMissionary), std::tuple(0, 0, false));
    }
}

TEST(HeaderPanelTest, ShowsTheLongNameOnlyWhenAskedAndFound) {
    test::LoadedCongregation loaded(gen::GeneratorOptions{});
    std::set<gen::DetailsCase> seen;
    for (const gen::PublisherInfo& p : loaded.generated.publishers) {
        seen.insert(p.details);
        for (const bool useLongName : {true, false}) {
            const bool longName = useLongName && p.details == gen::DetailsCase::LongName;
            EXPECT_EQ(HeaderPanelName(loaded.table, loaded.details, p.record, useLongName, "composed"),
                      longName ? test::Cp1250(p.longName) : "composed")
                << p.record;
        }
    }
    EXPECT_EQ(seen.size(), 5u) << "every kind of details record";
    EXPECT_EQ(HeaderPanelName(loaded.table, loaded.details, 0, true, ""), "");
}

}  // namespace
}  // namespace vorlant
