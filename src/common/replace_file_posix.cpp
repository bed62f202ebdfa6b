#include <unistd.h>

#include <cstdio>

#include "common/file.h"

namespace vorlant {

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

}  // namespace vorlant
