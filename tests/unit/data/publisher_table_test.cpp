#include <gtest/gtest.h>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data_builder.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using namespace publisher_record;
using test::Bytes;
using test::RecordBuilder;

RecordBuilder Publisher(std::uint16_t id) { return RecordBuilder(kSize).U16(kPublisherId, id); }

RecordBuilder PlainHeader(std::string_view password) {
    return RecordBuilder(kSize).Text(kFirstName, password).U8(kLastName, kPlainMarker);
}

// A plain file of a header and publishers with identifiers 100, 101, ...
Bytes PlainFile(int records, std::string_view password = "haslo") {
    Bytes file = PlainHeader(password).Get();
    for (int i = 1; i < records; ++i) {
        const Bytes record = Publisher(static_cast<std::uint16_t>(100 + i)).Get();
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

class Loaded {
public:
    explicit Loaded(const test::TempFolder& folder) {
        EXPECT_TRUE(table.Allocate());
        table.Load(groups, folder.Str());
    }
    PublisherTable table;
    GroupFile groups;
};

struct SizeCase {
    const char* name;
    int records;          // -1: no file
    std::size_t extra;    // bytes of a trailing partial record
    int count;
    bool defaultHeader;
    friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
};

class FileSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(FileSizeTest, CountsCompleteRecordsOnly) {
    const SizeCase& c = GetParam();
    test::TempFolder folder;
    if (c.records >= 0) {
        Bytes file = c.records > 0 ? PlainFile(c.records) : Bytes{};
        file.resize(file.size() + c.extra, 0x5A);
        folder.Write(kPublisherFileName, file);
    }
    folder.Write(kGroupFileName, Bytes{3});

    Loaded loaded(folder);
    const PublisherTable& table = loaded.table;
    EXPECT_EQ(table.Count(), c.count);
    EXPECT_EQ(table.Password(), c.defaultHeader ? " " : "haslo");
    EXPECT_EQ(table.Record(0)[kLastName], kPlainMarker);
    EXPECT_EQ(loaded.groups.Count(), c.defaultHeader ? 0 : 3);
    EXPECT_EQ(table.PublisherId(c.count - 1), c.count > 1 ? 100 + c.count - 1 : 0);
    EXPECT_TRUE(table.Record(c.count).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FileSizeTest,
    testing::Values(SizeCase{"Missing", -1, 0, 1, true}, SizeCase{"Empty", 0, 0, 1, true},
                    SizeCase{"Short", 0, 815, 1, true}, SizeCase{"HeaderOnly", 1, 0, 1, false},
                    SizeCase{"Partial", 5, 100, 5, false}, SizeCase{"Full", 910, 0, 910, false},
                    SizeCase{"FullPartial", 910, 100, 910, false}, SizeCase{"TooMany", 911, 0, 910, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PublisherTableTest, MarkerDecidesWhetherTextsAreDescrambled) {
    const Bytes header = RecordBuilder(kSize).Scrambled(kFirstName, "tajne").Get();
    const Bytes publisher = RecordBuilder(kSize)
                                .Scrambled(kFirstName, "Jan")
                                .Scrambled(kLastName, "Kowalski")
                                .Scrambled(kBaptismDate, "03151990")
                                .Get();
    Bytes plainHeader = header;
    plainHeader[kLastName] = kPlainMarker;

    test::TempFolder folder;
    folder.Write(kPublisherFileName, test::Concat({header, publisher}));
    const Loaded scrambled(folder);
    EXPECT_EQ(scrambled.table.Password(), "tajne");
    EXPECT_EQ(scrambled.table.FirstName(1), "Jan");
    EXPECT_EQ(scrambled.table.LastName(1), "Kowalski");
    EXPECT_EQ(scrambled.table.BaptismDate(1), "03151990");

    folder.Write(kPublisherFileName, test::Concat({plainHeader, publisher}));
    const Loaded plain(folder);
    EXPECT_EQ(plain.table.FirstName(1).size(), 3u);
    EXPECT_NE(plain.table.FirstName(1), "Jan");
}

struct KeptByteCase {
    std::size_t offset;
    std::size_t position;
    bool kept;
    friend void PrintTo(const KeptByteCase& c, std::ostream* os) { *os << c.offset << '+' << c.position; }
};

class KeptByteTest : public testing::TestWithParam<KeptByteCase> {};

TEST_P(KeptByteTest, ByteValue204) {
    const KeptByteCase& c = GetParam();
    Bytes record = RecordBuilder(kSize).Text(c.offset, std::string(c.position, 'x')).U8(c.offset + c.position, 204).Get();
    DescrambleRecord(std::span<std::uint8_t, kSize>(record.data(), kSize));
    const auto changed = static_cast<std::uint8_t>(204 - (c.position + ScrambleBase));
    EXPECT_EQ(record[c.offset + c.position], c.kept ? 204 : changed);
}

INSTANTIATE_TEST_SUITE_P(Fields, KeptByteTest,
                         testing::Values(KeptByteCase{kFirstName, 0, true}, KeptByteCase{kFirstName, 19, true},
                                         KeptByteCase{kLastName, 7, true}, KeptByteCase{kExtraText1, 29, true},
                                         KeptByteCase{kExtraText1, 30, false}, KeptByteCase{kExtraText1, 61, false},
                                         KeptByteCase{kExtraText2, 0, false}, KeptByteCase{kBirthDate, 3, false}));

TEST(DescrambleRecordTest, ByteTurningNulEndsTextButLaterBytesAreDescrambled) {
    Bytes record = RecordBuilder(kSize).Scrambled(kFirstName, std::string_view("An\0na", 5)).Get();
    DescrambleRecord(std::span<std::uint8_t, kSize>(record.data(), kSize));
    EXPECT_EQ(TextField(record, kFirstName, kFirstNameWidth), "An");
    EXPECT_EQ(record[kFirstName + 3], 'n');
    EXPECT_EQ(record[kFirstName + 4], 'a');
}

TEST(DescrambleRecordTest, FullExtraTextsStayInTheirFields) {
    const std::string fifteen = "ABCDEFGHIJKLMNO";
    Bytes record = RecordBuilder(kSize)
                       .Text(kFirstName, std::string(kFirstNameWidth, 'q'))
                       .Scrambled(kExtraText3, fifteen)
                       .Scrambled(kExtraText4, fifteen)
                       .Scrambled(kBaptismDate, "01022003")
                       .Text(kBirthDate, std::string(kDateWidth, '9'))
                       .U8(kBirthDate + kDateWidth, 0x77)
                       .Get();
    DescrambleRecord(std::span<std::uint8_t, kSize>(record.data(), kSize));
    EXPECT_EQ(TextField(record, kExtraText3, kExtraText3Width + 1), fifteen);
    EXPECT_EQ(TextField(record, kExtraText4, kExtraText4Width + 1), fifteen);
    EXPECT_EQ(TextField(record, kBaptismDate, kDateWidth), "01022003");
    EXPECT_EQ(record[kFirstName + kFirstNameWidth - 1], 0);
    EXPECT_EQ(record[kBirthDate + kDateWidth - 1], 0);
    EXPECT_EQ(record[kBirthDate + kDateWidth], 0x77);
}

TEST(PublisherTableTest, MonthlyAccessors) {
    const Bytes publisher = Publisher(100)
                                .U16(kMonthlyFigures + 72 * kStudiesKind + 6 * 3 + 2 * 1, 2053)
                                .U16(kMonthlyFigures + 72 * kHoursKind + 6 * 4 + 0, 7)
                                .U16(kMonthlyFigures + 72 * kStudiesKind + 6 * 5 + 0, 0xF7FF)
                                .U8(kMonthStatus + 3 * 3 + 1, 0xFE)
                                .U16(kServiceFlags, kFieldMissionaryFlag)
                                .Get();
    const Bytes other = Publisher(101).U16(kServiceFlags, 0xFEFF).Get();
    test::TempFolder folder;
    folder.Write(kPublisherFileName, test::Concat({PlainHeader(" ").Get(), publisher, other}));
    const Loaded loaded(folder);
    const PublisherTable& t = loaded.table;

    EXPECT_EQ(t.MonthlyFigure(1, 3, kStudiesKind, 1), 5);
    EXPECT_EQ(t.MonthlyFigure(1, 3, kHoursKind, 1), 0);
    EXPECT_TRUE(t.SharedInMinistry(1, 3, 1));
    EXPECT_EQ(t.MonthlyFigure(1, 4, kHoursKind, 0), 7);
    EXPECT_TRUE(t.SharedInMinistry(1, 4, 0));
    EXPECT_EQ(t.MonthlyFigure(1, 5, kStudiesKind, 0), 0x3FF);
    EXPECT_FALSE(t.SharedInMinistry(1, 5, 0));
    EXPECT_FALSE(t.SharedInMinistry(1, 3, 0));
    EXPECT_EQ(t.MonthStatus(1, 3, 1), PioneerStatus::Regular);
    EXPECT_TRUE(t.IsFieldMissionary(1));
    EXPECT_FALSE(t.IsFieldMissionary(2));

    for (const auto& [index, month, kind, slot] : {std::array{3, 3, 4, 1}, {-1, 3, 4, 1}, {1, 12, 4, 1},
                                                   {1, -1, 4, 1}, {1, 3, 5, 1}, {1, 3, -1, 1}, {1, 3, 4, 3}}) {
        EXPECT_EQ(t.MonthlyFigure(index, month, kind, slot), 0);
        if (kind != kStudiesKind) continue;
        EXPECT_FALSE(t.SharedInMinistry(index, month, slot));
        EXPECT_EQ(t.MonthStatus(index, month, slot), PioneerStatus::Publisher);
    }
}

TEST(PublisherTableTest, FindByIdAndSwap) {
    test::TempFolder folder;
    Bytes header = PlainHeader(" ").U16(kPublisherId, 10).Get();
    folder.Write(kPublisherFileName, header);
    Loaded headerOnly(folder);
    EXPECT_EQ(headerOnly.table.FindById(10), 0);

    folder.Write(kPublisherFileName, test::Concat({header, Publisher(9).Get(), Publisher(10).Get(),
                                                   Publisher(10).Get(), Publisher(65535).Get()}));
    Loaded loaded(folder);
    PublisherTable& t = loaded.table;
    EXPECT_EQ(t.FindById(9), 0);
    EXPECT_EQ(t.FindById(10), 2);
    EXPECT_EQ(t.FindById(65535), 4);
    EXPECT_EQ(t.FindById(11), 0);

    t.SwapRecords(1, 4);
    EXPECT_EQ(t.PublisherId(1), 65535);
    EXPECT_EQ(t.PublisherId(4), 9);
    t.SwapRecords(1, 5);
    t.SwapRecords(-1, 1);
    EXPECT_EQ(t.PublisherId(1), 65535);
}

TEST(PublisherTableTest, UnallocatedTableStaysEmpty) {
    test::TempFolder folder;
    folder.Write(kPublisherFileName, PlainFile(3));
    PublisherTable table;
    GroupFile groups;
    table.Load(groups, folder.Str());
    EXPECT_EQ(table.Count(), 0);
    EXPECT_TRUE(table.Record(0).empty());
    EXPECT_EQ(table.Password(), "");
}

}  // namespace
}  // namespace vorlant
