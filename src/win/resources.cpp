#include "win/resources.h"

#include "resources/resource.h"
#include "win/text_codec.h"

namespace vorlant::win {

std::wstring LoadResourceText(unsigned id) {
    // With a zero buffer size LoadStringW hands out a read-only pointer to the
    // resource text itself, so no length limit applies.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    return std::wstring(text, static_cast<std::size_t>(length));
}

std::string LoadResourceString(unsigned id) { return Narrow(LoadResourceText(id)); }

std::string Win32StringSource::Load(unsigned id) const { return LoadResourceString(id); }

void ShowMessage(HWND owner, const std::string& text, UINT icon) { ShowMessage(owner, Widen(text), icon); }

void ShowMessage(HWND owner, const std::wstring& text, UINT icon) {
    MessageBoxW(owner, text.c_str(), LoadResourceText(IDS_APP_NAME).c_str(), MB_OK | icon);
}

}  // namespace vorlant::win
