#include "mainwin/panels.h"

#include "win/gdi.h"

namespace vorlant {
namespace {

// An off-screen copy of a panel: it is erased and drawn there, then copied
// to the screen in one step, so that a selection moving quickly through the
// list repaints without flicker.
class OffscreenCopy {
public:
    OffscreenCopy(HDC screen, int width, int height)
        : dc_(CreateCompatibleDC(screen)),
          bitmap_(CreateCompatibleBitmap(screen, width, height)),
          select_(dc_.Get(), bitmap_.Get()),
          width_(width),
          height_(height) {}

    bool Valid() const { return dc_.Get() != nullptr && bitmap_.Get() != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    void CopyTo(HDC screen) const { BitBlt(screen, 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY); }

private:
    class UniqueDc {
    public:
        explicit UniqueDc(HDC dc) : dc_(dc) {}
        ~UniqueDc() {
            if (dc_ != nullptr) DeleteDC(dc_);
        }
        UniqueDc(const UniqueDc&) = delete;
        UniqueDc& operator=(const UniqueDc&) = delete;
        HDC Get() const { return dc_; }

    private:
        HDC dc_;
    };

    UniqueDc dc_;
    win::UniqueGdiObject<HBITMAP> bitmap_;
    win::ScopedSelectObject select_;
    int width_;
    int height_;
};

}  // namespace

LRESULT CPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The paint below erases the off-screen copy itself; erasing the screen
    // first would show the bare background between two pictures.
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return Default(message, wParam, lParam);
    if (!GetUpdateRect(Handle(), nullptr, FALSE)) return 0;
    if (rectValid == 0) {
        GetClientRect(Handle(), &clientRect);
        rectValid = 1;
    }
    win::PaintScope paint(Handle());
    const OffscreenCopy copy(paint.Dc(), clientRect.right, clientRect.bottom);
    HDC dc = copy.Valid() ? copy.Dc() : paint.Dc();
    // The control's own erase, so that the background is the platform's;
    // the button face first, for a control whose erase leaves it as it is.
    const RECT all{0, 0, clientRect.right, clientRect.bottom};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    Default(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    draw_(clientRect, dc);
    if (copy.Valid()) copy.CopyTo(paint.Dc());
    return 0;
}

}  // namespace vorlant
