// The file operations of the core on Windows: its paths are UTF-8 and go to
// the wide functions, so that a folder with letters that the ANSI code page
// lacks is reached as well, and in their long form, so that a folder near
// the 260-character limit is too.
#include "win/file_win32.h"

#include <windows.h>
#include <io.h>

#include <cstdio>

#include "common/file.h"
#include "win/text_codec.h"

namespace vorlant::win {

std::wstring LongPath(std::string_view utf8) {
    const std::wstring wide = WidePath(utf8);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return wide;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return wide;
    full.resize(length);
    if (full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return full;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace vorlant::win

namespace vorlant {

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return _wfopen(win::LongPath(path).c_str(), win::WidePath(mode).c_str());
}

bool RemoveFile(const std::string& path) { return _wremove(win::LongPath(path).c_str()) == 0; }

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return MoveFileExW(win::LongPath(source).c_str(), win::LongPath(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace vorlant
