// What only the built executable holds: the version shown in its properties,
// and the main dialog's system menu, run inside the test process (another
// process cannot read that menu).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "mainwin/main_dlg.h"
#include "resources/resource.h"
#include "support/temp_folder.h"
#include "winauto.h"

namespace vorlant {
namespace {

TEST(VersionResource, NamesTheProductAndItsVersion) {
    const std::string exe = winauto::ModuleFolder() + "Vorlant.exe";
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    const auto value = [&](const std::string& name) {
        char* text = nullptr;
        UINT length = 0;
        const std::string path = "\\StringFileInfo\\041504E2\\" + name;
        const bool found = VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &length);
        return found ? std::string(text, strnlen(text, length)) : std::string();
    };
    EXPECT_EQ(value("ProductName"), "Vorlant");
    EXPECT_EQ(value("FileVersion"), "5b");
    EXPECT_EQ(value("ProductVersion"), "5b");
}

TEST(MainDialog, SystemMenuEndsWithSeparatorAndAboutItem) {
    test::TempFolder folder;
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Str().c_str()));
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
    SetCurrentDirectoryA(previous);

    ASSERT_GE(items.size(), 3u);
    EXPECT_FALSE(items.front().separator);  // the platform's entries stay in front of ours
    EXPECT_TRUE(items[items.size() - 2].separator);
    EXPECT_EQ(items.back().id, static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(items.back().text, "O programie Vorlant");
}

}  // namespace
}  // namespace vorlant
