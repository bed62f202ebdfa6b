// The readers of the publisher, group, extended details and remarks files,
// fed with files built byte by byte.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "data/data_files.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "data/scramble.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using namespace publisher_record;
using Bytes = std::vector<std::uint8_t>;

// A zero-filled record whose fields are set at byte offsets. A scrambled text
// is stored as the companion program stores it: byte i as plain + i + ScrambleBase.
struct Record {
    explicit Record(std::size_t size) : bytes(size, 0) {}
    Record& Text(std::size_t offset, std::string_view text, bool scrambled = false) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            bytes.at(offset + i) = static_cast<std::uint8_t>(text[i] + (scrambled ? i + ScrambleBase : 0));
        }
        return *this;
    }
    Record& U8(std::size_t offset, std::uint8_t value) {
        bytes.at(offset) = value;
        return *this;
    }
    Record& U16(std::size_t offset, std::uint16_t value) {
        return U8(offset, static_cast<std::uint8_t>(value)).U8(offset + 1, static_cast<std::uint8_t>(value >> 8));
    }
    operator const Bytes&() const { return bytes; }
    Bytes bytes;
};

Bytes Concat(const std::vector<Bytes>& parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

Record Publisher(int id) { return Record(kSize).U16(kPublisherId, static_cast<std::uint16_t>(id)); }

Record Header(std::string_view password) {
    return Record(kSize).Text(kFirstName, password).U8(kLastName, kPlainMarker);
}

struct LoadedTable {
    explicit LoadedTable(const test::TempFolder& folder) {
        EXPECT_TRUE(table.Allocate());
        table.Load(groups, folder.Str());
    }
    PublisherTable table;
    GroupFile groups;
};

TEST(PublisherTableTest, CountsCompleteRecordsUpTo910) {
    struct Case { int records; std::size_t extra; int count; };  // records -1: no file
    for (const Case c :
         {Case{-1, 0, 1}, {0, 0, 1}, {0, 815, 1}, {1, 0, 1}, {5, 100, 5}, {910, 0, 910}, {911, 0, 910}}) {
        SCOPED_TRACE(testing::Message() << c.records << " records and " << c.extra << " bytes");
        test::TempFolder folder;
        folder.Write(kGroupFileName, Bytes{3});
        std::vector<Bytes> records;
        for (int i = 0; i < c.records; ++i) records.push_back(i == 0 ? Header("haslo") : Publisher(100 + i));
        records.push_back(Bytes(c.extra, 0x5A));
        if (c.records >= 0) folder.Write(kPublisherFileName, Concat(records));

        const LoadedTable loaded(folder);
        EXPECT_EQ(loaded.table.Count(), c.count);
        EXPECT_EQ(loaded.table.PublisherId(c.count - 1), c.count > 1 ? 100 + c.count - 1 : 0);
        // Without a complete record the table is a default header: plain, no password, no groups.
        // The password of a file marked plain is taken as it stands.
        const bool defaultHeader = c.records < 1;
        EXPECT_EQ(loaded.table.Password(), defaultHeader ? " " : "haslo");
        EXPECT_EQ(loaded.table.Record(0)[kLastName], kPlainMarker);
        EXPECT_EQ(loaded.groups.Count(), defaultHeader ? 0 : 3);
    }
}

TEST(PublisherTableTest, TextsOfAFileWithoutMarkerAreDescrambledEachInItsField) {
    const std::string fifteen = "ABCDEFGHIJKLMNO";
    const Record publisher = Record(kSize)
                                 .Text(kFirstName, std::string_view("An\0na", 5), true)
                                 .Text(kLastName, "Kowalski", true)
                                 .Text(kExtraText3, fifteen, true)
                                 .Text(kExtraText4, fifteen, true)
                                 .Text(kBirthDate, "0315", true);
    test::TempFolder folder;
    folder.Write(kPublisherFileName, Concat({Record(kSize).Text(kFirstName, "tajne", true), publisher}));
    const LoadedTable loaded(folder);
    const PublisherTable& t = loaded.table;
    EXPECT_EQ(t.Password(), "tajne");
    EXPECT_EQ(t.LastName(1), "Kowalski");
    EXPECT_EQ(t.BirthDate(1), "0315");
    // A byte that comes out as NUL ends the text; the bytes after it are descrambled all the same.
    EXPECT_EQ(t.FirstName(1), "An");
    EXPECT_EQ(t.Record(1)[kFirstName + 3], 'n');
    // extraText3 and extraText4 fill their 15 bytes without a terminator.
    EXPECT_EQ(std::string(&t.Record(1)[kExtraText3], &t.Record(1)[kExtraText4 + kExtraText4Width]), fifteen + fifteen);
}

TEST(PublisherTableTest, AnotherScrambleBaseIsHonoured) {
    test::TempFolder folder;
    Record publisher = Publisher(42);
    const std::string_view name = "Zofia";
    for (std::size_t i = 0; i < name.size(); ++i) {
        publisher.U8(kFirstName + i, static_cast<std::uint8_t>(name[i] + i + 0x2B));
    }
    folder.Write(kPublisherFileName, Concat({Record(kSize).U8(kFirstName, ' ' + 0x2B),
                                             publisher}));
    PublisherTable table;
    GroupFile groups;
    ASSERT_TRUE(table.Allocate());
    table.Load(groups, folder.Str(), 0x2B);
    EXPECT_EQ(table.FirstName(1), "Zofia");
    EXPECT_EQ(table.Password(), " ");
}

TEST(DescrambleRecordTest, ByteValue204IsKeptInNamesAndEarlyInExtraText1) {
    struct Case { std::size_t offset, position; bool kept; };
    for (const Case c : {Case{kFirstName, 0, true}, {kFirstName, 19, true}, {kLastName, 7, true},
                         {kExtraText1, 29, true}, {kExtraText1, 30, false}, {kExtraText2, 0, false},
                         {kBaptismDate, 3, false}}) {
        Bytes record = Record(kSize).Text(c.offset, std::string(c.position, 'x')).U8(c.offset + c.position, 204);
        DescrambleRecord(std::span<std::uint8_t, kSize>(record.data(), kSize));
        const int expected = c.kept ? 204 : static_cast<std::uint8_t>(204 - c.position - ScrambleBase);
        EXPECT_EQ(record[c.offset + c.position], expected) << "field " << c.offset << " position " << c.position;
    }
}

std::size_t Figure(int kind, int month, int slot) {
    return kMonthlyFigures + static_cast<std::size_t>(72 * kind + 6 * month + 2 * slot);
}

TEST(PublisherTableTest, MonthlyFiguresAndFlags) {
    const Record publisher = Publisher(100)
                                 .U16(Figure(kStudiesKind, 3, 1), 2053)  // 5 studies, shared in the ministry
                                 .U16(Figure(kHoursKind, 4, 0), 7)
                                 .U16(Figure(kStudiesKind, 5, 0), 0xF7FF)
                                 .U8(kMonthStatus + 3 * 3 + 1, 0xFE)
                                 .U16(kServiceFlags, kFieldMissionaryFlag);
    test::TempFolder folder;
    folder.Write(kPublisherFileName,
                 Concat({Header(" "), publisher, Publisher(101).U16(kServiceFlags, 0xFEFF), Bytes(kSize, 0xFF)}));
    const LoadedTable loaded(folder);
    const PublisherTable& t = loaded.table;
    EXPECT_EQ(t.MonthlyFigure(1, 3, kStudiesKind, 1), 5);
    EXPECT_TRUE(t.SharedInMinistry(1, 3, 1));
    EXPECT_EQ(t.MonthlyFigure(1, 4, kHoursKind, 0), 7);
    EXPECT_TRUE(t.SharedInMinistry(1, 4, 0));
    EXPECT_EQ(t.MonthlyFigure(1, 5, kStudiesKind, 0), 0x3FF);
    EXPECT_FALSE(t.SharedInMinistry(1, 5, 0));
    EXPECT_EQ(t.MonthStatus(1, 3, 1), PioneerStatus::Regular);
    EXPECT_TRUE(t.IsFieldMissionary(1));
    EXPECT_FALSE(t.IsFieldMissionary(2));
    // Out-of-range arguments read nothing, not even from a record of 0xFF bytes.
    for (const auto& [index, month, kind, slot] :
         {std::array{4, 3, 4, 1}, {-1, 3, 4, 1}, {3, 12, 4, 1}, {3, -1, 4, 1}, {3, 3, 5, 1}, {3, 3, -1, 1},
          {3, 3, 4, 3}}) {
        EXPECT_EQ(t.MonthlyFigure(index, month, kind, slot), 0) << index << ' ' << month << ' ' << kind << ' ' << slot;
    }
    EXPECT_FALSE(t.SharedInMinistry(3, 12, 1));
    EXPECT_EQ(t.MonthStatus(3, 12, 1), PioneerStatus::Publisher);
}

TEST(PublisherTableTest, FindByIdAndSwap) {
    test::TempFolder folder;
    const Bytes header = Header(" ").U16(kPublisherId, 10);
    folder.Write(kPublisherFileName, Concat({header, Publisher(9), Publisher(10), Publisher(10), Publisher(65535)}));
    LoadedTable loaded(folder);
    PublisherTable& t = loaded.table;
    EXPECT_EQ(t.FindById(9), 0);
    EXPECT_EQ(t.FindById(10), 2);
    EXPECT_EQ(t.FindById(65535), 4);
    EXPECT_EQ(t.FindById(11), 0);
    const PublisherIdIndex index(t);   // the remarks' fast look-up answers alike
    for (const int id : {0, 9, 10, 11, 65535}) {
        EXPECT_EQ(index.Find(static_cast<std::uint16_t>(id)), t.FindById(static_cast<std::uint16_t>(id))) << id;
    }
    t.SwapRecords(1, 4);
    t.SwapRecords(1, 5);
    t.SwapRecords(-1, 1);
    EXPECT_EQ(t.PublisherId(1), 65535);
    EXPECT_EQ(t.PublisherId(4), 9);
}

std::uint8_t Key(std::size_t i) { return static_cast<std::uint8_t>(GroupKey[i % GroupKey.size()]); }

TEST(GroupFileTest, DescramblesTheEntriesOfTheCountedGroups) {
    test::TempFolder folder;
    GroupFile groups;
    groups.Image()[group_file::kCount] = 5;
    EXPECT_FALSE(groups.Read(folder.Str()));
    EXPECT_EQ(groups.Count(), 0);
    for (const auto& [stored, count, descrambled] :
         {std::array{0, 0, 0}, {3, 3, 3}, {20, 20, 20}, {25, 25, 20}, {200, -56, 0}}) {
        // Every entry of every table holds "a" as the companion program stores it.
        Bytes image(group_file::kSize, 0);
        image[group_file::kCount] = static_cast<std::uint8_t>(stored);
        for (const auto& table : group_file::kTextTables) {
            for (std::size_t entry = 0; entry < group_file::kMaxGroups; ++entry) {
                image[table.offset + entry * table.entryWidth] = 'a' ^ Key(0);
            }
        }
        folder.Write(kGroupFileName, image);
        ASSERT_TRUE(groups.Read(folder.Str()));
        EXPECT_EQ(groups.Count(), count);
        for (const auto& table : group_file::kTextTables) {
            for (std::size_t entry = 0; entry < group_file::kMaxGroups; ++entry) {
                const std::size_t at = table.offset + entry * table.entryWidth;
                EXPECT_EQ(groups.Image()[at] == 'a', static_cast<int>(entry) < descrambled) << stored << ", at " << at;
            }
        }
    }
}

TEST(GroupFileTest, KeyRunsCyclicallyAndKeepsEqualBytesWithinTheEntry) {
    std::array<std::uint8_t, group_file::kSize> image{};
    image[group_file::kCount] = 1;
    const auto [start, width] = group_file::kTextTables[0];
    for (std::size_t i = 0; i < width; ++i) image[start + i] = static_cast<std::uint8_t>('0' + i);
    image[start + 1] = Key(1);
    image[start + width] = 0x55;  // entry 1, of a group that is not counted
    DescrambleGroupTexts(image);
    EXPECT_EQ(image[start], '0' ^ Key(0));
    EXPECT_EQ(image[start + 1], Key(1));
    EXPECT_EQ(image[start + 2], ('0' + 2) ^ Key(2));
    EXPECT_EQ(image[start + 10], ('0' + 10) ^ Key(0));
    EXPECT_EQ(image[start + width - 1], ('0' + 23) ^ Key(23));
    EXPECT_EQ(image[start + width], 0x55);
}

TEST(ExtendedDetailsTest, CountsCompleteRecordsUpTo601) {
    test::TempFolder folder;
    ExtendedDetails details;
    details.CountRecords(folder.Str());
    EXPECT_EQ(details.Count(), 0);
    for (const auto& [records, extra, count] :
         {std::array{0, 0, 0}, {0, 191, 0}, {1, 0, 1}, {5, 10, 5}, {601, 0, 601}, {700, 0, 601}}) {
        folder.Write(kDetailsFileName, Bytes(static_cast<std::size_t>(192 * records + extra), 0x33));
        details.CountRecords(folder.Str());
        EXPECT_EQ(details.Count(), count) << records << " records and " << extra << " bytes";
    }
}

// Record n of the details file, for publisher 1000 + n.
Bytes Details(int n, std::string_view longName = "Ewa Lis", std::string_view detailText = {}) {
    namespace d = details_record;
    return Record(d::kSize)
        .U16(d::kPublisherId, static_cast<std::uint16_t>(1000 + n))
        .Text(d::kLongName, longName, true)
        .Text(d::kDetailText1, detailText, true);
}

TEST(ExtendedDetailsTest, LookupFetchesAndDescramblesOrForgetsTheIndex) {
    struct Case { int detailsIndex, id; unsigned flags; std::string_view name; bool kept; };
    const std::vector<Case> cases = {
        {0, 1000, 0, "", true},
        {1, 1001, 3, "Anna Maria Nowak", true},
        {600, 1600, 1, "Ewa Lis", true},
        {601, 1601, 0, "", false},  // equal to the count
        {650, 1650, 0, "", false},
        {7, 1008, 0, "", false},    // record of another publisher
        {9, 1009, 0, "12 34", true},
        {10, 1010, 2, "12 34", true},
        {4, 1004, 1, "Al", true},   // third byte descrambles to NUL
    };
    std::vector<Bytes> records;
    for (int n = 0; n < 700; ++n) records.push_back(Details(n));
    records[1] = Details(1, "Anna Maria Nowak", "brak");
    records[4] = Details(4, std::string_view("Al\0ex", 5));
    records[9] = Details(9, "12 34", "5 6");
    records[10] = Details(10, "12 34", "x");
    std::vector<Bytes> publishers{Header(" ")};
    for (const Case& c : cases) {
        publishers.push_back(Publisher(c.id).U16(kDetailsIndex, static_cast<std::uint16_t>(c.detailsIndex)));
    }
    test::TempFolder folder;
    folder.Write(kDetailsFileName, Concat(records));
    folder.Write(kPublisherFileName, Concat(publishers));
    LoadedTable loaded(folder);
    ExtendedDetails details;
    details.CountRecords(folder.Str());

    for (int index = 1; index <= static_cast<int>(cases.size()); ++index) {
        const Case& c = cases[static_cast<std::size_t>(index - 1)];
        SCOPED_TRACE(testing::Message() << "details index " << c.detailsIndex);
        EXPECT_EQ(details.Lookup(loaded.table, index), c.flags);
        if (!c.name.empty()) {
            EXPECT_EQ(details.LongName(), c.name);
        }
        EXPECT_EQ(loaded.table.DetailsIndex(index), c.kept ? c.detailsIndex : 0);
    }
    // The bytes after the one that turned NUL stay as read.
    EXPECT_EQ(details.Current()[details_record::kLongName + 3], static_cast<std::uint8_t>('e' + 3 + ScrambleBase));
    EXPECT_EQ(details.Lookup(loaded.table, loaded.table.Count()), 0u);
}

Bytes Remark(std::string_view text, std::uint8_t month, std::uint8_t year, std::uint16_t id) {
    namespace r = remark_record;
    return Record(r::kSize).Text(r::kText, text).U8(r::kMonth, month).U8(r::kYear, year).U16(r::kPublisherId, id);
}

TEST(RemarkTableTest, AttachesUsableRemarksUpTo898) {
    test::TempFolder folder;
    // Publisher 43 brings a remark number from the file, which must go.
    folder.Write(kPublisherFileName, Concat({Header(" "), Publisher(42), Publisher(43).U16(kRemarkNumber + 6 + 2, 1)}));
    LoadedTable loaded(folder);
    const PublisherTable& table = loaded.table;
    RemarkTable remarks;
    // Every file begins with a header that would be usable as a remark.
    const auto load = [&](std::vector<Bytes> records) {
        records.insert(records.begin(), Remark("Naglowek", 1, 25, 42));
        folder.Write(kRemarkFileName, Concat(records));
        remarks.Load(loaded.table, folder.Str());
    };
    const auto text = [&](int index, int month, int year) {
        std::array<char, RemarkTable::kTextBufferSize> out;
        out.fill('#');
        // Two statements: the answer must be in hand before `out` is looked at.
        const bool found = remarks.Text(table, index, month, year, out);
        EXPECT_EQ(found, out[0] != '\0');
        return std::string(out.data());
    };

    remarks.Load(loaded.table, folder.Str());  // no remarks file yet
    EXPECT_EQ(remarks.Count(), 1);
    EXPECT_EQ(table.RemarkNumber(2, 1, 1), 0);
    load({});
    EXPECT_EQ(remarks.Count(), 1);
    EXPECT_EQ(text(1, 0, 2025), "");

    const std::string longest(43, 'z');
    Bytes unterminated = Remark(longest, 6, 24, 43);
    unterminated[43] = 'Q';
    load({
        Remark("Pionier pomocniczy", 3, 25, 42),  // slot 1
        Remark("Za niski", 3, 25, 10),            // identifier too low
        Remark("   \t ", 3, 25, 42),              // blank
        Remark("Trzynasty", 13, 25, 42),          // no such month
        Remark("Zerowy", 0, 25, 42),              // no month
        Remark("Nieznany", 4, 25, 999),           // slot 2, on the header record
        Remark("  Druga uwaga  ", 3, 25, 42),     // slot 3, replaces slot 1
        Remark("Luty", 2, 26, 42),                // slot 4
        unterminated,                             // slot 5
    });
    EXPECT_EQ(remarks.Count(), 6);
    EXPECT_EQ(table.RemarkNumber(1, 2, 1), 3);
    EXPECT_EQ(table.RemarkNumber(0, 3, 1), 2);
    EXPECT_EQ(text(1, 2, 2025), "Druga uwaga");
    EXPECT_EQ(text(1, 1, 2024), "Luty");
    EXPECT_EQ(text(1, 2, 2024), "");
    EXPECT_EQ(text(1, 3, 2025), "");
    EXPECT_EQ(text(2, 5, 2024), longest);

    std::vector<Bytes> many(899, Remark("Uwaga", 5, 24, 42));
    many.back() = Remark("Ostatnia", 6, 24, 42);
    load(many);
    EXPECT_EQ(remarks.Count(), RemarkTable::kCountLimit);
    EXPECT_EQ(table.RemarkNumber(1, 4, 0), 898);
    EXPECT_EQ(text(1, 5, 2024), "");
}

}  // namespace
}  // namespace vorlant
