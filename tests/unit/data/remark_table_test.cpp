#include <gtest/gtest.h>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "data_builder.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using test::Bytes;
using test::RecordBuilder;

Bytes Remark(std::string_view text, std::uint8_t month, std::uint8_t year, std::uint16_t id) {
    return RecordBuilder(remark_record::kSize)
        .Text(remark_record::kText, text)
        .U8(remark_record::kMonth, month)
        .U8(remark_record::kYear, year)
        .U16(remark_record::kPublisherId, id)
        .Get();
}

// Header and publishers 42 and 43; publisher 43 brings a stale remark number.
class RemarkTableTest : public testing::Test {
protected:
    void SetUp() override {
        using namespace publisher_record;
        const Bytes header = RecordBuilder(kSize).Text(kFirstName, " ").U8(kLastName, kPlainMarker).Get();
        folder.Write(kPublisherFileName,
                     test::Concat({header, RecordBuilder(kSize).U16(kPublisherId, 42).Get(),
                                   RecordBuilder(kSize).U16(kPublisherId, 43).U16(kRemarkNumber + 6 * 1 + 2, 500).Get()}));
        ASSERT_TRUE(table.Allocate());
        table.Load(groups, folder.Str());
    }

    void LoadRemarks(std::vector<Bytes> remarks) {
        remarks.insert(remarks.begin(), Bytes(remark_record::kSize, 0xEE));
        folder.Write(kRemarkFileName, test::Concat(remarks));
        remarks_.Load(table, folder.Str());
    }

    std::string TextOf(int index, int month, int year) {
        std::array<char, RemarkTable::kTextBufferSize> out;
        out.fill('#');
        const bool found = remarks_.Text(table, index, month, year, out);
        EXPECT_EQ(found, out[0] != '\0');
        return out.data();
    }

    test::TempFolder folder;
    PublisherTable table;
    GroupFile groups;
    RemarkTable remarks_;
};

TEST_F(RemarkTableTest, MissingOrHeaderOnlyFileGivesEmptyTable) {
    remarks_.Load(table, folder.Str());
    EXPECT_EQ(remarks_.Count(), 1);
    EXPECT_EQ(table.RemarkNumber(2, 1, 1), 0);
    LoadRemarks({});
    EXPECT_EQ(remarks_.Count(), 1);
    EXPECT_EQ(TextOf(1, 0, 2025), "");
}

TEST_F(RemarkTableTest, AttachesUsableRemarks) {
    const std::string longest(43, 'z');
    Bytes unterminated = Remark(longest, 6, 24, 43);
    unterminated[43] = 'Q';
    LoadRemarks({
        Remark("Pionier pomocniczy", 3, 25, 42),  // slot 1
        Remark("Za niski", 3, 25, 10),            // identifier too low
        Remark("   \t ", 3, 25, 42),              // blank
        Remark("Trzynasty", 13, 25, 42),          // no such month
        Remark("Zerowy", 0, 25, 42),              // no month
        Remark("Nieznany", 4, 25, 999),           // slot 2, header record
        Remark("  Druga uwaga  ", 3, 27, 42),     // slot 3, replaces slot 1
        Remark("Luty", 2, 26, 42),                // slot 4
        unterminated,                             // slot 5
    });
    EXPECT_EQ(remarks_.Count(), 6);
    EXPECT_EQ(table.RemarkNumber(1, 2, 1), 3);
    EXPECT_EQ(table.RemarkNumber(0, 3, 1), 2);
    EXPECT_EQ(table.RemarkNumber(2, 1, 1), 0);
    EXPECT_EQ(TextOf(1, 2, 2025), "Druga uwaga");
    EXPECT_EQ(TextOf(1, 1, 2024), "Luty");
    EXPECT_EQ(TextOf(1, 2, 2024), "");
    EXPECT_EQ(TextOf(1, 3, 2025), "");
    EXPECT_EQ(TextOf(2, 5, 2024), longest);
    for (const auto& [index, month] : {std::pair{3, 2}, {-1, 2}, {1, 12}, {1, -1}}) {
        EXPECT_EQ(TextOf(index, month, 2025), "");
    }
}

TEST_F(RemarkTableTest, StopsAt898Remarks) {
    std::vector<Bytes> many(1000, Remark("Uwaga", 5, 24, 42));
    many.back() = Remark("Ostatnia", 6, 24, 42);
    LoadRemarks(many);
    EXPECT_EQ(remarks_.Count(), RemarkTable::kCountLimit);
    EXPECT_EQ(table.RemarkNumber(1, 4, 0), 898);
    EXPECT_EQ(TextOf(1, 4, 2024), "Uwaga");
    EXPECT_EQ(TextOf(1, 5, 2024), "");
}

}  // namespace
}  // namespace vorlant
