// The publisher file "tdat9.bin" and the in-memory table of its records.
//
// The file holds one 816-byte record per publisher, record 0 being the
// file's header record (password and plain-data marker). The table is one
// block sized for the maximum of 910 records, read once at start-up and
// addressed by record index; all accessors take indexes and months as
// written in the file and answer 0 or empty for anything out of range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "data/scramble.h"

namespace vorlant {

class GroupFile;

// Byte offsets and widths of the fields of a publisher record.
namespace publisher_record {
inline constexpr std::size_t kSize = 816;
inline constexpr std::size_t kFirstName = 2;        // record 0: the password
inline constexpr std::size_t kFirstNameWidth = 21;
inline constexpr std::size_t kLastName = 23;        // record 0: byte 23 is the plain-data marker
inline constexpr std::size_t kLastNameWidth = 21;
inline constexpr std::size_t kExtraText1 = 44;
inline constexpr std::size_t kExtraText1Width = 63;
inline constexpr std::size_t kExtraText2 = 107;
inline constexpr std::size_t kExtraText2Width = 15;
inline constexpr std::size_t kExtraText3 = 122;
inline constexpr std::size_t kExtraText3Width = 15;
inline constexpr std::size_t kExtraText4 = 137;
inline constexpr std::size_t kExtraText4Width = 15;
inline constexpr std::size_t kBaptismDate = 152;    // MMDDYYYY then NUL
inline constexpr std::size_t kBirthDate = 161;
inline constexpr std::size_t kDateWidth = 9;
inline constexpr std::size_t kHope = 180;           // 'A' = anointed
inline constexpr std::size_t kGroupNumber = 181;    // signed; 0 = no group
inline constexpr std::size_t kPublisherId = 182;    // u16
inline constexpr std::size_t kDetailsIndex = 184;   // u16; 0 = none
inline constexpr std::size_t kServiceFlags = 194;   // u16; bit 8 = field missionary
inline constexpr std::size_t kOmitFromList = 200;
inline constexpr std::size_t kMonthStatus = 202;    // [month][slot], 3 bytes a month
inline constexpr std::size_t kPersonFlags = 239;
inline constexpr std::size_t kMonthlyFigures = 240; // u16 [kind 0..4][month][slot]
inline constexpr std::size_t kRemarkNumber = 600;   // u16 [month][slot]

inline constexpr std::uint8_t kPlainMarker = 'A';
inline constexpr std::uint8_t kAnointed = 'A';
inline constexpr std::uint16_t kFieldMissionaryFlag = 0x0100;
inline constexpr std::uint8_t kAppointmentMask = 0x03;  // 1 = ministerial servant, 2 = elder
inline constexpr std::uint8_t kMaleFlag = 0x20;
inline constexpr std::uint8_t kFemaleFlag = 0x40;

inline constexpr int kMonths = 12;
inline constexpr int kYearSlots = 3;   // slot = calendar year % 2; slot 2 is never read
inline constexpr int kFigureKinds = 5;
inline constexpr int kHoursKind = 2;
inline constexpr int kStudiesKind = 4;  // bits 0-9 studies, bit 11 shared in the ministry
}  // namespace publisher_record

enum class PioneerStatus : std::uint8_t {
    Publisher = 0,
    Auxiliary = 1,
    Regular = 2,
    Special = 3,
};

class PublisherTable {
public:
    static constexpr int kMaxRecords = 910;
    static constexpr std::size_t kBlockSize = kMaxRecords * publisher_record::kSize;

    PublisherTable() = default;
    PublisherTable(const PublisherTable&) = delete;
    PublisherTable& operator=(const PublisherTable&) = delete;

    // Obtains the block, which Load fills (no record can be read before).
    // False when memory cannot be had; the table then stays empty (count 0)
    // and the caller reports the failure.
    bool Allocate();
    bool IsAllocated() const { return block_ != nullptr; }

    // Reads the publisher file and, through `groups`, the group file, both
    // from `folder` (empty: the current directory). Afterwards the count is
    // at least 1: without usable records the table holds only a default
    // header record without password. Does nothing when not allocated.
    // `scrambleBase` is the base of the companion program's scrambling.
    void Load(GroupFile& groups, std::string_view folder = {}, std::uint8_t scrambleBase = ScrambleBase);

    void Release();

    // Number of records, the header record included; 0 before loading.
    int Count() const { return count_; }

    // Whether `record` is a publisher's: records 1 .. Count() - 1 (record 0
    // is the file's header record, and 0 also stands for none selected).
    bool IsPublisher(int record) const { return record >= 1 && record < count_; }

    // The 816 bytes of record `index`, or an empty span when the index is
    // not in 0 .. Count() - 1.
    ByteSpan Record(int index);
    ConstByteSpan Record(int index) const;

    // Text fields, bounded by their widths (at most width - 1 characters).
    std::string_view FirstName(int index) const;
    std::string_view LastName(int index) const;
    std::string_view BaptismDate(int index) const;
    std::string_view BirthDate(int index) const;
    // The password text held in the header record; " " means none.
    std::string_view Password() const { return FirstName(0); }

    std::uint8_t Hope(int index) const;
    std::int8_t GroupNumber(int index) const;
    std::uint16_t PublisherId(int index) const;
    std::uint16_t DetailsIndex(int index) const;
    void SetDetailsIndex(int index, std::uint16_t value);
    std::uint8_t PersonFlags(int index) const;
    bool OmitFromList(int index) const;

    // Lowest index 1 .. Count() - 1 whose identifier is `id`; 0 for an id
    // below 10, for a table without publishers, or when none matches.
    int FindById(std::uint16_t id) const;

    // Exchanges the bytes of two records; out-of-range indexes do nothing.
    void SwapRecords(int a, int b);

    std::uint16_t MonthlyFigure(int index, int month, int kind, int slot) const;
    bool SharedInMinistry(int index, int month, int slot) const;
    PioneerStatus MonthStatus(int index, int month, int slot) const;
    bool IsFieldMissionary(int index) const;

    std::uint16_t RemarkNumber(int index, int month, int slot) const;
    void SetRemarkNumber(int index, int month, int slot, std::uint16_t value);
    // Sets every remark number of the publishers (records 1 .. Count() - 1)
    // to 0; the header record keeps what it holds.
    void ClearRemarkNumbers();

private:
    std::unique_ptr<std::uint8_t[]> block_;
    int count_ = 0;
};

// FindById for many look-ups in a row: the identifiers sorted once.
class PublisherIdIndex {
public:
    explicit PublisherIdIndex(const PublisherTable& table);
    // The same answer as PublisherTable::FindById.
    int Find(std::uint16_t id) const;

private:
    // The lowest record index of each identifier, 0 for none.
    std::vector<std::uint16_t> indexOfId_;
};

// Undoes the companion program's additive scrambling of the eight text
// fields of one record in place. Touches nothing outside the record.
void DescrambleRecord(std::span<std::uint8_t, publisher_record::kSize> record,
                      std::uint8_t scrambleBase = ScrambleBase);

}  // namespace vorlant
