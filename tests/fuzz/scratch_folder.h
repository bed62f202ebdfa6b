// A private folder for the files that a fuzz target writes, created once per
// process and removed at exit.
#pragma once

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace vorlant::fuzz {

class ScratchFolder {
public:
    static const ScratchFolder& Get() {
        static const ScratchFolder folder;
        return folder;
    }

    const std::string& Path() const { return path_; }

    // Writes `size` bytes as the file `name`, replacing what was there.
    void Write(const char* name, const std::uint8_t* data, std::size_t size) const {
        std::FILE* file = std::fopen((path_ + "/" + name).c_str(), "wb");
        if (file == nullptr) std::abort();
        if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
        std::fclose(file);
    }

    void Remove(const char* name) const { std::filesystem::remove(path_ + "/" + name); }

private:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorlant-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::string path_;
};

}  // namespace vorlant::fuzz
