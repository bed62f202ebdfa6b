#include "mainwin/type_ahead_list_box.h"

namespace vorlant {
namespace {

// The subclass receives characters as UTF-16; the list's texts and the
// letter test work in the ANSI code page. A character the code page lacks
// becomes a NUL, which is no letter.
char AnsiCharacter(WPARAM code) {
    if (code < 0x80) return static_cast<char>(code);
    const wchar_t wide = static_cast<wchar_t>(code);
    char ansi = '\0';
    BOOL lossy = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, &wide, 1, &ansi, 1, nullptr, &lossy) != 1 || lossy) return '\0';
    return ansi;
}

}  // namespace

LRESULT CTypeAheadListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            OnChar(wParam);
            return 0;
        case WM_SETFOCUS:
            prefix_.Clear();
            return Default(message, wParam, lParam);
        default:
            return Default(message, wParam, lParam);
    }
}

void CTypeAheadListBox::OnChar(WPARAM code) {
    HWND list = Handle();
    const bool searched = prefix_.Type(AnsiCharacter(code), [list](const char* prefix) {
        // From the top (-1), by prefix and ignoring case.
        return SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix)) != LB_ERR;
    });
    if (searched) {
        const LRESULT selection = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (selection != LB_ERR) SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(selection), 0);
    }
    if (takeSelection_) takeSelection_();
}

}  // namespace vorlant
