// What only the built executable holds: its resources, the main dialog's system menu (run inside the test process,
// as another process cannot read that menu), the code page and paths of the files, the subclassing of controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "mainwin/main_dlg.h"
#include "resources/resource.h"
#include "resources/version.h"
#include "support/rc_strings.h"
#include "support/temp_folder.h"
#include "win/file_win32.h"
#include "win/subclass.h"
#include "win/text_codec.h"
#include "winauto.h"

namespace vorlant {
namespace {

// What Windows reads from Vorlant.exe before it runs a line of it: the version, the manifest and the icon in every
// size that Explorer and scaled displays ask for. Read as data, so that the 64-bit tests read the 32-bit build's
// executable too (VORLANT_RESOURCES_OF), on a machine that cannot run it.
TEST(ExecutableResources, HoldTheVersionTheManifestAndEveryIconSize) {
    const char* other = std::getenv("VORLANT_RESOURCES_OF");
    const std::string exe = other != nullptr ? std::string(other) : winauto::ModuleFolder() + "Vorlant.exe";
    if (other != nullptr && GetFileAttributesA(exe.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << exe << " is not built";
    }
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    for (const auto& [name, expected] : {std::pair{"ProductName", "Vorlant"}, {"FileVersion", VORLANT_VERSION},
                                         {"ProductVersion", VORLANT_VERSION}}) {
        char* text = nullptr;
        UINT length = 0;
        const std::string path = std::string("\\StringFileInfo\\041504E2\\") + name;
        ASSERT_TRUE(VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &length)) << name;
        EXPECT_EQ(std::string(text, strnlen(text, length)), expected);
    }
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << exe;
    const auto bytes = [&](LPCSTR name, LPCSTR type) {
        HRSRC found = FindResourceA(module, name, type);
        const auto* data = static_cast<const char*>(found ? LockResource(LoadResource(module, found)) : nullptr);
        return data ? std::string(data, SizeofResource(module, found)) : std::string();
    };

    const std::string manifest = bytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    for (const char* entry : {R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
                              R"(publicKeyToken="6595b64144ccf1df")", ">true</dpiAware>",
                              "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",    // Windows 7
                              "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",    // 8
                              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",    // 8.1
                              "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // 10 and 11
        EXPECT_NE(manifest.find(entry), std::string::npos) << entry;
    }
    // Aware of the system's scale, not of each monitor's; no execution level, so that the 32-bit
    // build's writes under "Program Files" keep going to the VirtualStore.
    for (const char* absent : {"<dpiAwareness", "PerMonitor", "<trustInfo", "<requestedExecutionLevel"}) {
        EXPECT_EQ(manifest.find(absent), std::string::npos) << absent;
    }

    const std::string group = bytes(MAKEINTRESOURCEA(IDI_APP), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    std::vector<int> sizes;
    for (std::size_t at = 6; at + 14 <= group.size(); at += 14) {  // GRPICONDIRENTRY
        const int size = static_cast<unsigned char>(group[at]) == 0 ? 256 : static_cast<unsigned char>(group[at]);
        const WORD id = static_cast<WORD>(static_cast<unsigned char>(group[at + 12]) |
                                          static_cast<unsigned char>(group[at + 13]) << 8);
        std::string image = bytes(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
        sizes.push_back(size);
        EXPECT_EQ(image.starts_with("\x89PNG"), size == 256) << size;  // the large one compressed
        HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(image.data()), static_cast<DWORD>(image.size()),
                                              TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr) << size;
        if (icon != nullptr) DestroyIcon(icon);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    FreeLibrary(module);
}

TEST(MainDialog, SystemMenuEndsWithSeparatorAboutCalibrationPageReadingsFullCardsAndRoundItems) {
    test::TempFolder folder;
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(winauto::Wide(folder.Str()).c_str()));
    std::vector<winauto::MenuItem> items;
    std::thread watcher([&] {
        HWND window = nullptr;
        EXPECT_TRUE(winauto::WaitUntil(
            [&] { return (window = winauto::FindTopLevelWindow("Vorlant - ", GetCurrentProcessId())) != nullptr; },
            20000));
        if (window == nullptr) return;
        items = winauto::SystemMenuItems(window);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    });
    CMainDlg dialog(folder.File("Vorlant.INI"));
    dialog.DoModal(nullptr);
    watcher.join();
    SetCurrentDirectoryW(previous);

    ASSERT_GE(items.size(), 7u);
    EXPECT_FALSE(items.front().separator);  // the platform's entries stay in front of ours
    EXPECT_TRUE(items[items.size() - 6].separator);
    const test::RcStringSource strings;
    const std::pair<UINT, unsigned> ours[] = {{IDM_ABOUTBOX, IDS_ABOUT_MENU}, {32, IDS_CALIBRATION_PAGE_MENU},
                                              {48, IDS_READINGS_MENU}, {64, IDS_FULL_CARD_MENU}, {80, IDS_ROUND_MENU}};
    for (std::size_t i = 0; i < 5; ++i) {
        const winauto::MenuItem& item = items[items.size() - 5 + i];
        EXPECT_EQ(std::pair(item.id, item.text), std::pair(ours[i].first, strings.Load(ours[i].second)));
    }
}

// The core's bytes are in code page 1250 whatever the ANSI code page; what it lacks (or has a look-alike of) is 0.
TEST(TextCodec, TheLanguagesCodePageBothWays) {
    // Run on a Windows of another language too (tests/ui/CMakeLists.txt): it must be the one asked for.
    if (const char* asked = std::getenv("VORLANT_TEST_CODE_PAGE")) { ASSERT_EQ(std::to_string(GetACP()), asked); }
    EXPECT_EQ(win::LanguageCodePage(), 1250u);
    EXPECT_EQ(win::Widen("\xA3\xF3" "d\x9F, \x8Cliwa \x96 P\xF3\xB3noc"), L"Łódź, Śliwa – Północ");
    EXPECT_EQ(win::Narrow(L"Żółw"), "\xAF\xF3\xB3w");
    EXPECT_EQ(win::Narrow(L"aāЖ"), std::string("a\0\0", 3));
    EXPECT_EQ(win::Utf8Path(win::WidePath("C:\\Zbór Łódź – Północ")), "C:\\Zbór Łódź – Północ");
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

// Names opened bare in the working folder reach the file functions full and in the long form, taken past 260
// characters: in a folder of 248 the plain "cplot.dat.new" (262 characters) would fail every save.
TEST(TextCodec, PathsReachTheFileFunctionsFullInTheLongForm) {
    std::wstring current = std::filesystem::current_path().wstring();
    if (current.back() != L'\\') current += L'\\';
    const std::string deep = "C:\\" + std::string(244, 'x');
    const struct {
        std::string path;
        std::wstring expected;
    } cases[] = {
        {"cplot.dat.new", L"\\\\?\\" + current + L"cplot.dat.new"},
        {deep + "\\cplot.dat.new", L"\\\\?\\" + win::WidePath(deep) + L"\\cplot.dat.new"},
        {"C:\\Zbór Łódź\\..\\Zbór/cplot.dat", L"\\\\?\\C:\\Zbór\\cplot.dat"},
        {"\\\\serwer\\zbór\\cplot.dat", L"\\\\?\\UNC\\serwer\\zbór\\cplot.dat"},
        {"\\\\?\\C:\\cplot.dat", L"\\\\?\\C:\\cplot.dat"},
    };
    for (const auto& c : cases) EXPECT_EQ(win::LongPath(c.path), c.expected) << c.path;
}

TEST(SubclassedControl, TakesItsMessagesPassesTheRestAndLetsGoWhenDetachedOrDestroyed) {
    constexpr int kListId = 7;
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_HASSTRINGS, 0, 0, 100, 100, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    const LONG_PTR ownProcedure = GetWindowLongPtrW(list, GWLP_WNDPROC);

    CharacterTaker taker;
    ASSERT_TRUE(taker.Attach(parent, kListId));
    EXPECT_EQ(taker.Handle(), list);
    CharacterTaker second;
    EXPECT_FALSE(second.Attach(parent, kListId)) << "two objects on one control";

    SendMessageW(list, WM_CHAR, 'a', 1);
    EXPECT_EQ(taker.characters, 1);
    EXPECT_EQ(SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"x")), 0) << "passed on";

    taker.Detach();
    EXPECT_EQ(GetWindowLongPtrW(list, GWLP_WNDPROC), ownProcedure);
    SendMessageW(list, WM_CHAR, 'b', 1);
    EXPECT_EQ(taker.characters, 1);

    ASSERT_TRUE(taker.Attach(parent, kListId));
    DestroyWindow(parent);
    EXPECT_EQ(taker.Handle(), nullptr);
}

}  // namespace
}  // namespace vorlant
