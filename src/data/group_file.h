// The group file "bkstudy.dat": the number of groups and their (unused,
// scrambled) texts, held as the file's 1881-byte image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/bytes.h"

namespace vorlant {

namespace group_file {
inline constexpr std::size_t kSize = 1881;
inline constexpr std::size_t kCount = 0;
inline constexpr int kMaxGroups = 20;
struct TextTable {
    std::size_t offset;
    std::size_t entryWidth;
};
// groupTextA .. groupTextE, one entry per group, entry 0 first.
inline constexpr std::array<TextTable, 5> kTextTables{{
    {1, 24}, {481, 24}, {961, 24}, {1441, 12}, {1681, 9}}};
}  // namespace group_file

class GroupFile {
public:
    // Sets the group count to 0; the rest of the image is kept.
    void ResetCount() { image_[group_file::kCount] = 0; }

    // Clears the image, reads up to 1881 bytes of the group file from
    // `folder` and descrambles its texts. A missing file leaves no groups.
    // Returns whether the file could be opened.
    bool Read(std::string_view folder = {});

    // The signed group count; 0 or less means no groups.
    int Count() const { return static_cast<std::int8_t>(image_[group_file::kCount]); }

    ConstByteSpan Image() const { return image_; }
    ByteSpan Image() { return image_; }

private:
    std::array<std::uint8_t, group_file::kSize> image_{};
};

// Undoes the XOR scrambling of the five text tables for the first
// min(count, 20) groups; a text is bounded by its entry.
void DescrambleGroupTexts(std::span<std::uint8_t, group_file::kSize> image);

}  // namespace vorlant
