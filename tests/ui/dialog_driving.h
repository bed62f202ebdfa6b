// Driving the program's dialogs as a user would, by their controls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "winauto.h"

namespace vorlant::uitest {

inline constexpr DWORD kDialogWaitMs = 10000;

// SendMessage that gives up when the program does not answer in time.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The program's window other than `except` that `found` picks; null after the timeout.
HWND WaitForOtherWindow(const winauto::Program& program, HWND except, const std::function<bool(HWND)>& found,
                        DWORD timeoutMs = kDialogWaitMs);

// The options dialog from the main window, the detailed layout dialog from the options dialog.
HWND OpenOptions(const winauto::Program& program, HWND mainWindow);
HWND OpenLayout(const winauto::Program& program, HWND options);
// The test page's readings dialog from the main window's system menu.
HWND OpenReadings(const winauto::Program& program, HWND mainWindow);

// The program's message box other than `except` (its text in the static 0xFFFF); null after the timeout.
HWND WaitForMessageBox(const winauto::Program& program, DWORD timeoutMs = kDialogWaitMs, HWND except = nullptr);
// The text of the program's message box, which is then closed with OK; "(no message)" when none comes.
std::string TakeMessage(const winauto::Program& program);

bool WaitForFocus(HWND dialog, int id);
bool WaitForText(HWND dialog, int id, const std::string& text);

// Puts `text` into the field, as a paste would.
void SetText(HWND dialog, int id, const std::string& text);
// Gives the field the focus (posted: a message box opened by another field being left must not block the test),
// puts `text` into it, then presses Tab, which leaves the field and checks its value.
void TypeAndLeave(HWND dialog, int id, const char* text);
// Clicks `button` and waits for the dialog to be gone.
void CloseWith(HWND dialog, int button);
// Clicks a check box or radio button and waits for it to show ticked.
void Tick(HWND dialog, int id);

}  // namespace vorlant::uitest
