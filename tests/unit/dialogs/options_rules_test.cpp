#include "dialogs/options_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rc_strings.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

struct StepCase {
    const char* shown;
    int delta;
    SpinRange range;
    const char* result;
};

TEST(StepLengthTest, MovesOneHundredthButNeverAwayFromTheRange) {
    const StepCase cases[] = {
        {"2.62", +1, kMonthlyTopRange, "2.63"},
        {"2.62", -1, kMonthlyTopRange, "2.61"},
        {"2.80", +1, kMonthlyTopRange, "2.80"},     // at the upper bound
        {"2.30", -1, kMonthlyTopRange, "2.30"},     // at the lower bound
        {"1.32", -1, kMonthlyTopRange, "1.32"},     // below: only up
        {"1.32", +1, kMonthlyTopRange, "1.33"},
        {"3.50", +1, kMonthlyTopRange, "3.50"},     // above: only down
        {"3.50", -1, kMonthlyTopRange, "3.49"},
        {"3.40", +1, kMonthlyHeightRange, "3.40"},
        {"2.90", -1, kMonthlyHeightRange, "2.90"},
        {"3.10", -5, kMonthlyHeightRange, "3.09"},  // one hundredth, whatever the proposed change
        {"2.6", +1, kMonthlyTopRange, "0.27"},      // 26 hundredths, far below
        {"0.05", +1, kMonthlyTopRange, "0.06"},     // below one inch: zero-padded
        {"abc", -1, kMonthlyTopRange, "0.00"},
        {"1.234", -1, kMonthlyTopRange, "1.23"},    // 1233 hundredths: first three digits
        {"99999999999", -1, kMonthlyTopRange, "2.14"},
    };
    for (const StepCase& c : cases) {
        EXPECT_EQ(StepLength(c.shown, c.delta, c.range), c.result) << '"' << c.shown << "\" by " << c.delta;
    }
}

TEST(StepLengthTest, AValueBelowTheRangeClimbsToItsTop) {
    std::string shown = "1.32";
    for (int i = 0; i < 200; ++i) shown = StepLength(shown, +1, kMonthlyTopRange);
    EXPECT_EQ(shown, "2.80");
}

TEST(SwitchCardVersionTest, WritesTheVersionLeftAndLoadsTheNewOne) {
    const test::RcStringSource strings;
    const test::TempFolder folder;
    OptionsValues values;
    values.workLayout.SetSlot(card_layout::kMonthlyTop, "2.70");
    const CardLayout edited = values.workLayout;
    for (const int same : {0, -1}) SwitchCardVersion(values, same, strings, folder.Str());
    EXPECT_FALSE(folder.Exists("cplot.dat"));   // the version shown, or none: no change

    folder.Write("cplot2.dat", std::vector<std::uint8_t>(400, '1'));
    SwitchCardVersion(values, 1, strings, folder.Str());
    EXPECT_EQ(values.cardVersion, 1);
    EXPECT_EQ(folder.Read("cplot.dat"), std::vector<std::uint8_t>(edited.Bytes().begin(), edited.Bytes().end()));
    EXPECT_EQ(values.workLayout.MonthlyTop(), "2.32");   // no file: the defaults of version 1
    SwitchCardVersion(values, 2, strings, folder.Str());
    EXPECT_EQ(values.workLayout.MonthlyTop(), "1111111");
    EXPECT_TRUE(folder.Exists("cplot1.dat"));
}

struct TakeOverCase {
    const char* name;
    bool ok;
    std::string_view language;
    std::uint8_t changedBefore;
    void (*edit)(OptionsValues&);
    bool changed;
    bool sort;
};

void NoEdit(OptionsValues&) {}

TEST(TakeOverOptionsTest, ChangesAreNoticedTakenOverAndRebuildTheList) {
    const TakeOverCase cases[] = {
        {"ok, nothing changed", true, "polish", 0, NoEdit, false, false},
        {"date style", true, "polish", 0, [](OptionsValues& v) { v.dateFormat = 2; }, true, false},
        {"top margin", true, "polish", 0, [](OptionsValues& v) { v.topMargin = "0.10"; }, true, false},
        {"left margin, same length in another text", true, "polish", 0,
         [](OptionsValues& v) { v.leftMargin = "0.2"; }, true, false},
        {"card version", true, "polish", 0, [](OptionsValues& v) { v.cardVersion = 1; }, true, false},
        {"last layout byte", true, "polish", 0, [](OptionsValues& v) { v.workLayout.Bytes()[399] = 1; }, true, false},
        {"first-name sort elsewhere", true, "polish", 0, [](OptionsValues& v) { v.fnSortEnabled = 0; }, false, false},
        {"first-name sort", true, "portuguese", 0, [](OptionsValues& v) { v.fnSortEnabled = 0; }, true, true},
        {"portuguese, margin", true, "portuguese", 0, [](OptionsValues& v) { v.topMargin = "1.00"; }, true, true},
        {"portuguese, changed earlier", true, "portuguese", 1, NoEdit, true, true},
        {"portuguese, nothing", true, "portuguese", 0, NoEdit, false, false},
        {"cancel", false, "portuguese", 0, [](OptionsValues& v) { v.topMargin = "1.00"; }, false, false},
        {"cancel, changed earlier", false, "polish", 1, [](OptionsValues& v) { v.dateFormat = 3; }, true, false},
    };
    for (const TakeOverCase& c : cases) {
        SCOPED_TRACE(c.name);
        Settings settings;
        settings.fnSortEnabled = 1;
        CardLayout layout;
        layout.LoadDefaults(0, test::RcStringSource{});
        std::uint8_t settingsChanged = c.changedBefore;
        const OptionsValues before = OptionsValuesOf(settings, layout);
        OptionsValues chosen = before;
        c.edit(chosen);

        const OptionsFollowUp next = TakeOverOptions(c.ok, chosen, c.language, settings, layout, settingsChanged);

        EXPECT_EQ(settingsChanged, c.changed ? 1 : 0);
        EXPECT_EQ(next.rebuildList, c.changed);
        EXPECT_EQ(next.sortPublishers, c.sort);
        OptionsValues expected = c.ok ? chosen : before;
        if (c.ok && c.language != "portuguese") expected.fnSortEnabled = 0;
        EXPECT_EQ(OptionsValuesOf(settings, layout), expected);
    }
}

}  // namespace
}  // namespace vorlant
