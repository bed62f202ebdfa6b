// A small modal-dialog base: the dialog procedure keeps `this` in the
// window's user data and hands each message, already unpacked, to a virtual
// member. Derived dialogs override only the handlers they need.
#pragma once

#include <windows.h>

namespace vorlant::win {

class CDialog {
public:
    explicit CDialog(int templateId) : templateId_(templateId) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally from its template; returns its end code, or -1
    // when it could not be created.
    INT_PTR DoModal(HWND parent);

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }
    // Centres the dialog over its owner, or on the screen's work area when
    // the owner is hidden (as the main window is while it starts up).
    void CenterWindow();

protected:
    // Returns TRUE to let the system set the focus, FALSE when it was set.
    virtual BOOL OnInitDialog() { return TRUE; }
    // Button clicks and other control notifications. By default OK and
    // Cancel end the dialog with their id.
    virtual void OnCommand(int id, int notifyCode, HWND control);
    // System menu commands; true when handled.
    virtual bool OnSysCommand(UINT command, LPARAM lParam);
    // Painting of the dialog itself; true when handled.
    virtual bool OnPaint() { return false; }
    // Every other message; set `handled` and return the dialog result.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND hwnd_ = nullptr;
};

}  // namespace vorlant::win
