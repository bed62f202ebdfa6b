// The readers of the publisher, group, details and remarks files, fed with files built byte by byte.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "support/loaded_data.h"

namespace vorlant {
namespace {

using namespace publisher_record;
using test::Bytes, test::Concat, test::Header, test::Record;
using LoadedTable = test::LoadedFolder;

Record Publisher(std::size_t id) { return Record().U16(kPublisherId, id); }

TEST(PublisherTableTest, CountsCompleteRecordsUpTo910) {
    struct Case { int records; std::size_t extra; int count; };  // records -1: no file
    for (const Case c : {Case{-1, 0, 1}, {0, 815, 1}, {1, 0, 1}, {5, 100, 5}, {910, 0, 910}, {911, 0, 910}}) {
        SCOPED_TRACE(testing::Message() << c.records << " records and " << c.extra << " bytes");
        test::TempFolder folder;
        folder.Write(kGroupFileName, Bytes{3});
        std::vector<Bytes> records;
        for (int i = 0; i < c.records; ++i) records.push_back(i == 0 ? Header("haslo") : Publisher(100 + i));
        records.push_back(Bytes(c.extra, 0x5A));
        if (c.records >= 0) folder.Write(kPublisherFileName, Concat(records));

        const LoadedTable loaded(folder.Str());
        EXPECT_EQ(loaded.table.Count(), c.count);
        EXPECT_EQ(loaded.table.PublisherId(c.count - 1), c.count > 1 ? 100 + c.count - 1 : 0);
        // The publishers are the records after the header record.
        EXPECT_EQ(std::tuple(loaded.table.IsPublisher(0), loaded.table.IsPublisher(1),
                             loaded.table.IsPublisher(c.count - 1), loaded.table.IsPublisher(c.count)),
                  std::tuple(false, c.count > 1, c.count > 1, false));
        // Without a complete record: a plain default header without password or groups.
        EXPECT_EQ(loaded.table.Password(), c.records < 1 ? " " : "haslo");
        EXPECT_EQ(loaded.table.Record(0)[kLastName], kPlainMarker);
        EXPECT_EQ(loaded.groups.Count(), c.records < 1 ? 0 : 3);
    }
}

TEST(PublisherTableTest, TextsOfAFileWithoutMarkerAreDescrambledEachInItsField) {
    const std::string fifteen = "ABCDEFGHIJKLMNO";
    for (const std::uint8_t base : {ScrambleBase, std::uint8_t{0x2B}}) {
        test::TempFolder folder;
        folder.Write(kPublisherFileName, Record().Text(kFirstName, std::string_view("ta\0ne", 5), base)
                                             .Text(kExtraText3, fifteen, base).Text(kExtraText4, fifteen, base));
        const LoadedTable loaded(folder.Str(), base);
        const ConstByteSpan header = loaded.table.Record(0);
        // A byte that comes out as NUL ends the text; the bytes after it are descrambled all the same.
        EXPECT_EQ(loaded.table.Password(), "ta") << +base;
        EXPECT_EQ(header[kFirstName + 3], 'n') << +base;
        // extraText3 and extraText4 fill their 15 bytes without a terminator.
        EXPECT_EQ(std::string(&header[kExtraText3], &header[kExtraText4 + 15]), fifteen + fifteen) << +base;
    }
}

TEST(DescrambleRecordTest, ByteValue204IsKeptInNamesAndEarlyInExtraText1) {
    struct Case { std::size_t offset, position; bool kept; };
    for (const Case c : {Case{kFirstName, 0, true}, {kFirstName, 19, true}, {kLastName, 7, true},
                         {kExtraText1, 29, true}, {kExtraText1, 30, false}, {kExtraText2, 0, false},
                         {kBaptismDate, 3, false}}) {
        Bytes record = Record().Text(c.offset, std::string(c.position, 'x')).U8(c.offset + c.position, 204);
        DescrambleRecord(std::span<std::uint8_t, kSize>(record.data(), kSize));
        const int expected = c.kept ? 204 : static_cast<std::uint8_t>(204 - c.position - ScrambleBase);
        EXPECT_EQ(record[c.offset + c.position], expected) << "field " << c.offset << " position " << c.position;
    }
}

TEST(PublisherTableTest, FindByIdTakesTheLowestIndexAndTheFastIndexAgrees) {
    test::TempFolder folder;
    folder.Write(kPublisherFileName, Concat({Header().U16(kPublisherId, 10), Publisher(9), Publisher(10),
                                             Publisher(10), Publisher(65535)}));
    const LoadedTable loaded(folder.Str());
    const PublisherIdIndex index(loaded.table);
    for (const auto& [id, found] : {std::array{0, 0}, {9, 0}, {10, 2}, {11, 0}, {65535, 4}}) {
        EXPECT_EQ(loaded.table.FindById(static_cast<std::uint16_t>(id)), found) << id;
        EXPECT_EQ(index.Find(static_cast<std::uint16_t>(id)), found) << id;
    }
}

TEST(GroupFileTest, DescramblesTheTextsOfTheCountedGroupsOnly) {
    test::TempFolder folder;
    GroupFile groups;
    // Entries hold "abc..." XORed with the key cyclically; "i" at 8, "t" at 19 meet their key and stay.
    const auto stored = [](std::size_t j) {
        const auto plain = static_cast<std::uint8_t>('a' + j), key = static_cast<std::uint8_t>(GroupKey[j % 10]);
        return plain == key ? key : static_cast<std::uint8_t>(plain ^ key);
    };
    for (const auto& [inFile, count, descrambled] :
         {std::array{0, 0, 0}, {3, 3, 3}, {20, 20, 20}, {25, 25, 20}, {200, -56, 0}}) {
        Record image = Record(group_file::kSize).U8(group_file::kCount, static_cast<std::size_t>(inFile));
        Record expected = image;
        for (const auto& [offset, width] : group_file::kTextTables) {
            for (std::size_t i = 0; i < 20 * width; ++i) {
                image.U8(offset + i, stored(i % width));
                const bool counted = static_cast<int>(i / width) < descrambled;
                expected.U8(offset + i, counted ? 'a' + i % width : stored(i % width));
            }
        }
        folder.Write(kGroupFileName, image);
        ASSERT_TRUE(groups.Read(folder.Str()));
        EXPECT_EQ(groups.Count(), count);
        EXPECT_EQ(Bytes(groups.Image().begin(), groups.Image().end()), expected.bytes) << inFile << " groups";
    }
}

// Record n of the details file belongs to publisher 1000 + n.
Bytes Details(int n, std::string_view longName = "Ewa Lis", std::string_view text = {}) {
    namespace d = details_record;
    return Record(d::kSize).U16(d::kPublisherId, static_cast<std::size_t>(1000 + n))
        .Text(d::kLongName, longName, ScrambleBase).Text(d::kDetailText1, text, ScrambleBase);
}

TEST(ExtendedDetailsTest, LookupFetchesAndDescramblesOrForgetsTheIndex) {
    struct Case { int detailsIndex, id; unsigned flags; std::string_view name; };  // no name: index reset
    const Case cases[] = {{1, 1001, 3, "Anna Maria Nowak"}, {600, 1600, 1, "Ewa Lis"},
                          {601, 1601, 0, ""}, {7, 1008, 0, ""},  // equal to the count; another's record
                          {4, 1004, 1, "Al"}};  // third byte turns NUL, the rest stays as read
    std::vector<Bytes> records;
    for (int n = 0; n < 700; ++n) records.push_back(Details(n));
    records[1] = Details(1, "Anna Maria Nowak", "brak");
    records[4] = Details(4, std::string_view("Al\0ex", 5));
    std::vector<Bytes> publishers;
    for (const Case& c : cases) publishers.push_back(Publisher(c.id).U16(kDetailsIndex, c.detailsIndex));
    test::LoadedRecords loaded(publishers);
    ExtendedDetails& details = loaded.details;
    EXPECT_EQ(details.Count(), 0);
    loaded.folder.Write(kDetailsFileName, Concat(records));
    details.CountRecords(loaded.folder.Str());
    EXPECT_EQ(details.Count(), 601);
    for (int index = 1; index <= 5; ++index) {
        const Case& c = cases[index - 1];
        const unsigned flags = details.Lookup(loaded.table, index);
        EXPECT_EQ(std::tuple(flags, details.LongName(), int{loaded.table.DetailsIndex(index)}),
                  std::tuple(c.flags, c.name, c.name.empty() ? 0 : c.detailsIndex)) << c.detailsIndex;
    }
    EXPECT_EQ(details.Current()[details_record::kLongName + 3], 'e' + 3 + ScrambleBase);
}

Bytes Remark(std::string_view text, std::size_t month, std::size_t year, std::size_t id) {
    namespace r = remark_record;
    return Record(r::kSize).Text(r::kText, text).U8(r::kMonth, month).U8(r::kYear, year).U16(r::kPublisherId, id);
}

TEST(RemarkTableTest, AttachesUsableRemarksUpTo898) {
    test::TempFolder folder;
    // Publisher 43 brings a remark number from the file, which must go.
    folder.Write(kPublisherFileName, Concat({Header(), Publisher(42), Publisher(43).U16(kRemarkNumber + 8, 1)}));
    const auto write = [&](std::vector<Bytes> records) {  // after a header that would be usable as a remark
        records.insert(records.begin(), Remark("Naglowek", 1, 25, 42));
        folder.Write(kRemarkFileName, Concat(records));
    };
    write({
        Remark("Pionier pomocniczy", 3, 25, 42),  // slot 1
        Remark("Za niski", 3, 25, 10),            // identifier too low
        Remark("   \t ", 3, 25, 42),              // blank
        Remark("Trzynasty", 13, 25, 42),          // no such month
        Remark("Zerowy", 0, 25, 42),              // no month
        Remark("Nieznany", 4, 25, 999),           // slot 2, on the header record
        Remark("  Druga uwaga  ", 3, 25, 42),     // slot 3, replaces slot 1
        Remark(std::string(43, 'a') + 'b', 7, 25, 42),  // slot 4: 44 letters, no terminator
    });
    LoadedTable loaded(folder.Str());
    const auto text = [&](int index, int month, int year) {
        std::array<char, RemarkTable::kTextBufferSize> out{'#'};
        loaded.remarks.Text(loaded.table, index, month, year, out);
        return std::string(out.data());
    };
    EXPECT_EQ(loaded.remarks.Count(), 5);
    EXPECT_EQ(std::tuple(loaded.table.RemarkNumber(2, 1, 1), loaded.table.RemarkNumber(0, 3, 1)), std::tuple(0, 2));
    EXPECT_EQ(std::tuple(text(1, 2, 2025), text(1, 2, 2024), text(1, 6, 2025)),
              std::tuple("Druga uwaga", "", std::string(43, 'a')));

    std::vector<Bytes> many(899, Remark("Uwaga", 5, 24, 42));
    many.back() = Remark("Ostatnia", 6, 24, 42);
    write(many);
    loaded.remarks.Load(loaded.table, folder.Str());
    EXPECT_EQ(loaded.remarks.Count(), RemarkTable::kCountLimit);
    EXPECT_EQ(loaded.table.RemarkNumber(1, 4, 0), 898);
    EXPECT_EQ(text(1, 5, 2024), "");
}

}  // namespace
}  // namespace vorlant
