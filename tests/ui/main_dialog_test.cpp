// The main dialog run inside the test process, for what another process
// cannot see of it (its system menu is not readable across processes).
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <thread>

#include "mainwin/main_dlg.h"
#include "resources/resource.h"
#include "support/temp_folder.h"
#include "winauto.h"

namespace vorlant {
namespace {

// Runs the main dialog with `folder` as the working directory; once its
// window shows, `inspect` runs on a second thread, then the dialog is left
// with its exit button.
void RunMainDialog(const test::TempFolder& folder, const std::function<void(HWND)>& inspect) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Str().c_str()));

    std::thread watcher([&] {
        HWND window = nullptr;
        const bool shown = winauto::WaitUntil(
            [&] { return (window = winauto::FindTopLevelWindow("Vorlant - ", GetCurrentProcessId())) != nullptr; },
            20000);
        EXPECT_TRUE(shown);
        if (!shown) return;
        inspect(window);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    });
    CMainDlg dialog(folder.File("Vorlant.INI"));
    dialog.DoModal(nullptr);
    watcher.join();
    SetCurrentDirectoryA(previous);
}

TEST(MainDialog, SystemMenuEndsWithSeparatorAndAboutItem) {
    test::TempFolder folder;
    std::vector<winauto::MenuItem> items;
    RunMainDialog(folder, [&](HWND window) { items = winauto::SystemMenuItems(window); });

    ASSERT_GE(items.size(), 3u);
    EXPECT_TRUE(items[items.size() - 2].separator);
    EXPECT_EQ(items.back().id, static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(items.back().text, "O programie Vorlant");
    // The entries of the platform stay in front of ours.
    EXPECT_FALSE(items.front().separator);
    EXPECT_TRUE(folder.Exists("cplot.dat"));
}

}  // namespace
}  // namespace vorlant
