#include "win/subclass.h"

namespace vorlant::win {

CSubclassedWindow::~CSubclassedWindow() { Detach(); }

bool CSubclassedWindow::Attach(HWND dialog, int id) {
    Detach();
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr || GetWindowLongPtrW(control, GWLP_USERDATA) != 0) return false;
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassedWindow::StaticProc)));
    if (previous_ == nullptr) {
        SetWindowLongPtrW(control, GWLP_USERDATA, 0);
        return false;
    }
    hwnd_ = control;
    return true;
}

void CSubclassedWindow::Detach() {
    if (hwnd_ == nullptr) return;
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

LRESULT CSubclassedWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CSubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(previous_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWindow::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CSubclassedWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC previous = self->previous_;
        self->Detach();
        return CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    return self->WindowProc(message, wParam, lParam);
}

}  // namespace vorlant::win
