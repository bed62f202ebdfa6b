// The test page's readings typed in: what they change, what OK refuses, and the labels the readings dialog, the test
// page and the layout dialogs share.
#include "dialogs/calibration_readings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <iterator>
#include <string>

#include "render/calibration_page.h"
#include "resources/resource.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

const test::RcStringSource kStrings;

CardLayout DefaultLayout() {
    CardLayout layout;
    layout.LoadDefaults(0, kStrings);
    return layout;
}

TEST(ReadingTest, WholeHundredthsWithTheirSignBlankIsZero) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"", 0}, {"  ", 0}, {"0", 0}, {"12", 12}, {"+12", 12}, {"-6", -6}, {" -24 ", -24}, {"+0", 0},
        {"0.12", std::nullopt}, {"0,12", std::nullopt}, {"+", std::nullopt}, {"-", std::nullopt}, {"1 2", std::nullopt},
        {"--3", std::nullopt}, {"12a", std::nullopt}, {"99999", std::nullopt}, {"+-1", std::nullopt},
    };
    for (const auto& [typed, reading] : cases) EXPECT_EQ(ParseReading(typed), reading) << '"' << typed << '"';
    for (const auto& [reading, within] : {std::pair(0, true), {24, true}, {-24, true}, {25, false}, {-25, false}}) {
        EXPECT_EQ(WithinReach(reading), within) << reading;
    }
}

// Defaults: start 2.62, height 3.10, columns 1.60, 2.60, 3.35, 4.35, 4.65.
TEST(ReadingChangesTest, MoveTheStartTheHeightByTwelveEleventhsAndEachColumnByItsReading) {
    struct Case { Readings readings; std::array<const char*, 7> after; };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0, 0}, {"2.62", "3.10", "1.60", "2.60", "3.35", "4.35", "4.65"}},
        {{5, 5, 0, 0, 0, 0, 0}, {"2.67", "3.10", "1.60", "2.60", "3.35", "4.35", "4.65"}},  // the rows moved whole
        {{0, 11, 0, 0, 0, 0, 0}, {"2.62", "3.22", "1.60", "2.60", "3.35", "4.35", "4.65"}},
        {{-7, 3, 0, 0, 0, 0, 0}, {"2.55", "3.21", "1.60", "2.60", "3.35", "4.35", "4.65"}},  // 10 x 12/11 = 10.9
        {{0, 5, 0, 0, 0, 0, 0}, {"2.62", "3.15", "1.60", "2.60", "3.35", "4.35", "4.65"}},   // 5.45 rounds down
        {{0, -6, 0, 0, 0, 0, 0}, {"2.62", "3.03", "1.60", "2.60", "3.35", "4.35", "4.65"}},  // -6.55 rounds away
        {{0, 0, 12, -24, 24, -3, 1}, {"2.62", "3.10", "1.72", "2.36", "3.59", "4.32", "4.66"}},
    };
    const CardLayout layout = DefaultLayout();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.readings));
        const auto changes = ReadingChanges(layout, c.readings);
        for (std::size_t i = 0; i < kReadingCount; ++i) {
            EXPECT_EQ(changes[i].after, c.after[i]) << i;
            EXPECT_TRUE(changes[i].inRange);
        }
        CardLayout changed = layout;
        ApplyReadingChanges(changes, changed);
        EXPECT_EQ(changed.MonthlyTop(), c.after[0]);
        EXPECT_EQ(changed.MonthlyHeight(), c.after[1]);
        for (std::size_t i = 0; i < kPageColumns.size(); ++i) EXPECT_EQ(changed.ColumnX(kPageColumns[i]), c.after[2 + i]);
        // The hidden columns and the header positions pass through.
        for (std::size_t offset = 0; offset < card_layout::kMonthlyTop; offset += 8) {
            EXPECT_EQ(changed.Slot(offset), layout.Slot(offset));
        }
        EXPECT_EQ(changed.ColumnX(4), layout.ColumnX(4));
        EXPECT_EQ(changed.ColumnX(5), layout.ColumnX(5));
    }
}

TEST(ReadingChangesTest, ASettingNotMovedKeepsItsTextAndOneMovedOutOfTheLengthsIsOutOfRange) {
    CardLayout layout = DefaultLayout();
    layout.SetSlot(card_layout::ColumnX(0), "1.5");   // read as 1.05, as the printing reads it
    layout.SetSlot(card_layout::ColumnX(1), "0.10");
    layout.SetSlot(card_layout::ColumnX(3), "9.90");
    auto changes = ReadingChanges(layout, {0, 0, 0, -11, 0, 9, 0});
    EXPECT_EQ(changes[2], (SettingChange{card_layout::ColumnX(0), IDS_SETTING_COLUMN_BASE, "1.5", "1.5", true}));
    EXPECT_EQ(changes[3].after, "-0.01");
    EXPECT_FALSE(changes[3].inRange);
    EXPECT_EQ(changes[5].after, "9.99");
    EXPECT_TRUE(changes[5].inRange);
    changes = ReadingChanges(layout, {0, 0, 2, 0, 0, 10, 0});
    EXPECT_EQ(changes[2].after, "1.07");
    EXPECT_EQ(changes[5].after, "10.00");
    EXPECT_FALSE(changes[5].inRange);
}

TEST(EvaluateReadingsTest, RefusesTheFirstFieldThatIsNoNumberBeyondItsScaleOrOutOfTheLengths) {
    const CardLayout layout = DefaultLayout();
    struct Case { std::array<std::string, 7> typed; std::optional<std::size_t> refused; const char* says; };
    const Case cases[] = {
        {{"", "", "", "", "", "", ""}, std::nullopt, ""},
        {{"+3", "-2", "", "4", "", "", "-1"}, std::nullopt, ""},
        {{"", "0.12", "", "", "", "", "x"}, 1, "Odczyt podziałki „Sierpień” to liczba setnych cala"},
        {{"", "", "", "", "", "25", ""}, 5, "Odczyt podziałki „Godziny” leży poza jej końcem"},
        {{"-30", "", "", "", "", "", ""}, 0, "najpierw przesuń „Start (Wrzesień)” o całe wiersze (po 0.26)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        const ReadingsOutcome outcome = EvaluateReadings(c.typed, layout, kStrings);
        EXPECT_EQ(outcome.refusedField, c.refused);
        EXPECT_NE(outcome.message.find(c.says), std::string::npos) << outcome.message;
    }
    CardLayout nearEdge = layout;
    nearEdge.SetSlot(card_layout::kMonthlyTop, "0.05");
    const ReadingsOutcome outcome = EvaluateReadings({"-10", "", "", "", "", "", ""}, nearEdge, kStrings);
    EXPECT_EQ(outcome.refusedField, 0u);
    EXPECT_EQ(outcome.message, "„Start (Wrzesień)” wyniosłoby -0.05, a to nie jest długość od 0.00 do 9.99.\n\n" +
                                   kStrings.Load(IDS_LENGTH_MESSAGE));
}

TEST(EvaluateReadingsTest, NotesNameTheSettingWithItsValueNowAndAfter) {
    const auto changes = ReadingChanges(DefaultLayout(), {3, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ChangeNote(changes[0], kStrings), "Start (Wrzesień): 2.62, po zmianie 2.65");
    EXPECT_EQ(ChangeNote(changes[1], kStrings), "Owoc Wysokość: 3.10, po zmianie 3.07");
    EXPECT_EQ(ChangeNote(changes[6], kStrings), "Uwagi: 4.65, bez zmian");
}

// A dialog template of the resource script, with its texts in quotes.
std::string Template(const std::string& dialog) {
    std::ifstream file(VORLANT_RESOURCE_SCRIPT);
    const std::string script{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::size_t begin = script.find(dialog + " DIALOGEX");
    EXPECT_NE(begin, std::string::npos) << dialog;
    return begin == std::string::npos ? "" : script.substr(begin, script.find("\nEND", begin) - begin);
}

bool Shows(const std::string& dialog, const std::string& label) {
    return dialog.find('"' + label + '"') != std::string::npos;
}

TEST(SettingLabelsTest, TheTestPageTheReadingsAndTheLayoutDialogsNameEachSettingAlike) {
    const std::string options = Template("IDD_OPTIONS"), layout = Template("IDD_LAYOUT"),
                      readings = Template("IDD_READINGS");
    // The margins in the options dialog, the rest in the detailed layout dialog.
    for (const unsigned id : {IDS_SETTING_TOP_MARGIN, IDS_SETTING_LEFT_MARGIN}) {
        EXPECT_TRUE(Shows(options, kStrings.Load(id))) << kStrings.Load(id);
    }
    for (unsigned id = IDS_SETTING_MONTHLY_TOP; id < IDS_SETTING_COLUMN_BASE + kPageColumns.size(); ++id) {
        EXPECT_TRUE(Shows(layout, kStrings.Load(id))) << kStrings.Load(id);
    }
    // The readings dialog's scales, as its template shows them before the strings replace them.
    for (std::size_t field = 0; field < kReadingCount; ++field) {
        EXPECT_TRUE(Shows(readings, ScaleName(field, kStrings))) << ScaleName(field, kStrings);
    }
}

}  // namespace
}  // namespace vorlant
