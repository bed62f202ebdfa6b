// Remote control of a running Vorlant.exe for the demo script:
//   vorlantctl wait [seconds]   waits for the main window, prints its caption
//                               and its frame as WIDTHxHEIGHT+X+Y
//   vorlantctl exit [seconds]   presses the exit button, waits for the window to go
// Exit code 0 on success, 1 on timeout, 2 on bad arguments.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "winauto.h"

namespace {

constexpr const char* kCaptionPrefix = "Vorlant - ";

int Usage() {
    std::fputs("usage: vorlantctl wait|exit [seconds]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vorlant::winauto;
    if (argc < 2 || argc > 3) return Usage();
    const std::string command = argv[1];
    const DWORD timeoutMs = argc == 3 ? static_cast<DWORD>(std::atoi(argv[2])) * 1000 : 30000;

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
    return Usage();
}
