// The header panel: where the texts and boxes go, which boxes carry a
// cross, and which name and flags of a publisher it shows.
#include "render/header_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>

#include "panel_test_support.h"
#include "resources/resource.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

const test::RcStringSource& Strings() {
    static const test::RcStringSource strings;
    return strings;
}

PanelLook Look(const std::string& languageCode, int charset = 238) {
    PanelLook look;
    look.languageCode = languageCode;
    look.cardCharset = charset;
    look.dialogFont.faceName = "MS Sans Serif";
    look.dialogFont.height = -13;
    return look;
}

// Box labels in drawing order, with the box's column and text line (0 = the
// birth date's, 1 = the baptism date's, 2 = the last).
struct BoxPlace {
    unsigned label;
    int column;
    int line;
};
constexpr std::array<BoxPlace, 9> kBoxPlaces{{{IDS_LABEL_MALE, 0, 0},
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
        std::array<int, 4> lineTops;     // name, birth date, baptism date, last line
        std::array<int, 3> boxBottoms;   // of the three lines with boxes
        std::array<int, 7> columns;      // boxes' right edges
        int labelGap;
    };
    const std::array<int, 7> columns600{366, 471, 26, 96, 237, 348, 471};
    for (const Case& c : {
             Case{600, 94, "polish", 15, {5, 30, 55, 80}, {43, 68, 93}, columns600, 7},
             Case{600, 94, "rus", 15, {5, 30, 55, 80}, {43, 68, 93}, columns600, 4},
             Case{600, 94, "greek", 15, {5, 30, 55, 80}, {43, 68, 93}, columns600, 4},
             Case{734, 97, "polish", 18, {5, 30, 55, 80}, {43, 68, 93}, {447, 576, 32, 118, 290, 426, 576}, 8},
             Case{400, 60, "polish", 10, {3, 18, 33, 48}, {26, 41, 56}, {244, 314, 17, 64, 158, 232, 314}, 4},
         }) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.language);
        test::RecordingSurface surface(96, 96);
        HeaderPanelData data;
        data.name = "Anna Nowak";
        data.birthDate = "31/01/1970";
        DrawHeaderPanel(surface, {0, 0, c.width, c.height}, data, Look(c.language), Strings());

        const auto textAt = [&](const std::string& text, int x, int y) {
            const auto found = surface.TextsEqualTo(text);
            ASSERT_EQ(found.size(), 1u) << text;
            EXPECT_EQ(found[0].x, x) << text;
            EXPECT_EQ(found[0].y, y) << text;
            EXPECT_EQ(found[0].align, TextAlign::Left);
        };
        textAt("Imię i nazwisko:  Anna Nowak", c.x0, c.lineTops[0]);
        textAt("Data urodzenia:  31/01/1970", c.x0, c.lineTops[1]);
        textAt("Data chrztu:  ", c.x0, c.lineTops[2]);
        const auto boxes = test::DrawnBoxes(surface);
        ASSERT_EQ(boxes.size(), kBoxPlaces.size());
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            const BoxPlace& place = kBoxPlaces[k];
            EXPECT_EQ(boxes[k].right, c.columns[place.column]) << k;
            EXPECT_EQ(boxes[k].bottom, c.boxBottoms[place.line]) << k;
            EXPECT_EQ(boxes[k].width, 9);
            EXPECT_EQ(boxes[k].height, 9);
            textAt(Strings().Load(place.label), c.columns[place.column] + c.labelGap, c.lineTops[place.line + 1]);
        }
        EXPECT_TRUE(surface.transparent);
        test::ExpectSurfaceRestored(surface);
    }
}

TEST(HeaderPanelTest, DrawsInThePanelFontExceptForVietnamese) {
    for (const std::string language : {"polish", "vie"}) {
        test::RecordingSurface surface(96, 96);
        DrawHeaderPanel(surface, {0, 0, 600, 94}, {}, Look(language, 238), Strings());
        const SurfaceObject font = surface.texts.at(0).font;
        if (language == "vie") {
            EXPECT_EQ(font, surface.DefaultFont());
        } else {
            EXPECT_EQ(surface.ObjectOf(font).font.faceName, "MS Sans Serif");
            EXPECT_EQ(surface.ObjectOf(font).font.charSet, 238);
        }
        test::ExpectSurfaceRestored(surface);
    }
}

TEST(HeaderPanelTest, CrossesTheBoxesThatTheFlagsCallFor) {
    using enum PioneerStatus;
    struct Case {
        const char* what;
        std::uint8_t personFlags;
        std::uint8_t hope;
        const char* baptism;
        PioneerStatus status;
        bool missionary;
        const char* marks;  // in drawing order: male, female, other sheep, anointed, elder,
                            // servant, regular, special pioneer, field missionary
    };
    for (const Case& c : {
             Case{"baptised brother, elder", 0x22, 'O', "02/03/1990", Publisher, false, "x.x.x...."},
             Case{"anointed sister", 0x40, 'A', "02/03/1990", Publisher, false, ".x.x....."},
             Case{"both sex bits: a sister", 0x60, 'O', "02/03/1990", Publisher, false, ".xx......"},
             Case{"no sex bit", 0x00, 'O', "02/03/1990", Publisher, false, "..x......"},
             Case{"not baptised, hope A", 0x20, 'A', "", Publisher, false, "x........"},
             Case{"four characters: not baptised", 0x20, 'O', "1990", Publisher, false, "x........"},
             Case{"five characters: baptised", 0x20, 'A', "03/90", Publisher, false, "x..x....."},
             Case{"ministerial servant", 0x21, 'O', "", Publisher, false, "x....x..."},
             Case{"appointment bits 3", 0x23, 'O', "", Publisher, false, "x........"},
             Case{"regular pioneer", 0x40, 'O', "", Regular, false, ".x....x.."},
             Case{"special pioneer, field missionary", 0x20, 'O', "", Special, true, "x......xx"},
             Case{"auxiliary pioneer has no box", 0x40, 'O', "", Auxiliary, false, ".x......."},
         }) {
        test::RecordingSurface surface(96, 96);
        HeaderPanelData data;
        data.personFlags = c.personFlags;
        data.hope = c.hope;
        data.baptismDate = c.baptism;
        data.reportMonthStatus = c.status;
        data.fieldMissionary = c.missionary;
        DrawHeaderPanel(surface, {0, 0, 600, 94}, data, Look("polish"), Strings());
        std::string marks;
        for (const test::DrawnBox& box : test::DrawnBoxes(surface)) marks += box.marked ? 'x' : '.';
        EXPECT_EQ(marks, c.marks) << c.what;
    }
}

TEST(HeaderPanelTest, ReadsThePublisherAndTheReportMonthInItsYearSlot) {
    // Opened in January 2025: the report month is December 2024, year byte 24, slot 0.
    gen::GeneratorOptions options;
    options.year = 2025;
    options.month = 1;
    const test::LoadedCongregation loaded(options);
    for (const gen::PublisherInfo& p : loaded.generated.publishers) {
        const HeaderPanelData data = ReadHeaderPanelFlags(loaded.table, p.record, 11, 24);
        SCOPED_TRACE(p.record);
        EXPECT_EQ(static_cast<int>(data.reportMonthStatus), p.months[11][0].status);
        EXPECT_EQ(data.fieldMissionary, p.fieldMissionary);
        EXPECT_EQ(data.hope == 'A', p.anointed);
        EXPECT_EQ((data.personFlags & 0x20) != 0, p.male);
        EXPECT_EQ(data.personFlags & 3, static_cast<int>(p.appointment));
    }
    // No publisher selected, an index past the table, a table never loaded.
    const PublisherTable empty;
    for (const auto& [table, record] : {std::pair{&loaded.table, 0}, {&loaded.table, loaded.table.Count()},
                                        {&loaded.table, -1}, {&empty, 1}}) {
        const HeaderPanelData data = ReadHeaderPanelFlags(*table, record, 11, 24);
        EXPECT_EQ(data.personFlags, 0);
        EXPECT_EQ(data.hope, 0);
        EXPECT_FALSE(data.fieldMissionary);
    }
}

TEST(HeaderPanelTest, ShowsTheLongNameOnlyWhenAskedAndFound) {
    test::LoadedCongregation loaded(gen::GeneratorOptions{});
    std::set<gen::DetailsCase> seen;
    for (const gen::PublisherInfo& p : loaded.generated.publishers) {
        seen.insert(p.details);
        for (const bool useLongName : {true, false}) {
            const std::string name = HeaderPanelName(loaded.table, loaded.details, p.record, useLongName, "composed");
            const bool longName = useLongName && p.details == gen::DetailsCase::LongName;
            EXPECT_EQ(name, longName ? test::Cp1250(p.longName) : "composed") << p.record;
        }
    }
    EXPECT_EQ(seen.size(), 5u) << "every kind of details record";
    EXPECT_EQ(HeaderPanelName(loaded.table, loaded.details, 0, true, ""), "");
}

}  // namespace
}  // namespace vorlant
