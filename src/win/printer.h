// The application's printer: the system's default printer until the user
// chooses another in the printer setup, which then holds for the rest of
// the run. Print jobs take their device context from here.
#pragma once

#include <windows.h>

namespace vorlant::win {

// A printer device context, deleted with its owner.
class UniquePrinterDc {
public:
    UniquePrinterDc() = default;
    explicit UniquePrinterDc(HDC dc) : dc_(dc) {}
    ~UniquePrinterDc() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    UniquePrinterDc(const UniquePrinterDc&) = delete;
    UniquePrinterDc& operator=(const UniquePrinterDc&) = delete;
    UniquePrinterDc(UniquePrinterDc&& other) noexcept : dc_(other.dc_) { other.dc_ = nullptr; }

    HDC Get() const { return dc_; }

private:
    HDC dc_ = nullptr;
};

class CAppPrinter {
public:
    CAppPrinter() = default;
    ~CAppPrinter();
    CAppPrinter(const CAppPrinter&) = delete;
    CAppPrinter& operator=(const CAppPrinter&) = delete;

    // Makes sure a printer is chosen: the one from the printer setup, else
    // the system default, asked for without a dialog. False when there is
    // no printer at all.
    bool Ensure(HWND owner);
    // A device context for the chosen printer; null when none can be made.
    // Call Ensure first.
    UniquePrinterDc CreateDc() const;
    // The printer-setup dialog in setup-only mode; when the user confirms,
    // the chosen printer and its settings replace the application's printer.
    bool Setup(HWND owner);

private:
    void Replace(HGLOBAL devMode, HGLOBAL devNames);

    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
};

}  // namespace vorlant::win
