// The thin Win32 layer against the real platform: the executable's string
// table as windres built it, the private-profile functions behind the
// settings, the file replacement behind the layout files, and the
// subclassing of the dialog's controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "layout/card_layout.h"
#include "layout/settings.h"
#include "resources/resource.h"
#include "support/rc_strings.h"
#include "support/temp_folder.h"
#include "win/profile.h"
#include "win/resources.h"
#include "win/subclass.h"
#include "winauto.h"

namespace vorlant {
namespace {

TEST(ResourceStrings, EveryScriptStringLoadsExactlyFromTheExecutable) {
    // The tests run under the Polish code page, as the program does.
    ASSERT_EQ(GetACP(), 1250u);
    const test::RcStringSource script;
    ASSERT_GT(script.All().size(), 200u);
    for (const auto& [id, text] : script.All()) {
        EXPECT_EQ(win::LoadResourceString(id), winauto::Utf8ToAnsi(text)) << "string " << id;
    }
    // The length message keeps its three lines and its trailing blank.
    const std::string message = win::LoadResourceString(IDS_LENGTH_MESSAGE);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 2);
    EXPECT_EQ(message.back(), ' ');
}

class ProfileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.File("Vorlant.INI");

    void WriteIni(const std::string& text) { folder.Write("Vorlant.INI", text); }
};

TEST_F(ProfileTest, IntegersReadAsThePlatformReadsThem) {
    WriteIni("[Format]\r\nA=259\r\nB=-1\r\nC=abc\r\nD=12abc\r\nE=\r\n");
    const win::Win32ProfileStore profile(path);
    struct Case {
        const char* key;
        unsigned expected;
    };
    // An empty value, like a missing key, gives the default.
    for (const Case& c : {Case{"A", 259}, Case{"B", 0xFFFFFFFFu}, Case{"C", 0}, Case{"D", 12},
                          Case{"E", 7}, Case{"Missing", 7}}) {
        EXPECT_EQ(profile.GetInt("Format", c.key, 7), c.expected) << c.key;
    }
}

TEST_F(ProfileTest, SettingsComeThroughThePlatformFunctions) {
    WriteIni("[Format]\r\nAlt Date Format=259\r\nLast Name First=257\r\nCard Version=1\r\n"
             "[Margins]\r\nTop=\r\nLeft=1.25\r\n");
    const win::Win32ProfileStore profile(path);
    Settings settings;
    LoadSettings(profile, 1, settings);
    EXPECT_EQ(settings.dateFormat, 3);
    EXPECT_EQ(settings.lastNameFirst, 1);
    EXPECT_EQ(settings.cardVersion, 0);
    EXPECT_EQ(settings.topMargin, "");
    EXPECT_EQ(settings.leftMargin, "1.25");
}

TEST_F(ProfileTest, SavedSettingsReadBackAndMissingFileGivesDefaults) {
    const win::Win32ProfileStore profile(path);
    Settings defaults;
    LoadSettings(profile, 1, defaults);
    EXPECT_EQ(defaults, Settings{});
    EXPECT_FALSE(folder.Exists("Vorlant.INI"));

    Settings changed;
    changed.dateFormat = 2;
    changed.lastNameFirst = 1;
    changed.topMargin = "0.35";
    changed.leftMargin = "1.5";
    win::Win32ProfileStore writer(path);
    SaveSettings(writer, changed, "polish");

    Settings reread;
    LoadSettings(profile, 1, reread);
    EXPECT_EQ(reread, changed);
    EXPECT_EQ(profile.GetString("FN Sort", "Enabled", "absent"), "absent");
}

TEST(LayoutFileReplacement, ReplacesOldFileOrLeavesItWhole) {
    test::TempFolder folder;
    const std::vector<std::uint8_t> old(400, '7');
    folder.Write("cplot.dat", old);

    test::RcStringSource strings;
    CardLayout layout;
    layout.LoadDefaults(0, strings);
    ASSERT_TRUE(layout.WriteFile(0, folder.Str()));
    const auto written = folder.Read("cplot.dat");
    EXPECT_EQ(written, std::vector<std::uint8_t>(layout.Bytes().begin(), layout.Bytes().end()));

    // A folder where the temporary file must go: the write fails and the
    // layout written before stays.
    ASSERT_TRUE(CreateDirectoryA(folder.File("cplot.dat.new").c_str(), nullptr));
    CardLayout other;
    other.LoadDefaults(1, strings);
    EXPECT_FALSE(other.WriteFile(0, folder.Str()));
    EXPECT_EQ(folder.Read("cplot.dat"), written);
}

// Takes the characters typed into its control and lets the rest through.
class CharacterTaker : public win::CSubclassedWindow {
public:
    int characters = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_CHAR) return Default(message, wParam, lParam);
        ++characters;
        return 0;
    }
};

TEST(SubclassedControl, TakesItsMessagesPassesTheRestAndLetsGoWhenDetachedOrDestroyed) {
    constexpr int kListId = 7;
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_HASSTRINGS, 0, 0, 100, 100, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    const LONG_PTR ownProcedure = GetWindowLongPtrW(list, GWLP_WNDPROC);

    CharacterTaker taker;
    ASSERT_TRUE(taker.Attach(parent, kListId));
    EXPECT_EQ(taker.Handle(), list);
    CharacterTaker second;
    EXPECT_FALSE(second.Attach(parent, kListId)) << "two objects on one control";

    SendMessageA(list, WM_CHAR, 'a', 1);
    EXPECT_EQ(taker.characters, 1);
    // Texts of the code page pass the subclass both ways unchanged.
    const std::string text = winauto::Utf8ToAnsi("Łódź, Żaneta");
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    char back[64] = {};
    ASSERT_EQ(SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(back)), static_cast<LRESULT>(text.size()));
    EXPECT_EQ(std::string(back), text);

    taker.Detach();
    EXPECT_EQ(GetWindowLongPtrW(list, GWLP_WNDPROC), ownProcedure);
    SendMessageA(list, WM_CHAR, 'b', 1);
    EXPECT_EQ(taker.characters, 1);

    ASSERT_TRUE(taker.Attach(parent, kListId));
    DestroyWindow(parent);
    EXPECT_EQ(taker.Handle(), nullptr);
}

}  // namespace
}  // namespace vorlant
