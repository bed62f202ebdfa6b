// Remote control of a running Vorlant.exe for the demo script:
//   vorlantctl wait [seconds]   waits for the main window, prints its caption
//                               and its frame as WIDTHxHEIGHT+X+Y
//   vorlantctl tick MONTH...    ticks the month boxes of the card rows of the
//                               given calendar months (1 = January .. 12)
//   vorlantctl print            presses "&Drukuj" (the page follows a moment later)
//   vorlantctl fullcard         ticks "Wydrukuj pełną kartę": "&Drukuj" then prints
//                               the whole card
//   vorlantctl fullcards        chooses the whole list's cards from the system menu
//                               and answers its question with "Tak" (the document
//                               follows once every page is printed)
//   vorlantctl testpage         chooses the test page from the system menu (the
//                               page follows a moment later)
//   vorlantctl round            chooses the month's round from the system menu (the
//                               first card's dialog follows a moment later; "ok"
//                               prints the card, "cancel" ends the round)
//   vorlantctl options          presses "Opcje", waits for the options dialog and
//                               prints its frame
//   vorlantctl layout           presses "Szczegółowy układ" in the open options
//                               dialog, waits for the detailed layout dialog and
//                               prints its frame
//   vorlantctl readings         opens the test page's readings from the system menu,
//                               waits for the dialog and prints its frame
//   vorlantctl about            opens the About box from the system menu, waits for
//                               it and prints its frame
//   vorlantctl type ID TEXT     puts TEXT into control ID of the uppermost open
//                               dialog and leaves it with Tab, as a user would
//   vorlantctl ok               presses "OK" in the uppermost open dialog and
//                               waits for it to close
//   vorlantctl cancel           the same with "Anuluj" (OK in the About box)
//   vorlantctl refused          presses "OK" in the uppermost open dialog, waits for
//                               the message that refuses it and prints its frame
//   vorlantctl dismiss          closes that message with its OK
//   vorlantctl password [seconds]  waits for the password dialog of a starting
//                               program and prints its frame
//   vorlantctl refuse           leaves the password dialog with Escape: the program
//                               ends
//   vorlantctl exit [seconds]   presses the exit button, waits for the window to go
// Exit code 0 on success, 1 on timeout or a button that cannot be used,
// 2 on bad arguments.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "winauto.h"

namespace {

using namespace vorlant::winauto;

constexpr const char* kCaptionPrefix = "Vorlant - ";

constexpr DWORD kDialogWaitMs = 10000;

int Usage() {
    std::fputs("usage: vorlantctl wait|exit|password [seconds] | tick MONTH... | print | fullcard | fullcards"
               " | testpage | round | options | layout | readings"
               " | about | type ID TEXT | ok | cancel | refused | dismiss | refuse\n",
               stderr);
    return 2;
}

void PrintFrame(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
}

// Ticks the box of each month's card row and waits until the program has
// taken each click.
int Tick(HWND window, const std::vector<int>& months) {
    for (const int month : months) {
        const int box = IDC_MONTH_FIRST + (month + 3) % 12;
        if (ItemChecked(window, box)) continue;
        Click(window, box);
        if (!WaitUntil([&] { return ItemChecked(window, box); }, 5000)) return 1;
    }
    return 0;
}

// The program's open dialog that holds control `marker`, or null. The
// options dialog has no caption, so dialogs are told apart by a control.
HWND DialogWith(HWND mainWindow, int marker) {
    DWORD process = 0;
    GetWindowThreadProcessId(mainWindow, &process);
    for (HWND window : TopLevelWindows(process)) {
        if (window != mainWindow && GetDlgItem(window, marker) != nullptr) return window;
    }
    return nullptr;
}

// Presses `button` of `owner`, waits for the dialog that holds `marker` to
// open and paint its controls, and prints its frame.
int OpenDialog(HWND owner, int button, HWND mainWindow, int marker, const std::vector<int>& painted) {
    if (owner == nullptr || !ItemEnabled(owner, button)) return 1;
    Click(owner, button);
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = DialogWith(mainWindow, marker)) != nullptr; }, kDialogWaitMs)) return 1;
    if (!WaitUntil([&] { return IsWindowVisible(dialog) && Painted(dialog, painted); }, kDialogWaitMs)) return 1;
    PrintFrame(dialog);
    return 0;
}

// The program's About box, or null.
HWND AboutBox(HWND mainWindow) {
    DWORD process = 0;
    GetWindowThreadProcessId(mainWindow, &process);
    return FindTopLevelWindow("O programie Vorlant", process);
}

int About(HWND mainWindow) {
    // Posted as the menu would: the box runs modally in the program.
    if (!PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ABOUTBOX, 0)) return 1;
    HWND about = nullptr;
    const auto shown = [&] {
        about = AboutBox(mainWindow);
        return about != nullptr && IsWindowVisible(about) && Painted(about, {IDC_ABOUT_LOCATION, IDOK});
    };
    if (!WaitUntil(shown, kDialogWaitMs)) return 1;
    PrintFrame(about);
    return 0;
}

int Readings(HWND mainWindow) {
    // Posted as the menu would: the dialog runs modally in the program.
    if (!PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_READINGS, 0)) return 1;
    HWND dialog = nullptr;
    const auto shown = [&] {
        dialog = DialogWith(mainWindow, IDC_READ_EDIT_FIRST);
        return dialog != nullptr && IsWindowVisible(dialog) &&
               Painted(dialog, {IDC_READ_EDIT_FIRST, IDC_READ_EDIT_LAST, IDOK});
    };
    if (!WaitUntil(shown, kDialogWaitMs)) return 1;
    PrintFrame(dialog);
    return 0;
}

// The detailed layout dialog when it is open, else the options dialog, else
// the readings dialog, else null.
HWND UppermostDialog(HWND mainWindow) {
    for (const int marker : {IDC_LAY_RESTORE, IDC_OPT_RESTORE, IDC_READ_EDIT_FIRST, IDC_ROUND_SKIP}) {
        if (HWND dialog = DialogWith(mainWindow, marker)) return dialog;
    }
    return nullptr;
}

// Presses `button` in the uppermost dialog (the About box has OK only) and
// waits for the dialog to close.
int Close(HWND mainWindow, int button) {
    HWND dialog = UppermostDialog(mainWindow);
    if (dialog == nullptr && (dialog = AboutBox(mainWindow)) != nullptr) button = IDOK;
    if (dialog == nullptr) return 1;
    Click(dialog, button);
    return WaitUntil([&] { return !IsWindow(dialog); }, kDialogWaitMs) ? 0 : 1;
}

// The program's open message box, or null: the window that shows a
// message's text in its static 0xFFFF.
HWND MessageBoxOf(HWND mainWindow) {
    DWORD process = 0;
    GetWindowThreadProcessId(mainWindow, &process);
    for (HWND window : TopLevelWindows(process)) {
        if (window != mainWindow && IsWindowVisible(window) && GetDlgItem(window, 0xFFFF) != nullptr) return window;
    }
    return nullptr;
}

int Refused(HWND mainWindow) {
    HWND dialog = UppermostDialog(mainWindow);
    if (dialog == nullptr) return 1;
    Click(dialog, IDOK);
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = MessageBoxOf(mainWindow)) != nullptr && Painted(box, {IDOK}); },
                   kDialogWaitMs)) {
        return 1;
    }
    PrintFrame(box);
    return 0;
}

int Dismiss(HWND mainWindow) {
    HWND box = MessageBoxOf(mainWindow);
    if (box == nullptr) return 1;
    Click(box, IDOK);
    return WaitUntil([&] { return !IsWindow(box); }, kDialogWaitMs) ? 0 : 1;
}

// The field gets the focus first, so that leaving it runs its check.
int Type(HWND mainWindow, int id, const std::string& text) {
    HWND dialog = UppermostDialog(mainWindow);
    HWND field = dialog != nullptr ? GetDlgItem(dialog, id) : nullptr;
    if (field == nullptr) return 1;
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    if (!WaitUntil([&] { return FocusedWindow(dialog) == field; }, kDialogWaitMs)) return 1;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, kDialogWaitMs,
                        &result);
    PressKey(dialog, VK_TAB);
    return WaitUntil([&] { return FocusedWindow(dialog) != field; }, kDialogWaitMs) ? 0 : 1;
}

// The whole list's cards: the question that names them answered with "Tak".
int AnswerFullCards(HWND window) {
    if (!PostMessageA(window, WM_SYSCOMMAND, IDM_FULL_CARDS, 0)) return 1;
    HWND question = WaitForQuestion(window, kDialogWaitMs);
    return question != nullptr && PostMessageA(question, WM_COMMAND, IDYES, 0) ? 0 : 1;
}

// The password dialog, which a program shows before its main window.
HWND PasswordGate(DWORD timeoutMs) {
    HWND gate = nullptr;
    const auto shown = [&] {
        gate = FindTopLevelWindow("Wymagane hasło");
        return gate != nullptr && IsWindowVisible(gate) && Painted(gate, {IDC_PASSWORD_EDIT, IDOK});
    };
    return WaitUntil(shown, timeoutMs) ? gate : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    std::vector<int> months;
    if (command == "tick") {
        for (int i = 2; i < argc; ++i) {
            const int month = std::atoi(argv[i]);
            if (month < 1 || month > 12) return Usage();
            months.push_back(month);
        }
    } else if (command == "type") {
        if (argc != 4) return Usage();
    } else if (argc > 3 || (argc == 3 && command != "wait" && command != "exit" && command != "password")) {
        return Usage();
    }
    const bool seconds = argc == 3 && (command == "wait" || command == "exit" || command == "password");
    const DWORD timeoutMs = seconds ? static_cast<DWORD>(std::atoi(argv[2])) * 1000 : 30000;

    if (command == "password" || command == "refuse") {
        HWND gate = PasswordGate(command == "password" ? timeoutMs : 2000);
        if (gate == nullptr) return 1;
        if (command == "password") {
            PrintFrame(gate);
            return 0;
        }
        DWORD process = 0;
        GetWindowThreadProcessId(gate, &process);
        PostMessageA(gate, WM_COMMAND, IDCANCEL, 0);
        return WaitUntil([&] { return TopLevelWindows(process).empty(); }, kDialogWaitMs) ? 0 : 1;
    }

    HWND window = nullptr;
    const bool found = WaitUntil([&] { return (window = FindTopLevelWindow(kCaptionPrefix)) != nullptr; },
                                 command == "wait" ? timeoutMs : 2000);
    if (command == "wait") {
        if (!found) return 1;
        std::printf("%s\n", WindowText(window).c_str());
        PrintFrame(window);
        return 0;
    }
    if (command == "exit") {
        if (!found) return 0;
        Click(window, IDC_EXIT);
        return WaitUntil([&] { return !IsWindow(window); }, timeoutMs) ? 0 : 1;
    }
    if (!found) return 1;
    if (command == "tick") return Tick(window, months);
    if (command == "print") {
        if (!ItemEnabled(window, IDC_PRINT)) return 1;
        Click(window, IDC_PRINT);
        return 0;
    }
    if (command == "fullcard") {
        if (!ItemChecked(window, IDC_PRINT_FULL_CARD)) Click(window, IDC_PRINT_FULL_CARD);
        return WaitUntil([&] { return ItemChecked(window, IDC_PRINT_FULL_CARD); }, kDialogWaitMs) ? 0 : 1;
    }
    if (command == "fullcards") return AnswerFullCards(window);
    if (command == "testpage") {
        // Posted as the menu would: the program prints while this returns.
        return PostMessageA(window, WM_SYSCOMMAND, IDM_CALIBRATION_PAGE, 0) ? 0 : 1;
    }
    if (command == "round") return PostMessageA(window, WM_SYSCOMMAND, IDM_ROUND, 0) ? 0 : 1;
    if (command == "options") {
        return OpenDialog(window, IDC_OPTIONS, window, IDC_OPT_RESTORE,
                          {IDC_OPT_RESTORE, IDC_OPT_DETAILED, IDC_OPT_VERSION_LIST, IDOK});
    }
    if (command == "layout") {
        return OpenDialog(DialogWith(window, IDC_OPT_RESTORE), IDC_OPT_DETAILED, window, IDC_LAY_RESTORE,
                          {IDC_LAY_RESTORE, IDC_LAY_MONTHLY_TOP, IDC_LAY_COLUMN_LAST, IDOK});
    }
    if (command == "about") return About(window);
    if (command == "readings") return Readings(window);
    if (command == "type") return Type(window, std::atoi(argv[2]), argv[3]);
    if (command == "ok") return Close(window, IDOK);
    if (command == "cancel") return Close(window, IDCANCEL);
    if (command == "refused") return Refused(window);
    if (command == "dismiss") return Dismiss(window);
    return Usage();
}
