#include "dialog_driving.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

namespace vorlant::uitest {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kDialogWaitMs, &result);
    return static_cast<LRESULT>(result);
}

HWND WaitForOtherWindow(const winauto::Program& program, HWND except, const std::function<bool(HWND)>& found,
                        DWORD timeoutMs) {
    HWND result = nullptr;
    winauto::WaitUntil(
        [&] {
            for (HWND window : program.Windows()) {
                if (window != except && found(window)) result = window;
            }
            return result != nullptr;
        },
        timeoutMs);
    return result;
}

// Clicks `button` of `owner` (0: none) and waits for the dialog that holds `marker`.
static HWND OpenDialog(const winauto::Program& program, HWND owner, int button, int marker) {
    if (button != 0) winauto::Click(owner, button);
    HWND dialog = WaitForOtherWindow(program, owner, [&](HWND w) { return GetDlgItem(w, marker) != nullptr; });
    EXPECT_NE(dialog, nullptr) << "no dialog with control " << marker;
    return dialog;
}

HWND OpenOptions(const winauto::Program& program, HWND mainWindow) {
    return OpenDialog(program, mainWindow, IDC_OPTIONS, IDC_OPT_RESTORE);
}

HWND OpenLayout(const winauto::Program& program, HWND options) {
    return OpenDialog(program, options, IDC_OPT_DETAILED, IDC_LAY_RESTORE);
}

HWND OpenReadings(const winauto::Program& program, HWND mainWindow) {
    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_READINGS, 0);
    return OpenDialog(program, mainWindow, 0, IDC_READ_EDIT_FIRST);
}

HWND WaitForMessageBox(const winauto::Program& program, DWORD timeoutMs, HWND except) {
    return WaitForOtherWindow(
        program, except,
        [](HWND w) { return winauto::WindowText(w) == "Vorlant" && GetDlgItem(w, 0xFFFF) != nullptr; }, timeoutMs);
}

std::string TakeMessage(const winauto::Program& program) {
    HWND box = WaitForMessageBox(program);
    if (box == nullptr) return "(no message)";
    const std::string text = winauto::ItemText(box, 0xFFFF);
    CloseWith(box, IDOK);
    return text;
}

bool WaitForFocus(HWND dialog, int id) {
    return winauto::WaitUntil([&] { return winauto::FocusedWindow(dialog) == GetDlgItem(dialog, id); },
                              kDialogWaitMs);
}

bool WaitForText(HWND dialog, int id, const std::string& text) {
    return winauto::WaitUntil([&] { return winauto::ItemText(dialog, id) == text; }, kDialogWaitMs);
}

void SetText(HWND dialog, int id, const std::string& text) {
    Send(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(winauto::Wide(text).c_str()));
}

void TypeAndLeave(HWND dialog, int id, const char* text) {
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
    ASSERT_TRUE(WaitForFocus(dialog, id)) << id;
    SetText(dialog, id, text);
    winauto::PressKey(dialog, VK_TAB);
}

void CloseWith(HWND dialog, int button) {
    winauto::Click(dialog, button);
    ASSERT_TRUE(winauto::WaitUntil([&] { return !IsWindow(dialog); }, kDialogWaitMs));
}

void Tick(HWND dialog, int id) {
    winauto::Click(dialog, id);
    ASSERT_TRUE(winauto::WaitUntil([&] { return winauto::ItemChecked(dialog, id); }, kDialogWaitMs)) << id;
}

}  // namespace vorlant::uitest
