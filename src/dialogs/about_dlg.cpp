#include "dialogs/about_dlg.h"

#include <direct.h>

#include "dialogs/middle_ellipsis.h"
#include "resources/resource.h"
#include "win/gdi.h"

namespace vorlant {
namespace {

constexpr int kFolderCapacity = 300;

// The device context of a window, released with the owner.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The text shortened in its middle to one line of the static `item`, so
// that a deep folder keeps its drive and its own name in view.
std::string FitToItem(HWND item, const std::string& text) {
    RECT client{};
    GetClientRect(item, &client);
    WindowDc dc(item);
    if (dc.Get() == nullptr) return text;
    const win::ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(item, WM_GETFONT, 0, 0)));
    return EllipsizeMiddle(text, client.right - client.left, [&](std::string_view part) {
        SIZE size{};
        GetTextExtentPoint32A(dc.Get(), part.data(), static_cast<int>(part.size()), &size);
        return static_cast<int>(size.cx);
    });
}

}  // namespace

std::string CurrentFolder() {
    char folder[kFolderCapacity] = {};
    return _getcwd(folder, kFolderCapacity) != nullptr ? std::string(folder) : std::string();
}

CAboutDlg::CAboutDlg(std::string location) : CDialog(IDD_ABOUT), location(std::move(location)) {}

BOOL CAboutDlg::OnInitDialog() {
    HWND item = Item(IDC_ABOUT_LOCATION);
    SetWindowTextA(item, FitToItem(item, location).c_str());
    CenterWindow();
    return TRUE;
}

}  // namespace vorlant
