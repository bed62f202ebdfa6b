// The options dialog and the detailed layout dialog of the running program:
// lengths refused or normalised when a field is left, the spinners' arrows,
// restoring the defaults, and what Cancel and OK leave in the files.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "dialog_driving.h"
#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemText;
using winauto::Utf8ToAnsi;
using winauto::WaitUntil;

constexpr const char* kLengthMessage =
    "Proszę wpisać marginesy jako wartości numeryczne z 2 miejscami po przecinku\n"
    "Przykłady: 1.00 1.25 0.88\nMaksymalna wartość to 9,99 ";

// A whole layout in which every used slot differs from the defaults:
// "0.10", "0.11", ... by slot; the monthly block's top is "0.50".
std::vector<std::uint8_t> CustomLayout() {
    std::vector<std::uint8_t> bytes(400, 0);
    for (std::size_t slot = 0; slot < 49; ++slot) {
        if (slot >= 24 && slot < 40) continue;
        const std::string value = "0." + std::to_string(10 + slot);
        std::copy(value.begin(), value.end(), bytes.begin() + static_cast<long>(slot * 8));
    }
    return bytes;
}

std::string SlotOf(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::string text(bytes.begin() + static_cast<long>(offset), bytes.begin() + static_cast<long>(offset + 8));
    return text.substr(0, text.find('\0'));
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

class OptionsDialogTest : public VorlantTest {
protected:
    HWND OpenOptions() { return uitest::OpenOptions(*program, mainWindow); }
    HWND OpenLayout(HWND options) { return uitest::OpenLayout(*program, options); }

    HWND MessageBoxShown(DWORD timeoutMs) {
        return WaitForOtherWindow(
            *program, mainWindow,
            [](HWND w) { return ClassOf(w) == "#32770" && winauto::WindowText(w) == "Vorlant"; }, timeoutMs);
    }

    // Expects the length message, exactly once, and dismisses it.
    void DismissLengthMessage() {
        HWND box = MessageBoxShown(kDialogWaitMs);
        ASSERT_NE(box, nullptr) << "no message box";
        std::string text;
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassOf(child) == "Static" && winauto::WindowText(child).size() > text.size()) {
                text = winauto::WindowText(child);
            }
        }
        EXPECT_EQ(text, Utf8ToAnsi(kLengthMessage));
        winauto::Click(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kDialogWaitMs));
        EXPECT_EQ(MessageBoxShown(300), nullptr) << "the message came twice";
    }

    // One click on a spinner's upper or lower arrow, through its own mouse handling.
    void ClickArrow(HWND dialog, int spinnerId, bool up) {
        HWND spinner = GetDlgItem(dialog, spinnerId);
        RECT client{};
        GetClientRect(spinner, &client);
        const LPARAM at = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
        Send(spinner, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Send(spinner, WM_LBUTTONUP, 0, at);
    }

    std::string SpinnerValue(HWND dialog, int spinnerId) {
        return winauto::WindowText(reinterpret_cast<HWND>(Send(GetDlgItem(dialog, spinnerId), UDM_GETBUDDY, 0, 0)));
    }

    // In both dialogs, the detailed one ended with OK: the top margin, the
    // date format, the height (0.51 in the custom layout) and the first column.
    void ChangeInBothDialogs(HWND options) {
        TypeAndLeave(options, IDC_OPT_TOP_MARGIN, "035");
        ASSERT_TRUE(WaitForText(options, IDC_OPT_TOP_MARGIN, "0.35"));
        winauto::Click(options, IDC_OPT_DATE_LAST);
        ClickArrow(options, IDC_OPT_HEIGHT_SPIN, true);
        ASSERT_EQ(SpinnerValue(options, IDC_OPT_HEIGHT_SPIN), "0.52");
        HWND layout = OpenLayout(options);
        ASSERT_NE(layout, nullptr);
        TypeAndLeave(layout, 1068, "2.5");
        ASSERT_TRUE(WaitForText(layout, 1068, "2.50"));
        CloseWith(layout, IDOK);
    }
};

TEST_F(OptionsDialogTest, MarginThatCannotBeReadIsRefusedAndTheLastValueReturns) {
    WriteCongregation();
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(ItemText(options, IDC_OPT_TOP_MARGIN), "0.00");

    TypeAndLeave(options, IDC_OPT_TOP_MARGIN, "abc");
    DismissLengthMessage();
    EXPECT_TRUE(WaitForText(options, IDC_OPT_TOP_MARGIN, "0.00")) << ItemText(options, IDC_OPT_TOP_MARGIN);

    // Enter ends the dialog without leaving the field: the rule still holds.
    Type(options, IDC_OPT_LEFT_MARGIN, "1,5");
    winauto::PressKey(options, VK_RETURN);
    DismissLengthMessage();
    EXPECT_TRUE(WaitForText(options, IDC_OPT_LEFT_MARGIN, "0.20"));
    EXPECT_TRUE(WaitForFocus(options, IDC_OPT_LEFT_MARGIN));

    CloseWith(options, IDCANCEL);
    ExitWithButton();
    EXPECT_FALSE(folder.Exists("Vorlant.INI"));
}

TEST_F(OptionsDialogTest, LayoutFieldIsNormalisedOnTabOrKeepsTheFocus) {
    folder.Write("cplot.dat", CustomLayout());
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    HWND layout = OpenLayout(options);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(winauto::WindowText(layout), Utf8ToAnsi("Szczegóły układu - S-21-P  11/23"));
    EXPECT_EQ(ItemText(layout, IDC_LAY_RESTORE), Utf8ToAnsi("Przywróć domyślne - S-21-P  11/23"));
    for (const int id : {1031, 1054, 1072, 1073, 1078, 1079}) EXPECT_FALSE(winauto::ItemVisible(layout, id)) << id;

    TypeAndLeave(layout, 1068, "3");
    EXPECT_TRUE(WaitForText(layout, 1068, "3.00")) << ItemText(layout, 1068);
    EXPECT_TRUE(WaitForFocus(layout, 1069));

    TypeAndLeave(layout, 1068, "3,5");
    DismissLengthMessage();
    EXPECT_TRUE(WaitForFocus(layout, 1068));
    EXPECT_EQ(ItemText(layout, 1068), "3,5");
    // OK, by Enter or by a click that leaves the field first, keeps the
    // dialog open with one message.
    winauto::PressKey(layout, VK_RETURN);
    DismissLengthMessage();
    winauto::Click(layout, IDOK);
    DismissLengthMessage();
    EXPECT_TRUE(WaitForFocus(layout, 1068));

    winauto::Click(layout, IDC_LAY_RESTORE);
    ASSERT_TRUE(WaitForText(layout, 1068, "1.60"));
    const std::pair<int, const char*> defaults[] = {{1066, "2.62"}, {1067, "3.10"}, {1069, "2.60"},
                                                    {1070, "3.35"}, {1071, "4.35"}, {1074, "4.65"}};
    for (const auto& [id, value] : defaults) EXPECT_EQ(ItemText(layout, id), value) << id;

    CloseWith(layout, IDCANCEL);
    CloseWith(options, IDCANCEL);
    ExitWithButton();
}

TEST_F(OptionsDialogTest, SpinnerArrowsStepTowardsTheirRangeOnlyAndDefaultsReturn) {
    auto custom = CustomLayout();
    std::copy_n("1.32", 4, custom.begin() + 320);   // below the start's range
    std::copy_n("3.40", 4, custom.begin() + 328);   // at the top of the height's range
    folder.Write("cplot.dat", custom);
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);

    const struct { int spinner; bool up; const char* shown; } steps[] = {
        {IDC_OPT_START_SPIN, false, "1.32"}, {IDC_OPT_START_SPIN, true, "1.33"},
        {IDC_OPT_START_SPIN, true, "1.34"},  {IDC_OPT_HEIGHT_SPIN, true, "3.40"},
        {IDC_OPT_HEIGHT_SPIN, false, "3.39"},
    };
    for (const auto& step : steps) {
        ClickArrow(options, step.spinner, step.up);
        EXPECT_EQ(SpinnerValue(options, step.spinner), step.shown) << step.spinner << (step.up ? " up" : " down");
    }

    winauto::Click(options, IDC_OPT_RESTORE);
    EXPECT_TRUE(WaitUntil([&] { return SpinnerValue(options, IDC_OPT_START_SPIN) == "2.62"; }, kDialogWaitMs));
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_HEIGHT_SPIN), "3.10");
    ClickArrow(options, IDC_OPT_START_SPIN, true);

    CloseWith(options, IDOK);
    ExitWithButton();
    const auto written = folder.Read("cplot.dat");
    EXPECT_EQ(SlotOf(written, 320), "2.63");
    EXPECT_EQ(SlotOf(written, 336), "1.60");   // restored with the rest of the layout
}

TEST_F(OptionsDialogTest, CancelLeavesTheIniFileAndTheLayoutFileUntouched) {
    const auto custom = CustomLayout();
    folder.Write("cplot.dat", custom);
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    ChangeInBothDialogs(options);
    CloseWith(options, IDCANCEL);

    ExitWithButton();
    EXPECT_FALSE(folder.Exists("Vorlant.INI"));
    EXPECT_EQ(folder.Read("cplot.dat"), custom);
}

TEST_F(OptionsDialogTest, OkChangesTheIniFileAtExit) {
    folder.Write("cplot.dat", CustomLayout());
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    ChangeInBothDialogs(options);
    CloseWith(options, IDOK);

    EXPECT_FALSE(folder.Exists("Vorlant.INI"));   // settings are written only at exit
    ExitWithButton();
    const auto iniBytes = folder.Read("Vorlant.INI");
    const std::string ini(iniBytes.begin(), iniBytes.end());
    for (const char* line : {"Alt Date Format=3", "Top=0.35", "Left=0.20"}) {
        EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;
    }
    EXPECT_EQ(ini.find("FN Sort"), std::string::npos) << ini;
    const auto layout = folder.Read("cplot.dat");
    EXPECT_EQ(SlotOf(layout, 328), "0.52");
    EXPECT_EQ(SlotOf(layout, 336), "2.50");
}

}  // namespace
}  // namespace vorlant::uitest
