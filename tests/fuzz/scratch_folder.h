// What the fuzz targets share: a check that stops the run, a private folder
// for the files they write, and a small loaded publisher table.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"

namespace vorlant::fuzz {

// Stops the run with a crash report when a property of a result fails.
inline void Check(bool condition) {
    if (!condition) abort();
}

// The private folder for the files that a target writes, made at the first
// call and removed at exit.
inline const std::string& ScratchFolder() {
    static const struct Folder {
        Folder() { Check(mkdtemp(path.data()) != nullptr); }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::string path = (std::filesystem::temp_directory_path() / "vorlant-fuzz-XXXXXX").string();
    } folder;
    return folder.path;
}

// Writes `size` bytes as the file `name` of the scratch folder.
inline void WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream file(ScratchFolder() + "/" + name, std::ios::binary | std::ios::trunc);
    Check(file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size)).good());
}

// A table of a header and `kPublishers` empty publishers, loaded once per
// process. Each call writes `width` input bytes per publisher, in order, over
// its identifier and, for a width of 4, the details index that follows it;
// bytes past the end of the input are zero.
inline constexpr int kPublishers = 8;

inline PublisherTable& SmallPublisherTable(const std::uint8_t* data, std::size_t size, std::size_t width) {
    static PublisherTable table;
    static const bool loaded = [] {
        const std::vector<std::uint8_t> file((kPublishers + 1) * publisher_record::kSize, 0);
        WriteScratchFile(kPublisherFileName, file.data(), file.size());
        GroupFile groups;
        if (!table.Allocate()) return false;
        table.Load(groups, ScratchFolder());
        return table.Count() == kPublishers + 1;
    }();
    Check(loaded);
    for (std::size_t i = 0; i < kPublishers; ++i) {
        const ByteSpan field = table.Record(static_cast<int>(i) + 1).subspan(publisher_record::kPublisherId, width);
        const std::size_t from = std::min(size, i * width);
        std::fill(std::copy_n(data + from, std::min(width, size - from), field.begin()), field.end(), 0);
    }
    return table;
}

}  // namespace vorlant::fuzz
