// The calibration page's readings typed in, and the labels its dialog shares with the page and the layout dialogs.
#include "dialogs/calibration_readings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/text.h"
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

const PrinterResolution kPrinter{600, 600, ArialFiguresLine(600)};

TEST(ReadingTest, WholeHundredthsWithTheirSignBlankIsZeroAndTheNotesCountAnUnreadableOneAsZero) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"", 0}, {"  ", 0}, {"0", 0}, {"12", 12}, {"+12", 12}, {"-6", -6}, {" -40 ", -40}, {"+0", 0},
        {"0.12", std::nullopt}, {"0,12", std::nullopt}, {"+", std::nullopt}, {"-", std::nullopt}, {"1 2", std::nullopt},
        {"--3", std::nullopt}, {"12a", std::nullopt}, {"99999", std::nullopt}, {"+-1", std::nullopt},
    };
    for (const auto& [typed, reading] : cases) EXPECT_EQ(ParseReading(typed), reading) << '"' << typed << '"';
    EXPECT_EQ(ReadingsForNotes({"+3", "x", "", "0.5", "-40", "12a", "7"}), (Readings{3, 0, 0, 0, -40, 0, 7}));
}

TEST(EvaluateReadingsTest, RefusesTheFirstFieldThatIsNoNumberBeyondItsScaleOrOutOfTheLengths) {
    const CardLayout layout = DefaultLayout();
    const auto say = [](unsigned id, std::initializer_list<std::string_view> values) {
        return FillIn(kStrings.Load(id), values);
    };
    const std::string start = kStrings.Load(IDS_SETTING_MONTHLY_TOP), row = "0.26";  // 3.10 / 12
    struct Case { ReadingTexts typed; std::optional<std::size_t> refused; std::string says; };
    const Case cases[] = {
        {{"", "", "", "", "", "", ""}, std::nullopt, ""},
        {{"+3", "-2", "", "40", "", "", "-1"}, std::nullopt, ""},
        {{"", "0.12", "", "", "", "", "x"}, 1, say(IDS_READING_UNREADABLE, {ScaleName(1, kStrings)})},
        {{"", "", "", "", "", "41", ""}, 5, say(IDS_READING_BEYOND_RIGHT, {ScaleName(5, kStrings), "+40", "+40"})},
        {{"", "", "-45", "", "", "", ""}, 2, say(IDS_READING_BEYOND_LEFT, {ScaleName(2, kStrings), "-40", "-40"})},
        {{"-41", "", "", "", "", "", ""}, 0, say(IDS_READING_BEYOND_UP, {ScaleName(0, kStrings), "-40", start, row})},
        {{"", "50", "", "", "", "", ""}, 1, say(IDS_READING_BEYOND_DOWN, {ScaleName(1, kStrings), "+40", start, row})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        const ReadingsOutcome outcome = EvaluateReadings(c.typed, layout, kPrinter, kStrings);
        EXPECT_EQ(outcome.refusedField, c.refused);
        EXPECT_EQ(outcome.message, c.says);
    }
    CardLayout nearEdge = layout;
    nearEdge.SetSlot(card_layout::kMonthlyTop, "0.05");
    const ReadingsOutcome outcome = EvaluateReadings({"-10", "-10", "", "", "", "", ""}, nearEdge, kPrinter, kStrings);
    EXPECT_EQ(outcome.refusedField, 0u);
    EXPECT_EQ(outcome.message, say(IDS_READING_OUT_OF_RANGE, {start, "-0.05", "0.00", "9.99"}) + "\n\n" + kStrings.Load(IDS_LENGTH_MESSAGE));
}

// The notes fill their pattern once: a label or a value holding "%s" is shown as it is.
TEST(EvaluateReadingsTest, NotesNameTheSettingWithItsValueNowAndAfter) {
    const auto changes = ReadingChanges(DefaultLayout(), {3, 3, 0, 0, 0, 0, 0}, kPrinter);
    const std::string start = kStrings.Load(IDS_SETTING_MONTHLY_TOP), remarks = kStrings.Load(IDS_SETTING_COLUMN_BASE + 4);
    EXPECT_EQ(ChangeNote(changes[0], kStrings), FillIn(kStrings.Load(IDS_READING_NOTE_MOVED), {start, "2.62", "2.65"}));
    EXPECT_EQ(ChangeNote(changes[6], kStrings), FillIn(kStrings.Load(IDS_READING_NOTE_SAME), {remarks, "4.65"}));
    const SettingChange odd{card_layout::kMonthlyTop, IDS_SETTING_MONTHLY_TOP, "%s", "2.%s", true};
    EXPECT_EQ(ChangeNote(odd, kStrings), FillIn(kStrings.Load(IDS_READING_NOTE_MOVED), {start, "%s", "2.%s"}));
}

// Whether the dialog template `dialog` of the resource script shows `label`, in quotes.
bool Shows(const std::string& dialog, const std::string& label) {
    const std::string script = test::ReadTextFile(VORLANT_RESOURCE_SCRIPT);
    const std::size_t begin = script.find(dialog + " DIALOGEX"), end = script.find("\nEND", begin);
    return begin != std::string::npos && script.substr(begin, end - begin).find('"' + label + '"') != std::string::npos;
}

TEST(SettingLabelsTest, TheCalibrationPageTheReadingsAndTheLayoutDialogsNameEachSettingAlike) {
    // The margins in the options dialog, the rest in the detailed layout dialog.
    for (const unsigned id : {IDS_SETTING_TOP_MARGIN, IDS_SETTING_LEFT_MARGIN}) {
        EXPECT_TRUE(Shows("IDD_OPTIONS", kStrings.Load(id))) << kStrings.Load(id);
    }
    for (unsigned id = IDS_SETTING_MONTHLY_TOP; id < IDS_SETTING_COLUMN_BASE + kPageColumns.size(); ++id) {
        EXPECT_TRUE(Shows("IDD_LAYOUT", kStrings.Load(id))) << kStrings.Load(id);
    }
    // The readings dialog's scales, as its template shows them before the strings replace them.
    for (std::size_t f = 0; f < kReadingCount; ++f) EXPECT_TRUE(Shows("IDD_READINGS", ScaleName(f, kStrings))) << f;
}

}  // namespace
}  // namespace vorlant
