// Subclassing of a dialog's control by an object: the control's messages go
// to the object's virtual WindowProc first, the rest to the control's own
// procedure. The subclass is removed when the control is destroyed.
//
// The object sits in the control's user data and the control's procedure
// is replaced: each message then costs one call more. (The common
// controls' subclass chain looks itself up in a window property on every
// message, which under wine is a round trip to its server: filling the
// publisher list went through it twice per entry.)
#pragma once

#include <windows.h>

namespace vorlant::win {

class CSubclassedWindow {
public:
    CSubclassedWindow() = default;
    virtual ~CSubclassedWindow();
    CSubclassedWindow(const CSubclassedWindow&) = delete;
    CSubclassedWindow& operator=(const CSubclassedWindow&) = delete;

    // Attaches to control `id` of `dialog`; false when there is no such control.
    bool Attach(HWND dialog, int id);
    void Detach();
    HWND Handle() const { return hwnd_; }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    WNDPROC previous_ = nullptr;
};

}  // namespace vorlant::win
