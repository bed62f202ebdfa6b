// The main window as the user meets it: caption, buttons, system menu, and
// the ways out, none of which may write the INI file or touch the data.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemChecked;
using winauto::ItemEnabled;
using winauto::ItemText;
using winauto::ItemVisible;

class MainWindowTest : public VorlantTest {};

TEST_F(MainWindowTest, OpensWithCaptionControlsAndDisabledPrintButton) {
    WriteCongregation();
    HWND window = Start();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(winauto::WindowText(window), kMainCaption);
    EXPECT_FALSE(ItemEnabled(window, IDC_PRINT));
    EXPECT_EQ(ItemText(window, IDC_PRINT), "&Drukuj");
    EXPECT_EQ(ItemText(window, IDC_EXIT), winauto::Utf8ToAnsi("&Wyjście"));
    EXPECT_EQ(ItemText(window, IDC_OPTIONS), "Opcje");
    EXPECT_EQ(ItemText(window, IDC_FILTER), "Wszyscy");
    for (int id = IDC_MONTH_FIRST; id <= IDC_MONTH_LAST; ++id) {
        EXPECT_TRUE(ItemVisible(window, id)) << id;
        EXPECT_FALSE(ItemChecked(window, id)) << id;
    }
    for (int id : {IDC_LONG_NAME, IDC_LAST_NAME_FIRST, IDC_THIRTEENTH_MONTH, IDC_PREVIOUS_YEAR,
                   IDC_PRINT_HEADER, IDC_SEX, IDC_PRINT_FULL_CARD}) {
        EXPECT_FALSE(ItemVisible(window, id)) << id;
    }
    EXPECT_FALSE(ItemEnabled(window, IDC_HEADER_PANEL));
    EXPECT_FALSE(ItemEnabled(window, IDC_CARD_PREVIEW));
    ExitWithButton();
}

struct ExitPath {
    const char* name;
    void (*leave)(HWND window);
    friend void PrintTo(const ExitPath& path, std::ostream* out) { *out << path.name; }
};

class ExitTest : public VorlantTest, public ::testing::WithParamInterface<ExitPath> {};

TEST_P(ExitTest, EndsCleanlyWithoutIniAndLeavesDataUntouched) {
    WriteCongregation();
    const auto dataBefore = folder.Read("tdat9.bin");
    const auto timeBefore = winauto::LastWriteTime(folder.File("tdat9.bin"));
    HWND window = Start();
    ASSERT_NE(window, nullptr);

    GetParam().leave(window);

    EXPECT_EQ(program->WaitForExit(kExitTimeoutMs), 0);
    EXPECT_FALSE(folder.Exists("Vorlant.INI"));
    EXPECT_EQ(folder.Read("tdat9.bin"), dataBefore);
    EXPECT_EQ(winauto::LastWriteTime(folder.File("tdat9.bin")), timeBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ExitTest,
    ::testing::Values(
        ExitPath{"ExitButton", [](HWND w) { winauto::Click(w, IDC_EXIT); }},
        ExitPath{"EscapeKey", [](HWND w) { winauto::PressKey(w, VK_ESCAPE); }},
        ExitPath{"CloseBox", [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); }},
        ExitPath{"SystemMenuClose", [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, StartsAndEndsWithoutAnyDataFile) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(winauto::WindowText(window), kMainCaption);
    ExitWithButton();
    EXPECT_FALSE(folder.Exists("tdat9.bin"));
}

}  // namespace
}  // namespace vorlant::uitest
