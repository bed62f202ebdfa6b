// The options dialog and the detailed layout dialog of the running program:
// lengths refused or normalised when a field is left, the spinners' arrows,
// restoring the defaults, and what Cancel and OK leave in the files.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemText;
using winauto::ItemVisible;
using winauto::Utf8ToAnsi;

constexpr DWORD kWaitMs = 10000;
constexpr const char* kLengthMessage =
    "Proszę wpisać marginesy jako wartości numeryczne z 2 miejscami po przecinku\n"
    "Przykłady: 1.00 1.25 0.88\nMaksymalna wartość to 9,99 ";

// The edits of the detailed layout dialog that the user sees, in the order
// of their restored version-0 values.
constexpr int kShownLayoutEdits[] = {1066, 1067, 1068, 1069, 1070, 1071, 1074};
constexpr const char* kVersion0Values[] = {"2.62", "3.10", "1.60", "2.60", "3.35", "4.35", "4.65"};

// A whole layout in which every used slot differs from the defaults.
std::vector<std::uint8_t> CustomLayout() {
    std::vector<std::uint8_t> bytes(400, 0);
    for (std::size_t slot = 0; slot < 50; ++slot) {
        if ((slot >= 24 && slot < 40) || slot == 49) continue;
        const std::string value = "0." + std::to_string(10 + slot);
        std::copy(value.begin(), value.end(), bytes.begin() + static_cast<long>(slot * 8));
    }
    return bytes;
}

void PutSlot(std::vector<std::uint8_t>& bytes, std::size_t offset, const std::string& text) {
    std::fill(bytes.begin() + static_cast<long>(offset), bytes.begin() + static_cast<long>(offset + 8), 0);
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<long>(offset));
}

std::string SlotOf(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::string text;
    for (std::size_t i = offset; i < offset + 8 && i < bytes.size() && bytes[i] != 0; ++i) {
        text += static_cast<char>(bytes[i]);
    }
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

HWND FocusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ? info.hwndFocus : nullptr;
}

class OptionsDialogTest : public VorlantTest {
protected:
    // The program's dialog that holds control `id`, once it shows.
    HWND WaitForDialogWith(int id) {
        HWND found = nullptr;
        winauto::WaitUntil(
            [&] {
                for (HWND window : program->Windows()) {
                    if (GetDlgItem(window, id) != nullptr && window != mainWindow) found = window;
                }
                return found != nullptr;
            },
            kWaitMs);
        return found;
    }

    HWND OpenOptions() {
        winauto::Click(mainWindow, IDC_OPTIONS);
        HWND dialog = WaitForDialogWith(IDC_OPT_RESTORE);
        EXPECT_NE(dialog, nullptr) << "the options dialog did not open";
        return dialog;
    }

    HWND OpenLayout(HWND options) {
        winauto::Click(options, IDC_OPT_DETAILED);
        HWND dialog = WaitForDialogWith(IDC_LAY_RESTORE);
        EXPECT_NE(dialog, nullptr) << "the detailed layout dialog did not open";
        return dialog;
    }

    // The program's message box (captioned with the application's name).
    HWND WaitForMessageBox(DWORD timeoutMs = kWaitMs) {
        HWND found = nullptr;
        winauto::WaitUntil(
            [&] {
                for (HWND window : program->Windows()) {
                    if (ClassOf(window) == "#32770" && winauto::WindowText(window) == "Vorlant") found = window;
                }
                return found != nullptr;
            },
            timeoutMs);
        return found;
    }

    // Expects the length message, once, and dismisses it.
    void DismissLengthMessage() {
        HWND box = WaitForMessageBox();
        ASSERT_NE(box, nullptr) << "no message box";
        std::string longest;
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::string text = winauto::WindowText(child);
            if (ClassOf(child) == "Static" && text.size() > longest.size()) longest = text;
        }
        EXPECT_EQ(longest, Utf8ToAnsi(kLengthMessage));
        winauto::Click(box, IDOK);
        ASSERT_TRUE(winauto::WaitUntil([&] { return !IsWindow(box); }, kWaitMs));
        EXPECT_EQ(WaitForMessageBox(300), nullptr) << "the message came twice";
    }

    void Focus(HWND dialog, int id) {
        HWND item = GetDlgItem(dialog, id);
        // Posted: a message box opened by the field being left must not block us.
        PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
        ASSERT_TRUE(winauto::WaitUntil([&] { return FocusOf(dialog) == item; }, kWaitMs)) << "no focus on " << id;
    }

    // Types `text` into the field as the user would: focus, text, then Tab.
    void TypeAndLeave(HWND dialog, int id, const std::string& text) {
        Focus(dialog, id);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                            SMTO_ABORTIFHUNG, kWaitMs, &ignored);
        winauto::PressKey(dialog, VK_TAB);
    }

    bool WaitForText(HWND dialog, int id, const std::string& text) {
        return winauto::WaitUntil([&] { return ItemText(dialog, id) == text; }, kWaitMs);
    }

    // One click on the upper or lower arrow of a spinner, through the
    // control's own mouse handling.
    void ClickArrow(HWND dialog, int spinnerId, bool up) {
        HWND spinner = GetDlgItem(dialog, spinnerId);
        RECT client{};
        GetClientRect(spinner, &client);
        const LPARAM at = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(spinner, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_ABORTIFHUNG, kWaitMs, &ignored);
        SendMessageTimeoutA(spinner, WM_LBUTTONUP, 0, at, SMTO_ABORTIFHUNG, kWaitMs, &ignored);
    }

    std::string SpinnerValue(HWND dialog, int spinnerId) {
        DWORD_PTR buddy = 0;
        SendMessageTimeoutA(GetDlgItem(dialog, spinnerId), UDM_GETBUDDY, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, &buddy);
        return winauto::WindowText(reinterpret_cast<HWND>(buddy));
    }

    void CloseWith(HWND dialog, int button) {
        winauto::Click(dialog, button);
        ASSERT_TRUE(winauto::WaitUntil([&] { return !IsWindow(dialog); }, kWaitMs));
    }

    // Changes in both dialogs, the detailed one ended with OK: the top
    // margin, the date format, the height (0.51 in the custom layout) and
    // the first column. The options dialog stays open.
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

    std::string Ini() {
        const auto bytes = folder.Read("Vorlant.INI");
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(OptionsDialogTest, MarginThatCannotBeReadIsRefusedAndTheLastValueReturns) {
    WriteCongregation();
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(ItemText(options, IDC_OPT_TOP_MARGIN), "0.00");
    EXPECT_EQ(ItemText(options, IDC_OPT_LEFT_MARGIN), "0.20");

    TypeAndLeave(options, IDC_OPT_TOP_MARGIN, "abc");
    DismissLengthMessage();
    EXPECT_TRUE(WaitForText(options, IDC_OPT_TOP_MARGIN, "0.00")) << ItemText(options, IDC_OPT_TOP_MARGIN);

    TypeAndLeave(options, IDC_OPT_LEFT_MARGIN, " .5");
    EXPECT_TRUE(WaitForText(options, IDC_OPT_LEFT_MARGIN, "0.50")) << ItemText(options, IDC_OPT_LEFT_MARGIN);
    EXPECT_EQ(WaitForMessageBox(300), nullptr);

    CloseWith(options, IDCANCEL);
    ExitWithButton();
}

TEST_F(OptionsDialogTest, EnterWithARejectedFieldShowsTheMessageOnceAndKeepsTheDialog) {
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    Focus(options, IDC_OPT_LEFT_MARGIN);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(options, IDC_OPT_LEFT_MARGIN), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>("1,5"), SMTO_ABORTIFHUNG, kWaitMs, &ignored);
    winauto::PressKey(options, VK_RETURN);
    DismissLengthMessage();
    EXPECT_TRUE(WaitForText(options, IDC_OPT_LEFT_MARGIN, "0.20"));
    EXPECT_TRUE(IsWindowVisible(options));

    HWND layout = OpenLayout(options);
    ASSERT_NE(layout, nullptr);
    Focus(layout, 1074);
    SendMessageTimeoutA(GetDlgItem(layout, 1074), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"),
                        SMTO_ABORTIFHUNG, kWaitMs, &ignored);
    winauto::PressKey(layout, VK_RETURN);
    DismissLengthMessage();
    EXPECT_TRUE(winauto::WaitUntil([&] { return FocusOf(layout) == GetDlgItem(layout, 1074); }, kWaitMs));
    EXPECT_EQ(ItemText(layout, 1074), "x");
    // A click on OK leaves the field first: its check and OK's meet in one message.
    winauto::Click(layout, IDOK);
    DismissLengthMessage();
    EXPECT_TRUE(winauto::WaitUntil([&] { return FocusOf(layout) == GetDlgItem(layout, 1074); }, kWaitMs));
    EXPECT_TRUE(IsWindowVisible(layout));

    CloseWith(layout, IDCANCEL);
    CloseWith(options, IDCANCEL);
    ExitWithButton();
    EXPECT_FALSE(folder.Exists("Vorlant.INI"));
}

TEST_F(OptionsDialogTest, LayoutFieldIsNormalisedOnTabOrKeepsTheFocus) {
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    HWND layout = OpenLayout(options);
    ASSERT_NE(layout, nullptr);

    EXPECT_EQ(winauto::WindowText(layout), Utf8ToAnsi("Szczegóły układu - S-21-P  11/23"));
    EXPECT_EQ(ItemText(layout, IDC_LAY_RESTORE), Utf8ToAnsi("Przywróć domyślne - S-21-P  11/23"));
    for (const int id : kShownLayoutEdits) EXPECT_TRUE(ItemVisible(layout, id)) << id;
    for (const int id : {1031, 1042, 1043, 1054, 1072, 1073, 1078, 1079}) EXPECT_FALSE(ItemVisible(layout, id)) << id;

    TypeAndLeave(layout, 1068, "3");
    EXPECT_TRUE(WaitForText(layout, 1068, "3.00")) << ItemText(layout, 1068);
    EXPECT_EQ(FocusOf(layout), GetDlgItem(layout, 1069));

    TypeAndLeave(layout, 1068, "3,5");
    DismissLengthMessage();
    EXPECT_TRUE(winauto::WaitUntil([&] { return FocusOf(layout) == GetDlgItem(layout, 1068); }, kWaitMs));
    EXPECT_EQ(ItemText(layout, 1068), "3,5");

    CloseWith(layout, IDCANCEL);
    CloseWith(options, IDCANCEL);
    ExitWithButton();
}

TEST_F(OptionsDialogTest, SpinnerArrowsStepTowardsTheirRangeOnly) {
    auto custom = CustomLayout();
    PutSlot(custom, 320, "1.32");   // below the start's range
    PutSlot(custom, 328, "3.40");   // at the top of the height's range
    folder.Write("cplot.dat", custom);
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_START_SPIN), "1.32");
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_HEIGHT_SPIN), "3.40");

    ClickArrow(options, IDC_OPT_START_SPIN, false);
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_START_SPIN), "1.32");
    ClickArrow(options, IDC_OPT_START_SPIN, true);
    ClickArrow(options, IDC_OPT_START_SPIN, true);
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_START_SPIN), "1.34");
    ClickArrow(options, IDC_OPT_HEIGHT_SPIN, true);
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_HEIGHT_SPIN), "3.40");
    ClickArrow(options, IDC_OPT_HEIGHT_SPIN, false);
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_HEIGHT_SPIN), "3.39");

    CloseWith(options, IDOK);
    ExitWithButton();
    const auto written = folder.Read("cplot.dat");
    EXPECT_EQ(SlotOf(written, 320), "1.34");
    EXPECT_EQ(SlotOf(written, 328), "3.39");
    // A layout change alone writes the settings too, with their values.
    EXPECT_NE(Ini().find("Top=0.00"), std::string::npos) << Ini();
}

TEST_F(OptionsDialogTest, RestoreDefaultsShowsTheValuesOfVersionZero) {
    folder.Write("cplot.dat", CustomLayout());
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_START_SPIN), "0.50");

    winauto::Click(options, IDC_OPT_RESTORE);
    EXPECT_TRUE(winauto::WaitUntil([&] { return SpinnerValue(options, IDC_OPT_START_SPIN) == "2.62"; }, kWaitMs));
    EXPECT_EQ(SpinnerValue(options, IDC_OPT_HEIGHT_SPIN), "3.10");

    // The detailed dialog starts from the dialog's working layout; put a
    // custom value in first, so that its own restore shows.
    HWND layout = OpenLayout(options);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(ItemText(layout, 1066), "2.62");
    TypeAndLeave(layout, 1068, "5");
    ASSERT_TRUE(WaitForText(layout, 1068, "5.00"));
    winauto::Click(layout, IDC_LAY_RESTORE);
    ASSERT_TRUE(WaitForText(layout, 1068, "1.60"));
    for (std::size_t i = 0; i < std::size(kShownLayoutEdits); ++i) {
        EXPECT_EQ(ItemText(layout, kShownLayoutEdits[i]), kVersion0Values[i]) << kShownLayoutEdits[i];
    }
    CloseWith(layout, IDCANCEL);
    CloseWith(options, IDCANCEL);
    ExitWithButton();
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
    const std::string ini = Ini();
    EXPECT_NE(ini.find("Alt Date Format=3"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Top=0.35"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Left=0.20"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("FN Sort"), std::string::npos) << ini;
    const auto layout = folder.Read("cplot.dat");
    EXPECT_EQ(SlotOf(layout, 328), "0.52");
    EXPECT_EQ(SlotOf(layout, 336), "2.50");
}

}  // namespace
}  // namespace vorlant::uitest
