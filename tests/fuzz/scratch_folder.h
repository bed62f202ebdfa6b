// What the fuzz targets share: a check that stops the run, a private folder, a small publisher table.
#pragma once

#include <stdlib.h>

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
inline void Check(bool condition) { if (!condition) abort(); }

inline const std::string& ScratchFolder() {
    static const struct Folder {
        Folder() { Check(mkdtemp(path.data()) != nullptr); }
        ~Folder() { std::error_code ignored; std::filesystem::remove_all(path, ignored); }
        std::string path = (std::filesystem::temp_directory_path() / "vorlant-fuzz-XXXXXX").string();
    } folder;
    return folder.path;
}

inline void WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream file(ScratchFolder() + "/" + name, std::ios::binary | std::ios::trunc);
    Check(file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size)).good());
}

inline constexpr std::size_t kPublishers = 8;

// A header and eight publishers whose identifiers (width 4: and details indexes) come from the input.
inline PublisherTable& SmallPublisherTable(const std::uint8_t* data, std::size_t size, std::size_t width) {
    static PublisherTable table;
    static const bool allocated = table.Allocate();
    std::vector<std::uint8_t> file((kPublishers + 1) * publisher_record::kSize, 0);
    for (std::size_t i = 0; i < kPublishers * width && i < size; ++i) {
        file[(i / width + 1) * publisher_record::kSize + publisher_record::kPublisherId + i % width] = data[i];
    }
    WriteScratchFile(kPublisherFileName, file.data(), file.size());
    GroupFile groups;
    Check(allocated && (table.Load(groups, ScratchFolder()), table.Count() == kPublishers + 1));
    return table;
}

}  // namespace vorlant::fuzz
