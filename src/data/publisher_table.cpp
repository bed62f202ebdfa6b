#include "data/publisher_table.h"

#include <algorithm>
#include <array>
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

bool KeepsByte(KeptByteRule rule, std::uint8_t value, std::size_t position) {
    if (value != kKeptByte) return false;
    switch (rule) {
        case KeptByteRule::Always: return true;
        case KeptByteRule::BelowLimit: return position < kExtraText1KeptLimit;
        case KeptByteRule::None: return false;
    }
    return false;
}

// The length is taken once, so a byte that comes out as NUL ends the text
// but the bytes after it are still descrambled.
void DescrambleText(RecordSpan record, const ScrambledText& text) {
    const std::size_t length = BoundedTextLength(record, text.offset, text.width);
    for (std::size_t i = 0; i < length; ++i) {
        std::uint8_t& byte = record[text.offset + i];
        if (KeepsByte(text.rule, byte, i)) continue;
        byte = static_cast<std::uint8_t>(byte - (i + ScrambleBase));
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

constexpr std::uint16_t kStudiesMask = 0x03FF;
constexpr std::uint16_t kSharedFlag = 0x0800;

// Reads the complete records of the publisher file into the block, at most
// as many as the block holds, and returns their number. A trailing partial
// record stays in the slot after them, zero-padded and uncounted.
int ReadRecords(ByteSpan block, std::string_view folder) {
    const UniqueFile file = OpenForReading(PathIn(folder, kPublisherFileName));
    if (!file) return 0;
    int complete = 0;
    while (complete < PublisherTable::kMaxRecords) {
        const ByteSpan slot = block.subspan(static_cast<std::size_t>(complete) * kSize, kSize);
        if (ReadUpTo(file.get(), slot.data(), kSize) < kSize) break;
        ++complete;
    }
    return complete;
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

void DescrambleRecord(RecordSpan record) {
    for (const ScrambledText& text : kTerminatedTexts) record[text.offset + text.width - 1] = 0;
    for (const ScrambledText& text : kScrambledTexts) DescrambleText(record, text);
}

bool PublisherTable::Allocate() {
    block_.reset(new (std::nothrow) std::uint8_t[kBlockSize]());
    count_ = 0;
    return block_ != nullptr;
}

void PublisherTable::Release() {
    block_.reset();
    count_ = 0;
}

void PublisherTable::Load(GroupFile& groups, std::string_view folder) {
    groups.ResetCount();
    count_ = 0;
    if (!block_) return;
    const ByteSpan block(block_.get(), kBlockSize);
    std::fill(block.begin(), block.end(), std::uint8_t{0});

    count_ = ReadRecords(block, folder);
    if (count_ > 0 && block[kLastName] != kPlainMarker) {
        for (int i = 0; i < count_; ++i) DescrambleRecord(RecordAt(block, i));
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
    constexpr std::uint16_t kLowestId = 10;
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

}  // namespace vorlant
