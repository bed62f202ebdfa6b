#include "mainwin/type_ahead_list_box.h"

#include <cstdint>
#include <string>

#include "win/text_codec.h"

namespace vorlant {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the platform's UTF-16 is wchar_t");

// The typed character (UTF-16) in the language's code page, for the prefix;
// a NUL for one that the code page lacks, which begins no entry.
char CodePageCharacter(wchar_t typed) {
    const std::string text = win::Narrow({&typed, 1});
    return text.size() == 1 ? text[0] : '\0';
}

// Entry `index` of the list, as the list box holds it; nothing past the last.
std::optional<std::u16string> EntryOf(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return std::nullopt;
    std::u16string entry(static_cast<std::size_t>(length) + 1, u'\0');
    const LRESULT got =
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return entry;
}

void FoldWithPlatform(std::u16string& text) {
    if (!text.empty()) CharUpperBuffW(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
}

// Selects the first entry, from the top, that begins with `prefix`, case
// ignored as the platform folds it; false when none does.
bool SelectFirst(HWND list, const char* prefix) {
    const std::wstring wanted = win::Widen(prefix);
    const int found = FirstEntryWithPrefix({reinterpret_cast<const char16_t*>(wanted.data()), wanted.size()},
                                           [list](int index) { return EntryOf(list, index); }, &FoldWithPlatform);
    return found >= 0 && SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0) != LB_ERR;
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
    // The list is a Unicode window: the character comes as UTF-16.
    const auto typed = static_cast<wchar_t>(code);
    const char c = CodePageCharacter(typed);
    // One clock for every character, however it came: the time it is
    // handled. (A message's own time belongs to the last queued message, and
    // a character sent from this thread would carry an earlier letter's.) A
    // pause twice the double-click time (a second by default) ends the prefix.
    const auto now = static_cast<std::uint32_t>(GetTickCount());
    const bool searched = prefix_.Type(c, c != '\0' && IsCharAlphaW(typed) != FALSE, {now, 2 * GetDoubleClickTime()},
                                       [list](const char* prefix) { return SelectFirst(list, prefix); });
    if (searched) {
        const LRESULT selection = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (selection != LB_ERR) SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(selection), 0);
    }
    if (takeSelection_) takeSelection_();
}

}  // namespace vorlant
