#include "mainwin/panels.h"

#include "win/gdi.h"

namespace vorlant {

LRESULT CPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return Default(message, wParam, lParam);
    if (!GetUpdateRect(Handle(), nullptr, FALSE)) return 0;
    if (rectValid == 0) {
        GetClientRect(Handle(), &clientRect);
        rectValid = 1;
    }
    win::PaintScope paint(Handle());
    draw_(clientRect, paint.Dc());
    return 0;
}

}  // namespace vorlant
