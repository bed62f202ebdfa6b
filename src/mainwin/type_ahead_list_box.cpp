#include "mainwin/type_ahead_list_box.h"

#include <string>

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

// Selects the first entry, from the top, that begins with `prefix`, case
// ignored; false when none does. The list box's own search does this, but
// wine's folds only the case of A to Z: what it misses is looked for once
// more with both sides in capitals of the ANSI code page, so that "ś" finds
// "Śliwa" there too.
bool SelectFirst(HWND list, const char* prefix) {
    if (SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix)) != LB_ERR) {
        return true;
    }
    std::string wanted(prefix);
    CharUpperBuffA(wanted.data(), static_cast<DWORD>(wanted.size()));
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    std::string entry;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == LB_ERR || static_cast<std::size_t>(length) < wanted.size()) continue;
        entry.assign(static_cast<std::size_t>(length) + 1, '\0');
        const LRESULT got =
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
        if (got == LB_ERR || static_cast<std::size_t>(got) < wanted.size()) continue;
        entry.resize(wanted.size());
        CharUpperBuffA(entry.data(), static_cast<DWORD>(entry.size()));
        if (entry == wanted) return SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0) != LB_ERR;
    }
    return false;
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
    const bool searched =
        prefix_.Type(AnsiCharacter(code), [list](const char* prefix) { return SelectFirst(list, prefix); });
    if (searched) {
        const LRESULT selection = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (selection != LB_ERR) SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(selection), 0);
    }
    if (takeSelection_) takeSelection_();
}

}  // namespace vorlant
