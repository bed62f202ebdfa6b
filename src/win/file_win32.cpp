// The file operations of the core on Windows: its paths are UTF-8 and go to
// the wide functions, so that a folder with letters that the ANSI code page
// lacks is reached as well, and in their long form, so that a folder near
// the 260-character limit is too.
#include <windows.h>
#include <io.h>

#include <cstdio>

#include "common/file.h"
#include "win/text_codec.h"

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
