// The program as the user starts and leaves it: the password asked first, the About box, what each way out leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dialog_driving.h"
#include "resources/resource.h"
#include "resources/version.h"
#include "support/rc_strings.h"
#include "ui_support.h"
#include "win/text_codec.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemText;

class MainWindowTest : public VorlantTest {};

TEST_F(MainWindowTest, EveryWayOutWritesOnlyTheLayout) {
    const struct {
        const char* name;
        bool withData;
        void (*leave)(HWND window);
    } ways[] = {{"system menu", false, [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
                {"exit button", true, [](HWND w) { winauto::Click(w, IDC_EXIT); }},
                {"Escape", true, [](HWND w) { winauto::PressKey(w, VK_ESCAPE); }}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        if (way.withData) WriteCongregation();
        const Files before = Snapshot(folder, "cplot.dat");
        const auto dataTime = winauto::LastWriteTime(folder.File("tdat9.bin"));
        ASSERT_NE(Start(), nullptr);
        EXPECT_EQ(winauto::WindowText(mainWindow), kMainCaption);
        way.leave(mainWindow);
        EXPECT_EQ(program->WaitForExit(kStartTimeoutMs), 0);

        // The default layout is written at exit; nothing else changes.
        EXPECT_EQ(folder.Read("cplot.dat").size(), 400u);
        EXPECT_EQ(LayoutSlot(folder.Read("cplot.dat"), 320), "2.62");
        EXPECT_EQ(Snapshot(folder, "cplot.dat"), before);
        EXPECT_EQ(winauto::LastWriteTime(folder.File("tdat9.bin")), dataTime);
    }
}

class PasswordTest : public VorlantTest {};

// The password stored in code page 1250 is typed as the keyboard brings it (UTF-16); the last letter opens the main
// window. A scrambling base other than the built-in 0x11 named in the INI file reads names and password.
TEST_F(PasswordTest, TypedWithPolishLettersItOpensTheMainWindowUnderTheIniScrambleBase) {
    // Each byte of code page 1250 one lower: what a text scrambled with base 0x11 reads as with 0x12.
    const auto oneLower = [](const std::string& utf8) {
        std::string text = win::FromUtf16(1250, winauto::Wide(utf8));
        for (char& c : text) --c;
        return win::ToUtf16(1250, text);
    };
    const std::string ini = "[Data]\r\nScramble Base=18\r\n";
    folder.Write("Vorlant.INI", ini);
    HWND dialog = StartAtPassword("Żółw7ś");
    ASSERT_NE(dialog, nullptr);
    // Posted: the dialog ends as soon as the text matches.
    for (const wchar_t c : oneLower("Żółw7ś")) PostMessageW(GetDlgItem(dialog, IDC_PASSWORD_EDIT), WM_CHAR, c, 1);
    mainWindow = program->WaitForWindow("Vorlant", kStartTimeoutMs);
    ASSERT_NE(mainWindow, nullptr) << "the password was not taken";

    const auto first = std::ranges::find_if(congregation.publishers, [](const auto& p) { return !p.omitted; });
    const std::vector<std::string> items = winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front(), winauto::Utf8(oneLower(first->lastName) + L", " + oneLower(first->firstName)));
    ExitWithButton();
    EXPECT_EQ(folder.Read("Vorlant.INI"), std::vector<std::uint8_t>(ini.begin(), ini.end()));
}

TEST_F(PasswordTest, RefusedEndsWithoutMainWindowAndWritesNothing) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape, own files there" : "OK twice");
        if (escape) {
            folder.Write("cplot.dat", std::vector<std::uint8_t>(400, '7'));
            folder.Write("Vorlant.INI", std::string("[Margins]\r\nTop=0.40\r\n"));
        }
        HWND dialog = StartAtPassword("Tajne7");
        ASSERT_NE(dialog, nullptr);
        const Files before = Snapshot(folder);
        if (escape) {
            winauto::PressKey(dialog, VK_ESCAPE);
        } else {
            winauto::Click(dialog, IDOK);
            EXPECT_TRUE(WaitForText(dialog, IDC_PASSWORD_MESSAGE, test::RcStringSource{}.Load(IDS_PASSWORD_WRONG)));
            winauto::Click(dialog, IDOK);
        }
        EXPECT_EQ(program->WaitForWindow("Vorlant", kStartTimeoutMs), nullptr) << "the main window showed";
        EXPECT_EQ(program->WaitForExit(kStartTimeoutMs), 0);
        EXPECT_EQ(Snapshot(folder), before);
    }
}

std::size_t Characters(const std::string& text) {
    return static_cast<std::size_t>(std::ranges::count_if(text, [](char c) { return (c & 0xC0) != 0x80; }));
}

class AboutBoxTest : public VorlantTest {
protected:
    // The folder `relative` to the test's folder, made; its full path.
    std::string MakeFolder(const std::string& relative) {
        EXPECT_TRUE(std::filesystem::create_directory(folder / relative)) << relative;
        return folder.File(relative);
    }

    // The About box's folder, which must take two lines, without its line breaks, of the program started in `where`.
    std::string ShownLocation(const std::string& where, const std::string& picture) {
        if (Start(where) == nullptr) return {};
        PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        HWND about = program->WaitForWindow("O programie Vorlant", kStartTimeoutMs);
        EXPECT_NE(about, nullptr);
        if (about == nullptr) return {};
        std::string shown = ItemText(about, IDC_ABOUT_LOCATION);
        EXPECT_EQ(ItemText(about, IDC_ABOUT_VERSION), "Vorlant Wersja " VORLANT_VERSION);
        EXPECT_TRUE(winauto::WaitUntil([&] { return winauto::Painted(about, {IDC_ABOUT_LOCATION}); }, 5000));
        RECT box{};
        GetWindowRect(about, &box);
        Shot(box).SaveBmp(winauto::ModuleFolder() + picture);
        CloseWith(about, IDOK);
        ExitWithButton();
        EXPECT_NE(shown.find("\r\n"), std::string::npos) << shown;
        for (std::size_t at; (at = shown.find("\r\n")) != std::string::npos;) shown.erase(at, 2);
        return shown;
    }
};

// Whole when two lines hold it; else shortened in its middle, keeping its drive and its own name.
TEST_F(AboutBoxTest, ShowsTheFolderInTwoLinesShortenedOnlyWhenTheyCannotHoldIt) {
    // 70 characters without a blank, too long for one line.
    ASSERT_LT(Characters(folder.Str()), 66u) << folder.Str();
    const std::size_t room = 70 - Characters(folder.Str()) - 1;
    const std::string name = std::string("Karty_glosicieli_zboru_Polnoc_2025").substr(0, room);
    const std::string path = MakeFolder(name + std::string(room - name.size(), '7'));
    ASSERT_EQ(Characters(path), 70u);
    EXPECT_EQ(ShownLocation(path, "about-folder-of-70.bmp"), path);

    // A folder of about 200 characters.
    const char* const parts[] = {"Dokumenty sekretarza zboru", "Sprawozdania z lat 2020-2025",
                                 "Kopie zapasowe i archiwum", "Rok służbowy 2024-2025 i poprzednie",
                                 "Karty głosicieli zboru Północ"};
    std::string relative, deep;
    for (const char* part : parts) {
        relative += (relative.empty() ? "" : "\\") + std::string(part);
        deep = MakeFolder(relative);
    }
    ASSERT_TRUE(Characters(deep) >= 180 && Characters(deep) < 240) << deep;
    const std::string shown = ShownLocation(deep, "about-folder-of-200.bmp");
    const std::size_t dots = shown.find("...");
    ASSERT_NE(dots, std::string::npos) << shown;
    EXPECT_TRUE(dots >= 3 && deep.starts_with(shown.substr(0, dots))) << shown;  // the drive at least
    EXPECT_TRUE(shown.ends_with(parts[4]) && deep.ends_with(shown.substr(dots + 3))) << shown;
}

}  // namespace
}  // namespace vorlant::uitest
