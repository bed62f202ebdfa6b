// Driving the real Vorlant.exe from another process: start it in a folder,
// find its windows, read and click its controls by id, wait for it to end.
// Used by the UI tests and by the demo's remote control. Texts and paths are
// UTF-8 here; the program's windows are read in UTF-16, so that they answer
// alike on a Windows of any language.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vorlant::winauto {

// Polls `done` every `pollMs` milliseconds until it holds or `timeoutMs`
// passes. A poll of 0 only yields the processor between looks, for waits
// that are timed.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = 20);

// Milliseconds on the system's monotonic clock, which every process of the
// machine shares, so that two programs' instants can be compared.
double NowMs();

// The folder of the running executable, with a trailing backslash.
std::string ModuleFolder();

// UTF-8 as UTF-16 for the wide functions, and back.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// One started program and its windows.
class Program {
public:
    // Starts `exePath` with `folder` as its working directory.
    Program(const std::string& exePath, const std::string& folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD ProcessId() const { return process_.dwProcessId; }

    // The first visible top-level window of the program whose caption
    // starts with `captionPrefix`, or null after the timeout.
    HWND WaitForWindow(const std::string& captionPrefix, DWORD timeoutMs) const;
    // Every visible top-level window of the program.
    std::vector<HWND> Windows() const;

    // Waits for the program to end; its exit code, or -1 on timeout.
    long WaitForExit(DWORD timeoutMs) const;
    bool Running() const;

private:
    PROCESS_INFORMATION process_{};
};

// Every visible top-level window of process `processId` (0: of any process).
std::vector<HWND> TopLevelWindows(DWORD processId);

// A visible top-level window whose caption starts with `captionPrefix`, of
// process `processId` (0: of any process), or null.
HWND FindTopLevelWindow(const std::string& captionPrefix, DWORD processId = 0);

std::string WindowText(HWND window);
// The message box with a "Tak" (IDYES) button that the process of `window`
// shows within `timeoutMs`; null when none.
HWND WaitForQuestion(HWND window, DWORD timeoutMs);
std::string ItemText(HWND dialog, int id);
bool ItemEnabled(HWND dialog, int id);
bool ItemVisible(HWND dialog, int id);
bool ItemChecked(HWND dialog, int id);

// Sends a message and waits up to `timeoutMs` for its answer; false when
// none comes (a dialog or message box holding the program up, a hang).
bool SendAndWait(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, DWORD timeoutMs = 10000);
// Selects entry `index` of list box `id` and tells the dialog, as a click
// in the list does; returns once the dialog has handled it.
bool SelectListEntry(HWND dialog, int id, int index, DWORD timeoutMs = 10000);

// Sends a message to a control and waits for its answer; -1 when it does not come.
LRESULT SendToItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The texts of a list box's items in list order.
std::vector<std::string> ListItems(HWND dialog, int id);
// The index of a list box's selected item, -1 when none is.
int ListSelection(HWND dialog, int id);
// Types one character into a control, as the keyboard would after
// translation (UTF-16, as a Unicode window receives it), and returns once
// the control has handled it.
void TypeCharacter(HWND dialog, int id, wchar_t c);
// The control that has the keyboard focus in `window`'s thread, or null.
HWND FocusedWindow(HWND window);

// Clicks a button or check box without waiting for what the click starts.
void Click(HWND dialog, int id);
// Sends a key to the control that has the keyboard focus in `window`'s thread.
void PressKey(HWND window, WORD virtualKey);

// The texts and ids of a window's system menu, as the program shows them.
struct MenuItem {
    UINT id = 0;
    bool separator = false;
    std::string text;
};
std::vector<MenuItem> SystemMenuItems(HWND window);

// Whether the controls of `dialog` have nothing left to paint: the program
// has painted them since they were last invalidated.
bool Painted(HWND dialog, const std::vector<int>& ids);

// A Unix path as the Windows side sees it (wine's drive Z: is the root).
std::string WindowsPathOf(const std::string& unixPath);
// The PDF files in a folder, by their Unix paths.
std::set<std::string> PdfFiles(const std::string& unixFolder);
// The first PDF of the folder that is not in `before` and that its writer
// has finished (it ends with the end-of-file marker); empty when none
// appears within `timeoutMs`. Looks every `pollMs` milliseconds.
std::string WaitForNewPdf(const std::string& unixFolder, const std::set<std::string>& before, DWORD timeoutMs,
                          DWORD pollMs = 20);

// The file's last-write time, 0 when it does not exist.
std::uint64_t LastWriteTime(const std::string& path);

}  // namespace vorlant::winauto
