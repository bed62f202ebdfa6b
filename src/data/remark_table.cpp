#include "data/remark_table.h"

#include <algorithm>
#include <cstdio>

#include "common/bytes.h"
#include "common/file.h"
#include "common/text.h"
#include "data/data_files.h"
#include "data/publisher_table.h"

namespace vorlant {

using namespace remark_record;

namespace {

using RemarkBytes = std::array<std::uint8_t, kSize>;

constexpr std::uint16_t kLowestRemarkId = 11;
constexpr int kMonths = publisher_record::kMonths;

int YearSlot(int year) { return year % 2 == 0 ? 0 : 1; }

// Checks a remark as read and brings its text into shape: terminated and
// trimmed. False when the remark is to be skipped.
bool PrepareRemark(RemarkBytes& remark) {
    const std::uint8_t month = remark[kMonth];
    if (month == 0 || month > kMonths || ReadU16(remark, kPublisherId) < kLowestRemarkId) return false;
    remark[kTextWidth - 1] = 0;
    TrimInPlace(reinterpret_cast<char*>(remark.data() + kText), kTextWidth);
    return remark[kText] != 0;
}

// Hands out the file's 48-byte records one by one, reading many at a time.
class RemarkReader {
public:
    explicit RemarkReader(std::FILE* file) : file_(file) {}

    // Copies the next record into `remark`, zero-padded when the file ends
    // inside it; returns how many of its bytes the file held.
    std::size_t Next(RemarkBytes& remark) {
        if (position_ == filled_) {
            filled_ = ReadUpTo(file_, chunk_.data(), chunk_.size());
            position_ = 0;
        }
        const std::size_t got = std::min(kSize, filled_ - position_);
        remark.fill(0);
        std::copy_n(chunk_.begin() + static_cast<std::ptrdiff_t>(position_), got, remark.begin());
        position_ += got;
        return got;
    }

private:
    std::FILE* file_;
    std::array<std::uint8_t, 64 * kSize> chunk_{};
    std::size_t filled_ = 0;
    std::size_t position_ = 0;
};

}  // namespace

void RemarkTable::Load(PublisherTable& table, std::string_view folder) {
    table.ClearRemarkNumbers();
    slots_.fill(0);
    remarkCount_ = 1;

    if (const UniqueFile file = OpenForReading(PathIn(folder, kRemarkFileName))) {
        const PublisherIdIndex publishers(table);
        RemarkReader reader(file.get());
        RemarkBytes remark{};
        bool more = reader.Next(remark) == kSize;  // the header
        while (more && remarkCount_ < kCountLimit) {
            const std::size_t got = reader.Next(remark);
            more = got == kSize;
            if (got == 0 || !PrepareRemark(remark)) continue;

            const int index = publishers.Find(ReadU16(remark, kPublisherId));
            std::copy(remark.begin(), remark.end(), slots_.begin() + remarkCount_ * kSize);
            table.SetRemarkNumber(index, remark[kMonth] - 1, YearSlot(remark[kYear]), remarkCount_);
            ++remarkCount_;
        }
    }
    // Every number left in the table was given out above, below the final
    // count, so no number can point past the remarks read.
}

bool RemarkTable::Text(const PublisherTable& table, int index, int month, int year,
                       std::span<char, kTextBufferSize> out) const {
    std::fill(out.begin(), out.end(), '\0');
    const std::uint16_t number = table.RemarkNumber(index, month, YearSlot(year));
    if (number == 0 || number >= remarkCount_) return false;
    const ConstByteSpan slot = ConstByteSpan(slots_).subspan(number * kSize, kSize);
    const std::string_view text = TextField(slot, kText, kTextWidth);
    std::copy(text.begin(), text.end(), out.begin());
    return !text.empty();
}

}  // namespace vorlant

