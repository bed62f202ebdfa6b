#include "dialogs/about_dlg.h"

#include "dialogs/item_text.h"
#include "dialogs/path_lines.h"
#include "resources/resource.h"
#include "resources/version.h"
#include "win/gdi.h"
#include "win/text_codec.h"

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
std::wstring FitToItem(HWND item, const std::wstring& text) {
    RECT client{};
    GetClientRect(item, &client);
    WindowDc dc(item);
    if (dc.Get() == nullptr) return text;
    const win::ScopedSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    const int lineHeight = GetTextMetricsW(dc.Get(), &metrics) ? metrics.tmHeight : 0;
    const int lines = lineHeight > 0 ? (client.bottom - client.top) / lineHeight : 1;
    const auto width = [&](std::string_view part) {
        const std::wstring wide = win::WidePath(part);
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), wide.data(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    // Fitted as UTF-8, which is cut between whole characters only.
    return win::WidePath(FitToLines(win::Utf8Path(text), client.right - client.left, lines, width));
}

}  // namespace

std::wstring CurrentFolder() {
    wchar_t folder[kFolderCapacity] = {};
    const DWORD length = GetCurrentDirectoryW(kFolderCapacity, folder);
    // A folder that does not fit gives the room it needs, more than there is.
    return length > 0 && length < kFolderCapacity ? std::wstring(folder, length) : std::wstring();
}

CAboutDlg::CAboutDlg(std::wstring location) : CDialog(IDD_ABOUT), location(std::move(location)) {}

BOOL CAboutDlg::OnInitDialog() {
    // "Vorlant Wersja %s" in the template: the version goes in.
    std::string title = ItemText(Handle(), IDC_ABOUT_VERSION);
    if (const std::size_t hole = title.find("%s"); hole != std::string::npos) {
        SetItemText(Handle(), IDC_ABOUT_VERSION, title.replace(hole, 2, VORLANT_VERSION));
    }
    HWND item = Item(IDC_ABOUT_LOCATION);
    SetWindowTextW(item, FitToItem(item, location).c_str());
    CenterWindow();
    return TRUE;
}

}  // namespace vorlant
