#include "data/publisher_table.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "common/file.h"
#include "data/data_files.h"
#include "data/group_file.h"
#include "data/scramble.h"

namespace vorlant {

using namespace publisher_record;

namespace {

using RecordSpan = std::span<std::uint8_t, kSize>;

// Byte value that the scrambling of names leaves as it is.
constexpr std::uint8_t kKeptByte = 204;
// In extraText1 that byte is kept only below this position.
constexpr std::size_t kExtraText1KeptLimit = 30;

// How a text field treats the byte value kKeptByte while descrambling.
enum class KeptByteRule { None, Always, BelowLimit };

struct ScrambledText {
    std::size_t offset;
    std::size_t width;
    KeptByteRule rule;
};

// The eight scrambled texts, in the order in which they are descrambled.
constexpr std::array<ScrambledText, 8> kScrambledTexts{{
    {kFirstName, kFirstNameWidth, KeptByteRule::Always},
    {kLastName, kLastNameWidth, KeptByteRule::Always},
    {kExtraText1, kExtraText1Width, KeptByteRule::BelowLimit},
    {kExtraText2, kExtraText2Width, KeptByteRule::None},
    {kExtraText3, kExtraText3Width, KeptByteRule::None},
    {kExtraText4, kExtraText4Width, KeptByteRule::None},
    {kBaptismDate, kDateWidth, KeptByteRule::None},
    {kBirthDate, kDateWidth, KeptByteRule::None},
}};

// Fields whose last byte is forced to NUL before descrambling; extraText3
// and extraText4 are bounded by their widths instead.
constexpr std::array<ScrambledText, 6> kTerminatedTexts{{
    kScrambledTexts[0], kScrambledTexts[1], kScrambledTexts[2],
    kScrambledTexts[3], kScrambledTexts[6], kScrambledTexts[7],
}};

// The length is taken once, so a byte that comes out as NUL ends the text
// but the bytes after it are still descrambled. The byte value kKeptByte is
// left alone in the first `keptBelow` positions.
void DescrambleText(RecordSpan record, const ScrambledText& text, std::uint8_t base) {
    std::uint8_t* const bytes = record.data() + text.offset;
    if (bytes[0] == 0) return;   // an empty text needs no search
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(bytes, 0, text.width));
    const std::size_t length = end != nullptr ? static_cast<std::size_t>(end - bytes) : text.width;
    std::size_t keptBelow = 0;
    if (text.rule == KeptByteRule::Always) keptBelow = length;
    if (text.rule == KeptByteRule::BelowLimit) keptBelow = std::min(length, kExtraText1KeptLimit);
    // Two simple loops rather than one with a test of the position, so that
    // the compiler can work on many bytes at once.
    for (std::size_t i = 0; i < keptBelow; ++i) {
        const std::uint8_t byte = bytes[i];
        const auto plain = static_cast<std::uint8_t>(byte - static_cast<std::uint8_t>(i) - base);
        bytes[i] = byte == kKeptByte ? byte : plain;
    }
    for (std::size_t i = keptBelow; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(bytes[i] - static_cast<std::uint8_t>(i) - base);
    }
}

bool InRange(int value, int limit) { return value >= 0 && value < limit; }

std::size_t FigureOffset(int month, int kind, int slot) {
    return kMonthlyFigures + 72 * static_cast<std::size_t>(kind) +
           6 * static_cast<std::size_t>(month) + 2 * static_cast<std::size_t>(slot);
}

std::size_t RemarkNumberOffset(int month, int slot) {
    return kRemarkNumber + 6 * static_cast<std::size_t>(month) + 2 * static_cast<std::size_t>(slot);
}

bool ValidMonthSlot(int month, int slot) { return InRange(month, kMonths) && InRange(slot, kYearSlots); }

// Identifiers below this one belong to no publisher.
constexpr std::uint16_t kLowestId = 10;

constexpr std::size_t kRemarkNumberCount = kMonths * kYearSlots;

constexpr std::uint16_t kStudiesMask = 0x03FF;
constexpr std::uint16_t kSharedFlag = 0x0800;

// Reads the complete records of the publisher file into the block, at most
// as many as the block holds, and returns their number. A trailing partial
// record stays in the slot after them, zero-padded and uncounted; the rest
// of the block is zeroed.
int ReadRecords(ByteSpan block, std::string_view folder) {
    std::size_t got = 0;
    if (const UniqueFile file = OpenForReading(PathIn(folder, kPublisherFileName))) {
        got = ReadUpTo(file.get(), block.data(), block.size());
    }
    std::fill(block.begin() + static_cast<std::ptrdiff_t>(got), block.end(), std::uint8_t{0});
    return static_cast<int>(got / kSize);
}

// The header record of a table without publishers: plain texts, no password.
void SetDefaultHeader(ByteSpan header) {
    std::fill(header.begin(), header.end(), std::uint8_t{0});
    header[kLastName] = kPlainMarker;
    header[kFirstName] = ' ';
}

RecordSpan RecordAt(ByteSpan block, int index) {
    return block.subspan(static_cast<std::size_t>(index) * kSize).first<kSize>();
}

}  // namespace

void DescrambleRecord(RecordSpan record, std::uint8_t scrambleBase) {
    for (const ScrambledText& text : kTerminatedTexts) record[text.offset + text.width - 1] = 0;
    for (const ScrambledText& text : kScrambledTexts) DescrambleText(record, text, scrambleBase);
}

bool PublisherTable::Allocate() {
    block_.reset(new (std::nothrow) std::uint8_t[kBlockSize]);
    count_ = 0;
    return block_ != nullptr;
}

void PublisherTable::Release() {
    block_.reset();
    count_ = 0;
}

void PublisherTable::Load(GroupFile& groups, std::string_view folder, std::uint8_t scrambleBase) {
    groups.ResetCount();
    count_ = 0;
    if (!block_) return;
    const ByteSpan block(block_.get(), kBlockSize);

    count_ = ReadRecords(block, folder);
    if (count_ > 0 && block[kLastName] != kPlainMarker) {
        for (int i = 0; i < count_; ++i) DescrambleRecord(RecordAt(block, i), scrambleBase);
    }

    groups.Read(folder);
    if (count_ == 0) {
        SetDefaultHeader(RecordAt(block, 0));
        groups.ResetCount();
        count_ = 1;
    }
}

ByteSpan PublisherTable::Record(int index) {
    if (!block_ || !InRange(index, count_)) return {};
    return {block_.get() + static_cast<std::size_t>(index) * kSize, kSize};
}

ConstByteSpan PublisherTable::Record(int index) const {
    if (!block_ || !InRange(index, count_)) return {};
    return {block_.get() + static_cast<std::size_t>(index) * kSize, kSize};
}

std::string_view PublisherTable::FirstName(int index) const {
    return TextField(Record(index), kFirstName, kFirstNameWidth);
}

std::string_view PublisherTable::LastName(int index) const {
    return TextField(Record(index), kLastName, kLastNameWidth);
}

std::string_view PublisherTable::BaptismDate(int index) const {
    return TextField(Record(index), kBaptismDate, kDateWidth);
}

std::string_view PublisherTable::BirthDate(int index) const {
    return TextField(Record(index), kBirthDate, kDateWidth);
}

std::uint8_t PublisherTable::Hope(int index) const { return ReadU8(Record(index), kHope); }

std::int8_t PublisherTable::GroupNumber(int index) const { return ReadI8(Record(index), kGroupNumber); }

std::uint16_t PublisherTable::PublisherId(int index) const { return ReadU16(Record(index), kPublisherId); }

std::uint16_t PublisherTable::DetailsIndex(int index) const { return ReadU16(Record(index), kDetailsIndex); }

void PublisherTable::SetDetailsIndex(int index, std::uint16_t value) {
    WriteU16(Record(index), kDetailsIndex, value);
}

std::uint8_t PublisherTable::PersonFlags(int index) const { return ReadU8(Record(index), kPersonFlags); }

bool PublisherTable::OmitFromList(int index) const { return ReadU8(Record(index), kOmitFromList) != 0; }

int PublisherTable::FindById(std::uint16_t id) const {
    if (id < kLowestId) return 0;
    for (int i = 1; i < count_; ++i) {
        if (PublisherId(i) == id) return i;
    }
    return 0;
}

void PublisherTable::SwapRecords(int a, int b) {
    const ByteSpan first = Record(a);
    const ByteSpan second = Record(b);
    if (first.empty() || second.empty() || a == b) return;
    std::swap_ranges(first.begin(), first.end(), second.begin());
}

std::uint16_t PublisherTable::MonthlyFigure(int index, int month, int kind, int slot) const {
    if (!ValidMonthSlot(month, slot) || !InRange(kind, kFigureKinds)) return 0;
    const std::uint16_t value = ReadU16(Record(index), FigureOffset(month, kind, slot));
    return kind == kStudiesKind ? static_cast<std::uint16_t>(value & kStudiesMask) : value;
}

bool PublisherTable::SharedInMinistry(int index, int month, int slot) const {
    if (!ValidMonthSlot(month, slot)) return false;
    const ConstByteSpan record = Record(index);
    return ReadU16(record, FigureOffset(month, kHoursKind, slot)) != 0 ||
           (ReadU16(record, FigureOffset(month, kStudiesKind, slot)) & kSharedFlag) != 0;
}

PioneerStatus PublisherTable::MonthStatus(int index, int month, int slot) const {
    if (!ValidMonthSlot(month, slot)) return PioneerStatus::Publisher;
    const std::uint8_t byte = ReadU8(Record(index), kMonthStatus + 3 * static_cast<std::size_t>(month) +
                                                        static_cast<std::size_t>(slot));
    return static_cast<PioneerStatus>(byte & 0x03);
}

bool PublisherTable::IsFieldMissionary(int index) const {
    return (ReadU16(Record(index), kServiceFlags) & kFieldMissionaryFlag) != 0;
}

std::uint16_t PublisherTable::RemarkNumber(int index, int month, int slot) const {
    if (!ValidMonthSlot(month, slot)) return 0;
    return ReadU16(Record(index), RemarkNumberOffset(month, slot));
}

void PublisherTable::SetRemarkNumber(int index, int month, int slot, std::uint16_t value) {
    if (!ValidMonthSlot(month, slot)) return;
    WriteU16(Record(index), RemarkNumberOffset(month, slot), value);
}

void PublisherTable::ClearRemarkNumbers() {
    for (int index = 1; index < count_; ++index) {
        std::uint8_t* const numbers = block_.get() + static_cast<std::size_t>(index) * kSize + kRemarkNumber;
        std::fill_n(numbers, 2 * kRemarkNumberCount, std::uint8_t{0});
    }
}

PublisherIdIndex::PublisherIdIndex(const PublisherTable& table) : indexOfId_(0x10000, 0) {
    // From the last record to the first, so that the lowest index of an
    // identifier stays.
    for (int index = table.Count() - 1; index >= 1; --index) {
        indexOfId_[table.PublisherId(index)] = static_cast<std::uint16_t>(index);
    }
}

int PublisherIdIndex::Find(std::uint16_t id) const { return id < kLowestId ? 0 : indexOfId_[id]; }

}  // namespace vorlant
