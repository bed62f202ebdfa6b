// The rules of the options and detailed layout dialogs.
#include "dialogs/options_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "dialogs/layout_fields.h"
#include "support/rc_strings.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

// What OK stores over `layout` after the texts typed into the edits (by id), or the edit it rejects.
std::pair<CardLayout, std::optional<int>> AfterOk(CardLayout layout, const std::map<int, std::string>& typed) {
    LayoutFieldTexts texts = FieldTextsOf(layout);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (const auto it = typed.find(LayoutFields()[i].editId); it != typed.end()) texts[i] = it->second;
    }
    const auto index = NormalizeShownFields(texts);
    if (index) return {layout, LayoutFields()[*index].editId};
    StoreFieldTexts(texts, layout);
    return {layout, std::nullopt};
}

TEST(LayoutFieldsTest, OkStoresNormalisedTextsOfSevenCharactersAtMost) {
    // A hidden slot keeps what the file gave it; columns 4 and 5 (1072, 1073) are hidden, not checked.
    CardLayout before;
    before.LoadDefaults(0, test::RcStringSource{});
    before.SetSlot(card_layout::HeaderX(3), "junk!");
    EXPECT_EQ(AfterOk(before, {}), std::pair(before, std::optional<int>()));
    const CardLayout layout = AfterOk(before, {{1068, "3"}, {1069, "1.2345678901"}, {1072, "x"}, {1074, "4"}}).first;
    EXPECT_EQ(std::tuple(layout.ColumnX(0), layout.ColumnX(1), layout.ColumnX(4), layout.ColumnX(6)),
              std::tuple("3.00", "1.23456", "x", "4.00"));
    EXPECT_EQ(layout.Slot(card_layout::HeaderX(3)), "junk!");
    EXPECT_EQ(AfterOk(before, {{1066, "2"}, {1069, "3,5"}, {1071, "abc"}}).second, 1069);
}

TEST(StepLengthTest, MovesOneHundredthButNeverAwayFromTheRange) {
    for (const auto& [shown, delta, result] :
         {std::tuple{"2.62", +1, "2.63"}, {"2.62", -1, "2.61"}, {"2.80", +1, "2.80"}, {"2.30", -1, "2.30"},
          {"1.32", -1, "1.32"}, {"1.32", +1, "1.33"}, {"3.50", +1, "3.50"}, {"3.50", -5, "3.49"},
          {"0.05", +1, "0.06"}, {"1.234", -1, "1.23"}, {"12345", -1, "1.23"}}) {  // the first three digits
        EXPECT_EQ(StepLength(shown, delta, kMonthlyTopRange), result) << '"' << shown << "\" by " << delta;
    }
}

TEST(TakeOverOptionsTest, ChangesAreNoticedTakenOverAndRebuildTheList) {
    struct Case { bool ok, portuguese; std::uint8_t changedBefore; void (*edit)(OptionsValues&); bool changed, sort; };
    const auto none = [](OptionsValues&) {};
    const Case cases[] = {
        {true, false, 0, none, false, false},
        {true, false, 0, [](OptionsValues& v) { v.dateFormat = 2; }, true, false},
        {true, false, 0, [](OptionsValues& v) { v.leftMargin = "0.2"; }, true, false},  // same length, other text
        {true, false, 0, [](OptionsValues& v) { v.cardVersion = 1; }, true, false},
        {true, false, 0, [](OptionsValues& v) { v.workLayout.Bytes()[399] = 1; }, true, false},
        {true, false, 0, [](OptionsValues& v) { v.fnSortEnabled = 0; }, false, false},  // not offered: kept off
        {true, true, 0, [](OptionsValues& v) { v.fnSortEnabled = 0; }, true, true},
        {true, true, 0, none, false, false},
        {true, true, 1, none, true, true},
        {false, true, 0, [](OptionsValues& v) { v.topMargin = "1.00"; }, false, false},
        {false, false, 1, [](OptionsValues& v) { v.dateFormat = 3; }, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        Settings settings;
        settings.fnSortEnabled = 1;
        CardLayout layout;
        std::uint8_t settingsChanged = c.changedBefore;
        const OptionsValues before = OptionsValuesOf(settings, layout);
        OptionsValues chosen = before;
        c.edit(chosen);
        const OptionsFollowUp next =
            TakeOverOptions(c.ok, chosen, c.portuguese ? "portuguese" : "polish", settings, layout, settingsChanged);
        EXPECT_EQ(std::tuple(settingsChanged != 0, next.rebuildList, next.sortPublishers),
                  std::tuple(c.changed, c.changed, c.sort));
        OptionsValues expected = c.ok ? chosen : before;
        if (c.ok && !c.portuguese) expected.fnSortEnabled = 0;
        EXPECT_EQ(OptionsValuesOf(settings, layout), expected);
    }
}

// A folder at the left version's file name: the folder stays as it was and the new version is taken all the same.
TEST(SwitchCardVersionTest, WritesTheVersionLeftAndSaysWhenChangesWereLost) {
    for (const bool blocked : {false, true}) {
        for (const bool changed : {false, true}) {
            SCOPED_TRACE(testing::Message() << (blocked ? "blocked" : "free") << (changed ? ", changed" : ""));
            const test::TempFolder folder;
            if (blocked) std::filesystem::create_directory(folder / "cplot.dat");
            folder.Write("cplot1.dat", std::vector<std::uint8_t>(400, '1'));
            const test::RcStringSource strings;
            LayoutFiles files(folder.Str());
            OptionsValues values;
            values.workLayout = files.Load(0, strings);
            if (changed) values.workLayout.SetSlot(card_layout::kMonthlyTop, "2.70");
            const std::string top(values.workLayout.MonthlyTop());

            EXPECT_TRUE(SwitchCardVersion(values, 0, files, strings));  // the version shown: nothing written
            EXPECT_EQ(blocked, folder.Exists("cplot.dat"));
            EXPECT_EQ(SwitchCardVersion(values, 1, files, strings), !(blocked && changed));
            EXPECT_EQ(values.cardVersion, 1);
            EXPECT_EQ(values.workLayout.MonthlyTop(), "1111111");
            if (blocked) {
                EXPECT_TRUE(std::filesystem::is_empty(folder / "cplot.dat"));
            } else {
                const std::vector<std::uint8_t> bytes = folder.Read("cplot.dat");
                EXPECT_EQ(std::string(bytes.begin() + 320, bytes.begin() + 324), top);
            }
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
            // Back again: the version left is read as it was written, or as it stood.
            EXPECT_TRUE(SwitchCardVersion(values, 0, files, strings));
            EXPECT_EQ(values.workLayout.MonthlyTop(), blocked ? "2.62" : top);
        }
    }
}

}  // namespace
}  // namespace vorlant
