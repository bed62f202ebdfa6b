#include "data/remark_table.h"

#include <algorithm>

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
constexpr int kYearSlots = publisher_record::kYearSlots;

int YearSlot(int year) { return year % 2 == 0 ? 0 : 1; }

// Sets every remark number of the publishers 1 .. count - 1 for which `keep`
// is false to 0; the header record keeps what it holds.
template <typename Keep>
void ClearRemarkNumbers(PublisherTable& table, Keep keep) {
    for (int index = 1; index < table.Count(); ++index) {
        for (int month = 0; month < kMonths; ++month) {
            for (int slot = 0; slot < kYearSlots; ++slot) {
                if (!keep(table.RemarkNumber(index, month, slot))) table.SetRemarkNumber(index, month, slot, 0);
            }
        }
    }
}

// Checks a remark as read and brings its text into shape: terminated and
// trimmed. False when the remark is to be skipped.
bool PrepareRemark(RemarkBytes& remark) {
    const std::uint8_t month = remark[kMonth];
    if (month == 0 || month > kMonths || ReadU16(remark, kPublisherId) < kLowestRemarkId) return false;
    remark[kTextWidth - 1] = 0;
    TrimInPlace(reinterpret_cast<char*>(remark.data() + kText), kTextWidth);
    return remark[kText] != 0;
}

}  // namespace

void RemarkTable::Load(PublisherTable& table, std::string_view folder) {
    ClearRemarkNumbers(table, [](std::uint16_t) { return false; });
    slots_.fill(0);
    remarkCount_ = 1;

    if (const UniqueFile file = OpenForReading(PathIn(folder, kRemarkFileName))) {
        RemarkBytes remark{};
        bool more = ReadUpTo(file.get(), remark.data(), kSize) == kSize;  // the header
        while (more && remarkCount_ < kCountLimit) {
            remark.fill(0);
            const std::size_t got = ReadUpTo(file.get(), remark.data(), kSize);
            more = got == kSize;
            if (got == 0 || !PrepareRemark(remark)) continue;

            const int index = table.FindById(ReadU16(remark, kPublisherId));
            std::copy(remark.begin(), remark.end(), slots_.begin() + remarkCount_ * kSize);
            table.SetRemarkNumber(index, remark[kMonth] - 1, YearSlot(remark[kYear]), remarkCount_);
            ++remarkCount_;
        }
    }

    const std::uint16_t limit = remarkCount_;
    ClearRemarkNumbers(table, [limit](std::uint16_t number) { return number <= limit; });
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

