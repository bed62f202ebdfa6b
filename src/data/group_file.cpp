#include "data/group_file.h"

#include <algorithm>

#include "common/file.h"
#include "data/data_files.h"
#include "data/scramble.h"

namespace vorlant {

namespace {

// XORs each byte with the key character at its position, cyclically; a
// byte equal to its key character stays, so no byte turns into NUL.
void DescrambleText(ByteSpan text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto key = static_cast<std::uint8_t>(GroupKey[i % GroupKey.size()]);
        if (text[i] != key) text[i] ^= key;
    }
}

// Reads up to the buffer's size from the file at `path`; false when it
// does not open. The file is closed on return.
bool ReadFileInto(const std::string& path, ByteSpan buffer) {
    const UniqueFile file = OpenForReading(path);
    if (!file) return false;
    ReadUpTo(file.get(), buffer.data(), buffer.size());
    return true;
}

}  // namespace

void DescrambleGroupTexts(std::span<std::uint8_t, group_file::kSize> image) {
    const int groups = std::min(static_cast<int>(static_cast<std::int8_t>(image[group_file::kCount])),
                                group_file::kMaxGroups);
    for (int group = 0; group < groups; ++group) {
        for (const group_file::TextTable& table : group_file::kTextTables) {
            const std::size_t start = table.offset + static_cast<std::size_t>(group) * table.entryWidth;
            const std::size_t length = BoundedTextLength(image, start, table.entryWidth);
            DescrambleText(ByteSpan(image).subspan(start, length));
        }
    }
}

bool GroupFile::Read(std::string_view folder) {
    image_.fill(0);
    if (!ReadFileInto(PathIn(folder, kGroupFileName), image_)) return false;
    DescrambleGroupTexts(image_);
    return true;
}

}  // namespace vorlant
