#include "win/dialog.h"

#include <windowsx.h>

#include <algorithm>

namespace vorlant::win {

INT_PTR CDialog::DoModal(HWND parent) {
    // The wide function: the templates' texts reach their controls as
    // written, and the controls are Unicode windows.
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                           &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::OnCommand(int id, int /*notifyCode*/, HWND /*control*/) {
    if (id == IDOK || id == IDCANCEL) EndDialog(id);
}

void CDialog::CenterWindow() {
    RECT work{};
    RECT rect{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) || !GetWindowRect(hwnd_, &rect)) return;
    RECT over = work;
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (owner == nullptr || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &over)) {
        over = work;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // Kept inside the work area even when the owner is partly off the screen.
    const int x = std::clamp(over.left + (over.right - over.left - width) / 2, work.left,
                             std::max(work.left, work.right - width));
    const int y = std::clamp(over.top + (over.bottom - over.top - height) / 2, work.top,
                             std::max(work.top, work.bottom - height));
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CDialog::OnSysCommand(UINT /*command*/, LPARAM /*lParam*/) { return false; }

INT_PTR CDialog::OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, bool& handled) {
    handled = false;
    return FALSE;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    // Messages that arrive before WM_INITDIALOG (WM_SETFONT) find no object.
    return self != nullptr ? self->DialogProc(message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            OnCommand(GET_WM_COMMAND_ID(wParam, lParam), GET_WM_COMMAND_CMD(wParam, lParam),
                      GET_WM_COMMAND_HWND(wParam, lParam));
            return TRUE;
        case WM_SYSCOMMAND:
            if (OnSysCommand(static_cast<UINT>(wParam), lParam)) {
                SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
                return TRUE;
            }
            return FALSE;
        case WM_PAINT:
            return OnPaint() ? TRUE : FALSE;
        case WM_NCDESTROY: {
            bool handled = false;
            const INT_PTR result = OnMessage(message, wParam, lParam, handled);
            SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
            hwnd_ = nullptr;
            return handled ? result : FALSE;
        }
        default: {
            bool handled = false;
            const INT_PTR result = OnMessage(message, wParam, lParam, handled);
            return handled ? result : FALSE;
        }
    }
}

}  // namespace vorlant::win
