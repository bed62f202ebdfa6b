#include "win/subclass.h"

#include <commctrl.h>

namespace vorlant::win {

CSubclassedWindow::~CSubclassedWindow() { Detach(); }

bool CSubclassedWindow::Attach(HWND dialog, int id) {
    Detach();
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return false;
    if (!SetWindowSubclass(control, &CSubclassedWindow::StaticProc, 1,
                           reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = control;
    return true;
}

void CSubclassedWindow::Detach() {
    if (hwnd_ != nullptr) {
        RemoveWindowSubclass(hwnd_, &CSubclassedWindow::StaticProc, 1);
        hwnd_ = nullptr;
    }
}

LRESULT CSubclassedWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CSubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWindow::StaticProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR refData) {
    auto* self = reinterpret_cast<CSubclassedWindow*>(refData);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &CSubclassedWindow::StaticProc, 1);
        self->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return self->WindowProc(message, wParam, lParam);
}

}  // namespace vorlant::win
