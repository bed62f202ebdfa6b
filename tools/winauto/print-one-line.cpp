// The least a Windows program can do to print: one line of text on one page
// of the default printer. The benchmark of printing measures Vorlant.exe
// against it, through the same spooler.
//
//   print-one-line
//
// Prints the instant at which its print job starts (just before the
// device context is made), in milliseconds of the clock that winauto's
// NowMs reads, so that the caller can time the job up to its PDF file.
// Exit code 0 when the page went to the spooler, 1 without a printer.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

#include "winauto.h"

int main() {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&dialog)) {
        std::fputs("print-one-line: no default printer\n", stderr);
        return 1;
    }
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames));
    const char* base = reinterpret_cast<const char*>(names);
    const auto* mode = static_cast<const DEVMODEA*>(GlobalLock(dialog.hDevMode));

    const double start = vorlant::winauto::NowMs();
    HDC dc = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    if (dc == nullptr) {
        std::fputs("print-one-line: no device context\n", stderr);
        return 1;
    }
    DOCINFOA document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = "One line";
    StartDocA(dc, &document);
    StartPage(dc);
    const char line[] = "One line on one page.";
    TextOutA(dc, 300, 300, line, sizeof(line) - 1);
    EndPage(dc);
    EndDoc(dc);
    DeleteDC(dc);

    GlobalUnlock(dialog.hDevMode);
    GlobalUnlock(dialog.hDevNames);
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    std::printf("%.3f\n", start);
    return 0;
}
