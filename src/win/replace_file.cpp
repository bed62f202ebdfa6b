#include <windows.h>

#include "common/file.h"

namespace vorlant {

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace vorlant
