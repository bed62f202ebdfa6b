#include "common/file.h"

namespace vorlant {

std::string PathIn(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
    path += name;
    return path;
}

std::string_view FileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

UniqueFile OpenForReading(const std::string& path) {
    return UniqueFile(OpenFile(path, "rb"));
}

std::size_t ReadUpTo(std::FILE* file, void* buffer, std::size_t size) {
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t total = 0;
    while (total < size) {
        const std::size_t got = std::fread(out + total, 1, size - total, file);
        if (got == 0) break;
        total += got;
    }
    return total;
}

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size) {
    const std::string temporary = path + ".new";
    std::FILE* file = OpenFile(temporary, "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(data, 1, size, file) == size;
    written = written && FlushToDisk(file);
    written = std::fclose(file) == 0 && written;
    if (written && ReplaceFileWith(temporary, path)) return true;
    RemoveFile(temporary);
    return false;
}

bool AppendToFile(const std::string& path, const void* data, std::size_t size) {
    std::FILE* file = OpenFile(path, "ab");
    if (file == nullptr) return false;
    bool written = std::fwrite(data, 1, size, file) == size;
    written = written && FlushToDisk(file);
    return std::fclose(file) == 0 && written;
}

}  // namespace vorlant
