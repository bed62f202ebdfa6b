#include <unistd.h>

#include <cstdio>

#include "common/file.h"

namespace vorlant {

std::FILE* OpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

}  // namespace vorlant
