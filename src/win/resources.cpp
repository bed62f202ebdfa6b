#include "win/resources.h"

namespace vorlant::win {

std::string LoadResourceString(unsigned id) {
    // With a zero buffer size LoadStringW hands out a read-only pointer to the
    // resource text itself, so no length limit applies.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::string Win32StringSource::Load(unsigned id) const { return LoadResourceString(id); }

void ShowMessage(HWND owner, const std::string& text, UINT icon) {
    MessageBoxA(owner, text.c_str(), LoadResourceString(147).c_str(), MB_OK | icon);
}

}  // namespace vorlant::win
