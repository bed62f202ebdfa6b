// The publisher list of the running program: its items and their order, the
// filter button's steps, and the keyboard search by typed letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "congregation.h"
#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using Items = std::vector<std::string>;

class PublisherListTest : public VorlantTest {
protected:
    // Writes a congregation whose "today" is the real date, as the program sees it.
    void WriteData(gen::GeneratorOptions options) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        options.year = now.wYear;
        options.month = now.wMonth;
        options.day = now.wDay;
        congregation = gen::Generate(options);
        ASSERT_TRUE(gen::WriteCongregation(congregation, folder.Str()));
    }

    // The list texts, in file order, of the listable publishers that `shows`
    // accepts; it learns whether each is a full-time pioneer in the report month.
    Items Expected(const std::function<bool(const gen::PublisherInfo&, bool pioneer)>& shows) const {
        Items items;
        for (const gen::PublisherInfo& p : congregation.publishers) {
            const int status = p.months[congregation.reportMonth][congregation.reportYear % 2].status;
            if (!p.omitted && shows(p, status >= 2)) items.push_back(winauto::Utf8ToAnsi(p.lastName + ", " + p.firstName));
        }
        return items;
    }

    Items ListItems() const { return winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST); }
    int Selection() const { return winauto::ListSelection(mainWindow, IDC_PUBLISHER_LIST); }

    // Clicks the filter button and waits for the caption of the next step.
    void NextFilter(const std::string& captionUtf8) {
        const std::string caption = winauto::Utf8ToAnsi(captionUtf8);
        winauto::Click(mainWindow, IDC_FILTER);
        EXPECT_TRUE(winauto::WaitUntil([&] { return winauto::ItemText(mainWindow, IDC_FILTER) == caption; }, 5000))
            << "the filter button did not show " << captionUtf8;
    }

    gen::Congregation congregation;
};

TEST_F(PublisherListTest, ShowsEveryListablePublisherInFileOrderWithTheFirstSelected) {
    WriteData({});
    ASSERT_NE(Start(), nullptr);

    const Items expected = Expected([](const gen::PublisherInfo&, bool) { return true; });
    ASSERT_LT(expected.size(), congregation.publishers.size()) << "the data should leave someone out";
    EXPECT_EQ(ListItems(), expected);
    // Code page 1250 letters such as "ł" and "ś" arrive intact.
    EXPECT_TRUE(std::ranges::any_of(expected, [](const std::string& item) {
        return std::ranges::any_of(item, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    }));
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(winauto::FocusedWindow(mainWindow), GetDlgItem(mainWindow, IDC_PUBLISHER_LIST));
    ExitWithButton();
}

TEST_F(PublisherListTest, FilterButtonStepsThroughPioneersGroupsAndTheUngrouped) {
    gen::GeneratorOptions options;
    options.groups = 3;
    WriteData(options);
    ASSERT_NE(Start(), nullptr);

    struct Step {
        std::string caption;
        std::function<bool(const gen::PublisherInfo&, bool pioneer)> shows;
    };
    const auto inGroup = [](int group) {
        return [group](const gen::PublisherInfo& p, bool pioneer) { return p.group == group && !pioneer; };
    };
    const std::vector<Step> steps = {
        {"Pionierzy (Peł i Spe)", [](const gen::PublisherInfo&, bool pioneer) { return pioneer; }},
        {"Grupa 1", inGroup(1)},
        {"Grupa 2", inGroup(2)},
        {"Grupa 3", inGroup(3)},
        {"Nie przydzieleni do Grup", inGroup(0)},
        {"Wszyscy", [](const gen::PublisherInfo&, bool) { return true; }},
    };
    for (const Step& step : steps) {
        NextFilter(step.caption);
        const Items expected = Expected(step.shows);
        EXPECT_FALSE(expected.empty()) << step.caption;
        EXPECT_EQ(ListItems(), expected) << step.caption;
        EXPECT_EQ(Selection(), expected.empty() ? -1 : 0) << step.caption;
        EXPECT_EQ(winauto::FocusedWindow(mainWindow), GetDlgItem(mainWindow, IDC_PUBLISHER_LIST)) << step.caption;
    }
    ExitWithButton();
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The first item that begins with `prefix`, ignoring the case of the letters
// typed; -1 when none does.
int FirstWithPrefix(const Items& items, const std::string& prefix) {
    const auto found = std::ranges::find_if(items, [&](const std::string& item) { return Lower(item).starts_with(Lower(prefix)); });
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

// A letter for which `accept` holds, or NUL.
char LetterWhere(const std::function<bool(char)>& accept) {
    for (char c = 'a'; c <= 'z'; ++c) {
        if (accept(c)) return c;
    }
    return '\0';
}

TEST_F(PublisherListTest, TypedLettersSelectByPrefixAndStartAgainWithALetterThatContinuesNothing) {
    gen::GeneratorOptions options;
    options.publishers = 120;
    options.groups = 1;
    WriteData(options);
    ASSERT_NE(Start(), nullptr);
    const Items items = ListItems();
    const int visible = static_cast<int>(
        [&] { RECT r{}; GetClientRect(GetDlgItem(mainWindow, IDC_PUBLISHER_LIST), &r); return r.bottom; }() /
        winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETITEMHEIGHT));

    // A name reached only by its first three letters, early enough in the list
    // that it can scroll to the top.
    int target = -1;
    for (int i = 0; i + visible < static_cast<int>(items.size()) && target < 0; ++i) {
        const std::string& name = items[static_cast<std::size_t>(i)];
        if (name.size() >= 3 && std::all_of(name.begin(), name.begin() + 3, [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }) &&
            FirstWithPrefix(items, name.substr(0, 1)) != i && FirstWithPrefix(items, name.substr(0, 3)) == i) {
            target = i;
        }
    }
    ASSERT_GE(target, 0) << "no name in the data needs three letters";
    const std::string typed = items[static_cast<std::size_t>(target)].substr(0, 3);

    const auto type = [&](char c, int selection, const std::string& why) {
        winauto::TypeCharacter(mainWindow, IDC_PUBLISHER_LIST, c);
        EXPECT_EQ(Selection(), selection) << why << " ('" << c << "')";
    };
    for (std::size_t k = 0; k < typed.size(); ++k) {
        type(typed[k], FirstWithPrefix(items, typed.substr(0, k + 1)), "prefix " + typed.substr(0, k + 1));
    }
    EXPECT_EQ(winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETTOPINDEX), target);

    // A letter that continues no name starts a new prefix on its own.
    const char restart = LetterWhere([&](char c) {
        return FirstWithPrefix(items, typed + c) < 0 && FirstWithPrefix(items, std::string(1, c)) >= 0;
    });
    ASSERT_NE(restart, '\0');
    const int restarted = FirstWithPrefix(items, std::string(1, restart));
    type(restart, restarted, "restart");
    // A letter that begins nothing keeps the selection; so do digits and blanks.
    const char nothing = LetterWhere([&](char c) { return FirstWithPrefix(items, std::string(1, c)) < 0; });
    ASSERT_NE(nothing, '\0');
    type(nothing, restarted, "no such name");
    type('7', restarted, "digit");
    type(' ', restarted, "blank");

    // The filter's round trip brings the focus back to the list, which
    // forgets the letters typed before.
    type(typed[0], FirstWithPrefix(items, typed.substr(0, 1)), "first letter again");
    for (const char* caption : {"Pionierzy (Peł i Spe)", "Grupa 1", "Nie przydzieleni do Grup", "Wszyscy"}) {
        NextFilter(caption);
    }
    // The refilled list selects its first item; a letter that begins no name keeps it.
    const int alone = std::max(FirstWithPrefix(items, typed.substr(1, 1)), 0);
    ASSERT_NE(alone, FirstWithPrefix(items, typed.substr(0, 2)));
    type(typed[1], alone, "second letter alone");
    ExitWithButton();
}

TEST_F(PublisherListTest, AnEmptyCongregationShowsNoItemAndSelectsNothingInAnyStep) {
    gen::GeneratorOptions options;
    options.publishers = 0;
    WriteData(options);
    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(ListItems().empty());
    EXPECT_EQ(Selection(), -1);
    NextFilter("Pionierzy (Peł i Spe)");
    EXPECT_TRUE(ListItems().empty());
    // Typing into the empty list finds nothing and harms nothing.
    winauto::TypeCharacter(mainWindow, IDC_PUBLISHER_LIST, 'k');
    EXPECT_EQ(Selection(), -1);
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
