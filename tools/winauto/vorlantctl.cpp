// Remote control of a running Vorlant.exe for the demo script:
//   vorlantctl wait [seconds]   waits for the main window, prints its caption
//                               and its frame as WIDTHxHEIGHT+X+Y
//   vorlantctl tick MONTH...    ticks the month boxes of the card rows of the
//                               given calendar months (1 = January .. 12)
//   vorlantctl print            presses "&Drukuj" (the page follows a moment later)
//   vorlantctl exit [seconds]   presses the exit button, waits for the window to go
// Exit code 0 on success, 1 on timeout or a button that cannot be used,
// 2 on bad arguments.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "winauto.h"

namespace {

constexpr const char* kCaptionPrefix = "Vorlant - ";

constexpr int kPrintButton = 1;
constexpr int kFirstMonthBox = 1015;  // September; one box per card row

int Usage() {
    std::fputs("usage: vorlantctl wait|exit [seconds] | tick MONTH... | print\n", stderr);
    return 2;
}

// Ticks the box of each month's card row and waits until the program has
// taken each click.
int Tick(HWND window, const std::vector<int>& months) {
    using namespace vorlant::winauto;
    for (const int month : months) {
        const int box = kFirstMonthBox + (month + 3) % 12;
        if (ItemChecked(window, box)) continue;
        Click(window, box);
        if (!WaitUntil([&] { return ItemChecked(window, box); }, 5000)) return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vorlant::winauto;
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    std::vector<int> months;
    if (command == "tick") {
        for (int i = 2; i < argc; ++i) {
            const int month = std::atoi(argv[i]);
            if (month < 1 || month > 12) return Usage();
            months.push_back(month);
        }
    } else if (argc > 3) {
        return Usage();
    }
    const DWORD timeoutMs = argc == 3 && command != "tick" ? static_cast<DWORD>(std::atoi(argv[2])) * 1000 : 30000;

    HWND window = nullptr;
    const bool found = WaitUntil([&] { return (window = FindTopLevelWindow(kCaptionPrefix)) != nullptr; },
                                 command == "wait" ? timeoutMs : 2000);
    if (command == "wait") {
        if (!found) return 1;
        RECT frame{};
        GetWindowRect(window, &frame);
        std::printf("%s\n%ldx%ld+%ld+%ld\n", WindowText(window).c_str(), frame.right - frame.left,
                    frame.bottom - frame.top, frame.left, frame.top);
        return 0;
    }
    if (command == "exit") {
        if (!found) return 0;
        Click(window, IDCANCEL);
        return WaitUntil([&] { return !IsWindow(window); }, timeoutMs) ? 0 : 1;
    }
    if (!found) return 1;
    if (command == "tick") return Tick(window, months);
    if (command == "print") {
        if (!ItemEnabled(window, kPrintButton)) return 1;
        Click(window, kPrintButton);
        return 0;
    }
    return Usage();
}
