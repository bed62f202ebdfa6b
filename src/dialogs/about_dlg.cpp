#include "dialogs/about_dlg.h"

#include <direct.h>

#include "dialogs/path_lines.h"
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

// The text fitted into the lines of the static `item` (as many as its
// height holds of its font's lines), broken or shortened in its middle so
// that a deep folder keeps its drive and its own name in view.
std::string FitToItem(HWND item, const std::string& text) {
    RECT client{};
    GetClientRect(item, &client);
    WindowDc dc(item);
    if (dc.Get() == nullptr) return text;
    const win::ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(item, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    const int lineHeight = GetTextMetricsA(dc.Get(), &metrics) ? metrics.tmHeight : 0;
    const int lines = lineHeight > 0 ? (client.bottom - client.top) / lineHeight : 1;
    return FitToLines(text, client.right - client.left, lines, [&](std::string_view part) {
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
