// The text of a window or dialog control, as the ANSI text that the rules work on.
#pragma once

#include <windows.h>

#include <string>

namespace vorlant {

inline std::string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

inline std::string ItemText(HWND dialog, int id) { return WindowTextOf(GetDlgItem(dialog, id)); }

}  // namespace vorlant
