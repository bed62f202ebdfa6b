#include "win/text_codec.h"

#include <algorithm>
#include <climits>

#include "common/language.h"
#include "resources/resource.h"

namespace vorlant::win {
namespace {

int Length(std::size_t size) { return static_cast<int>(std::min<std::size_t>(size, INT_MAX)); }

UINT CodePageOfLanguage() {
    // Read straight from the resources: loading strings the usual way needs
    // this code page already.
    const wchar_t* tag = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_LANGUAGE_CODE, reinterpret_cast<LPWSTR>(&tag), 0);
    const std::string languageCode = length > 0 && tag != nullptr ? FromUtf16(CP_UTF8, {tag, std::size_t(length)})
                                                                   : std::string();
    const int charset = CardCharsetFor(languageCode);
    CHARSETINFO info{};
    if (charset != ANSI_CHARSET &&
        TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<ULONG_PTR>(charset)), &info, TCI_SRCCHARSET) &&
        IsValidCodePage(info.ciACP)) {
        return info.ciACP;
    }
    return GetACP();
}

}  // namespace

UINT LanguageCodePage() {
    // Fixed by the executable's resources for the whole run.
    static const UINT codePage = CodePageOfLanguage();
    return codePage;
}

std::wstring ToUtf16(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = Length(text.size());
    const int wide = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(std::max(wide, 0)), L'\0');
    if (wide > 0) MultiByteToWideChar(codePage, 0, text.data(), size, result.data(), wide);
    return result;
}

std::string FromUtf16(UINT codePage, std::wstring_view text, char missing) {
    if (text.empty()) return {};
    const int size = Length(text.size());
    const bool utf8 = codePage == CP_UTF8;
    // No look-alike letters: "ā" is no "a" of the code page.
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* replacement = utf8 ? nullptr : &missing;
    const int bytes = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, replacement, nullptr);
    std::string result(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
    if (bytes > 0) WideCharToMultiByte(codePage, flags, text.data(), size, result.data(), bytes, replacement, nullptr);
    return result;
}

std::wstring Widen(std::string_view text) { return ToUtf16(LanguageCodePage(), text); }

std::string Narrow(std::wstring_view text) { return FromUtf16(LanguageCodePage(), text); }

}  // namespace vorlant::win
