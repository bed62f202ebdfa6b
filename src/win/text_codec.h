// The program talks to Windows in UTF-16. Its own 8-bit texts (the data
// files, the layout, the texts inside the core) are in the code page of its
// language, which the resources fix; paths travel through the core as UTF-8.
// Here both are turned into UTF-16 and back, whatever the ANSI code page of
// the Windows the program runs on.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vorlant::win {

// The code page that goes with the fonts' character set of the language of
// the resources (1250 for "polish"); the ANSI code page for a language whose
// character set is the default one.
UINT LanguageCodePage();

// Bytes of the language's code page as UTF-16, and back. A character the
// code page lacks becomes a NUL byte: the core's texts end at their first
// NUL, so it matches none of them, and it is no letter or digit.
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// The same with a code page of the caller's: CP_UTF8 for paths. For every
// other code page a character it lacks becomes `missing`.
std::wstring ToUtf16(UINT codePage, std::string_view text);
std::string FromUtf16(UINT codePage, std::wstring_view text, char missing = '\0');

// A path of the core (UTF-8) for the wide file functions, and back.
inline std::wstring WidePath(std::string_view utf8) { return ToUtf16(CP_UTF8, utf8); }
inline std::string Utf8Path(std::wstring_view wide) { return FromUtf16(CP_UTF8, wide); }

// A path of the core in the language's code page, for a message: a
// character the code page lacks shows as '?'.
inline std::string NarrowPath(std::string_view utf8) { return FromUtf16(LanguageCodePage(), WidePath(utf8), '?'); }

}  // namespace vorlant::win
