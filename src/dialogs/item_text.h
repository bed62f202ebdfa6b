// The text of a window or dialog control, in the language's code page that
// the rules work on, and back.
#pragma once

#include <windows.h>

#include <string>

#include "win/text_codec.h"

namespace vorlant {

inline std::string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return win::Narrow(text);
}

inline std::string ItemText(HWND dialog, int id) { return WindowTextOf(GetDlgItem(dialog, id)); }

inline void SetWindowTextOf(HWND window, const std::string& text) { SetWindowTextW(window, win::Widen(text).c_str()); }

inline void SetItemText(HWND dialog, int id, const std::string& text) { SetWindowTextOf(GetDlgItem(dialog, id), text); }

}  // namespace vorlant
