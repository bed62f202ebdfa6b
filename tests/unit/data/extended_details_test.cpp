#include <gtest/gtest.h>

#include "data/data_files.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data_builder.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using namespace details_record;
using test::Bytes;
using test::RecordBuilder;

struct CountCase {
    std::size_t bytes;
    int count;
    friend void PrintTo(const CountCase& c, std::ostream* os) { *os << c.bytes; }
};

class DetailsCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(DetailsCountTest, CountsCompleteRecordsUpTo601) {
    test::TempFolder folder;
    folder.Write(kDetailsFileName, Bytes(GetParam().bytes, 0x33));
    ExtendedDetails details;
    details.CountRecords(folder.Str());
    EXPECT_EQ(details.Count(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DetailsCountTest,
                         testing::Values(CountCase{0, 0}, CountCase{191, 0}, CountCase{192, 1},
                                         CountCase{192 * 5 + 10, 5}, CountCase{192 * 601, 601},
                                         CountCase{192 * 700, 601}));

TEST(ExtendedDetailsTest, MissingFileCountsNothing) {
    test::TempFolder folder;
    ExtendedDetails details;
    details.CountRecords(folder.Str());
    EXPECT_EQ(details.Count(), 0);
}

struct LookupCase {
    const char* name;
    std::uint16_t detailsIndex;
    std::uint16_t id;
    std::string_view longName;   // stored scrambled in the record, when there is one
    std::string_view detailText;
    unsigned flags;
    std::string_view shownName;
    bool indexKept;
    friend void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }
};

class LookupTest : public testing::TestWithParam<LookupCase> {};

// A details file of 700 records, of which 601 count; record n belongs to
// publisher 1000 + n, except where a case puts its own record.
TEST_P(LookupTest, FetchesAndDescrambles) {
    const LookupCase& c = GetParam();
    std::vector<Bytes> records;
    for (int n = 0; n < 700; ++n) {
        RecordBuilder record(kSize);
        record.U16(kPublisherId, static_cast<std::uint16_t>(1000 + n));
        if (n == c.detailsIndex && !c.longName.empty()) {
            record.Scrambled(kLongName, c.longName).Scrambled(kDetailText1, c.detailText);
        } else {
            record.Scrambled(kLongName, "Ewa Lis");
        }
        records.push_back(record.Get());
    }
    const Bytes publisher = RecordBuilder(publisher_record::kSize)
                                .U16(publisher_record::kPublisherId, c.id)
                                .U16(publisher_record::kDetailsIndex, c.detailsIndex)
                                .Get();
    const Bytes header = RecordBuilder(publisher_record::kSize)
                             .Text(publisher_record::kFirstName, " ")
                             .U8(publisher_record::kLastName, publisher_record::kPlainMarker)
                             .Get();

    test::TempFolder folder;
    folder.Write(kDetailsFileName, test::Concat(records));
    folder.Write(kPublisherFileName, test::Concat({header, publisher}));
    PublisherTable table;
    GroupFile groups;
    ASSERT_TRUE(table.Allocate());
    table.Load(groups, folder.Str());
    ExtendedDetails details;
    details.CountRecords(folder.Str());

    EXPECT_EQ(details.Lookup(table, 1), c.flags);
    EXPECT_EQ(details.LongName(), c.shownName);
    EXPECT_EQ(table.DetailsIndex(1), c.indexKept ? c.detailsIndex : 0);
    EXPECT_EQ(details.Lookup(table, 2), 0u);
    // The bytes after one that turned NUL are left as read.
    if (const auto nul = c.longName.find('\0'); nul != std::string_view::npos) {
        EXPECT_EQ(details.Current()[kLongName + nul + 1], RecordBuilder::Scramble(c.longName[nul + 1], nul + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupTest,
    testing::Values(
        LookupCase{"None", 0, 1000, {}, {}, 0, "", true},
        LookupCase{"First", 1, 1001, "Anna Maria Nowak", "brak", 3, "Anna Maria Nowak", true},
        LookupCase{"Last", 600, 1600, {}, {}, 1, "Ewa Lis", true},
        LookupCase{"EqualToCount", 601, 1601, {}, {}, 0, "", false},
        LookupCase{"AboveCount", 650, 1650, {}, {}, 0, "", false},
        LookupCase{"OtherPublisher", 7, 1008, {}, {}, 0, "", false},
        LookupCase{"NoLetters", 9, 1009, "12 34", "5 6", 0, "12 34", true},
        LookupCase{"LetterInDetailOnly", 9, 1009, "12 34", "x", 2, "12 34", true},
        LookupCase{"ThirdByteNul", 4, 1004, std::string_view("Al\0ex", 5), {}, 1, "Al", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorlant
