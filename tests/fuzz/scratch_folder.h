// What the fuzz targets share: a private folder for the files they write,
// created once per process and removed at exit, a check that stops the run,
// and a small loaded publisher table.
#pragma once

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"

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

// Stops the run with a crash report when a property of a result fails.
inline void Check(bool condition) {
    if (!condition) std::abort();
}

// A table loaded from a plain publisher file of a header and `kPublishers`
// empty publishers, made once per process; targets set the fields they
// need before each run.
inline constexpr int kPublishers = 8;

inline PublisherTable& SmallPublisherTable() {
    static PublisherTable table;
    static const bool loaded = [] {
        const ScratchFolder& folder = ScratchFolder::Get();
        std::vector<std::uint8_t> file((kPublishers + 1) * publisher_record::kSize, 0);
        file[publisher_record::kFirstName] = ' ';
        file[publisher_record::kLastName] = publisher_record::kPlainMarker;
        folder.Write(kPublisherFileName, file.data(), file.size());
        GroupFile groups;
        if (!table.Allocate()) return false;
        table.Load(groups, folder.Path());
        return table.Count() == kPublishers + 1;
    }();
    Check(loaded);
    return table;
}

}  // namespace vorlant::fuzz
