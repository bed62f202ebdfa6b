// The remarks file "remark9.dat": short texts for a publisher's month rows,
// loaded once into a fixed table and attached to the publisher records.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vorlant {

class PublisherTable;

namespace remark_record {
inline constexpr std::size_t kSize = 48;
inline constexpr std::size_t kText = 0;
inline constexpr std::size_t kTextWidth = 44;   // 43 characters and the terminator at 43
inline constexpr std::size_t kMonth = 44;       // 1 = January .. 12; 0 skips the record
inline constexpr std::size_t kYear = 45;        // only its parity counts
inline constexpr std::size_t kPublisherId = 46; // u16; below 11 skips the record
}  // namespace remark_record

class RemarkTable {
public:
    static constexpr int kSlots = 900;
    static constexpr int kCountLimit = 899;   // at most 898 remarks, slots 1 .. 898
    static constexpr std::size_t kTextBufferSize = remark_record::kTextWidth;

    // Reads the remarks file from `folder` and rebuilds every publisher's
    // remark numbers from it.
    void Load(PublisherTable& table, std::string_view folder = {});

    // Copies the remark of record `index` for `month` (0 = January) in the
    // year slot of `year` (year % 2) into `out`, the empty text when there is
    // none; true when the text is not empty.
    bool Text(const PublisherTable& table, int index, int month, int year,
              std::span<char, kTextBufferSize> out) const;

    // Number of the next free slot: 1 for an empty table.
    std::uint16_t Count() const { return remarkCount_; }

private:
    std::array<std::uint8_t, kSlots * remark_record::kSize> slots_{};
    std::uint16_t remarkCount_ = 1;
};

}  // namespace vorlant
