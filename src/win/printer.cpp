#include "win/printer.h"

#include <commdlg.h>

namespace vorlant::win {

CAppPrinter::~CAppPrinter() { Replace(nullptr, nullptr); }

void CAppPrinter::Replace(HGLOBAL devMode, HGLOBAL devNames) {
    if (devMode_ != nullptr && devMode_ != devMode) GlobalFree(devMode_);
    if (devNames_ != nullptr && devNames_ != devNames) GlobalFree(devNames_);
    devMode_ = devMode;
    devNames_ = devNames;
}

bool CAppPrinter::Ensure(HWND owner) {
    if (devNames_ != nullptr) return true;
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgW(&dialog)) return false;
    Replace(dialog.hDevMode, dialog.hDevNames);
    return devNames_ != nullptr;
}

UniquePrinterDc CAppPrinter::CreateDc() const {
    if (devNames_ == nullptr) return UniquePrinterDc();
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames_));
    if (names == nullptr) return UniquePrinterDc();
    // The wide dialog's names: offsets in characters from the structure's start.
    const wchar_t* base = reinterpret_cast<const wchar_t*>(names);
    const auto* mode = devMode_ != nullptr ? static_cast<const DEVMODEW*>(GlobalLock(devMode_)) : nullptr;
    HDC dc = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    if (mode != nullptr) GlobalUnlock(devMode_);
    GlobalUnlock(devNames_);
    return UniquePrinterDc(dc);
}

bool CAppPrinter::Setup(HWND owner) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.hDevMode = devMode_;
    dialog.hDevNames = devNames_;
    dialog.Flags = PD_PRINTSETUP | PD_NOSELECTION | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIES;
    const BOOL confirmed = PrintDlgW(&dialog);
    // The dialog owns the handles it was given and hands back the ones that
    // hold now (the same, reallocated ones, or new ones), confirmed or not.
    devMode_ = dialog.hDevMode;
    devNames_ = dialog.hDevNames;
    return confirmed != FALSE;
}

}  // namespace vorlant::win
