// The extended details file "xten7.dat": further texts per publisher in
// 192-byte records, of which the program shows the long name. Records are
// only counted at start-up and fetched from the file at every lookup.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "data/scramble.h"

namespace vorlant {

class PublisherTable;

namespace details_record {
inline constexpr std::size_t kSize = 192;
inline constexpr std::size_t kPublisherId = 0;   // u16
inline constexpr std::size_t kLongName = 2;
inline constexpr std::size_t kLongNameWidth = 65;
inline constexpr std::size_t kDetailText1 = 67;
inline constexpr std::size_t kDetailText1Width = 51;
inline constexpr std::size_t kDetailText2 = 118;
inline constexpr std::size_t kDetailText2Width = 72;
inline constexpr int kMaxCount = 601;
}  // namespace details_record

class ExtendedDetails {
public:
    static constexpr unsigned kLongNameHasLetter = 1;
    static constexpr unsigned kDetailTextHasLetter = 2;

    // Counts the complete records of the file in `folder` (at most 601) and
    // remembers the folder and the scramble base for later lookups.
    void CountRecords(std::string_view folder = {}, std::uint8_t scrambleBase = ScrambleBase);
    int Count() const { return detailsCount_; }

    // Fetches the details of publisher record `index` into the current
    // details. Returns 0 when there are none, otherwise the letter flags
    // above. A publisher whose details cannot be fetched has its
    // detailsIndex reset to 0 in memory.
    unsigned Lookup(PublisherTable& table, int index);

    // The long name of the details fetched last.
    std::string_view LongName() const;
    ConstByteSpan Current() const { return currentDetails_; }

private:
    std::string path_;
    std::uint8_t scrambleBase_ = ScrambleBase;
    int detailsCount_ = 0;
    std::array<std::uint8_t, details_record::kSize> currentDetails_{};
};

}  // namespace vorlant
