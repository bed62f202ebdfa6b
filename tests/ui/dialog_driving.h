// Driving the program's dialogs as a user would: opening them with their
// buttons, typing into fields and leaving them, closing them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "winauto.h"

namespace vorlant::uitest {

inline constexpr DWORD kDialogWaitMs = 10000;

// SendMessage that gives up when the program does not answer in time.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The program's window other than `except` that `found` picks, once it
// shows; null after the timeout.
HWND WaitForOtherWindow(const winauto::Program& program, HWND except, const std::function<bool(HWND)>& found,
                        DWORD timeoutMs = kDialogWaitMs);

// Clicks `button` of `owner` and waits for the dialog that holds `marker`.
HWND OpenDialog(const winauto::Program& program, HWND owner, int button, int marker);
// The options dialog, from the main window's button.
HWND OpenOptions(const winauto::Program& program, HWND mainWindow);
// The detailed layout dialog, from the options dialog's button.
HWND OpenLayout(const winauto::Program& program, HWND options);

bool WaitForFocus(HWND dialog, int id);
bool WaitForText(HWND dialog, int id, const std::string& text);

// Gives the field the focus and puts `text` into it. Posted: a message box
// opened by another field being left must not block the test.
void Type(HWND dialog, int id, const char* text);
// The same, then Tab, which leaves the field and checks its value.
void TypeAndLeave(HWND dialog, int id, const char* text);

// Clicks `button` and waits for the dialog to be gone.
void CloseWith(HWND dialog, int button);

// Types `text` into the password dialog's field, character by character.
void TypePassword(HWND dialog, const std::string& text);

}  // namespace vorlant::uitest
