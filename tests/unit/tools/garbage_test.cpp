// Bad congregations through the program's readers, under the sanitizers:
// every record, month and remark of each is read without a fault, and no
// data file changes.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>

#include "data/data_files.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "garbage.h"
#include "support/temp_folder.h"

namespace vorlant::gen {
namespace {

struct Loaded {
    PublisherTable table;
    GroupFile groups;
    ExtendedDetails details;
    RemarkTable remarks;
};

TEST(GarbageCongregation, EveryRecordReadsWithinItsBoundsAndNoFileChanges) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const GarbageCongregation bad = GenerateGarbage(seed);
        SCOPED_TRACE(testing::Message() << "seed " << seed << ": " << bad.damage);
        const test::TempFolder folder;
        ASSERT_TRUE(WriteCongregation(bad.congregation, folder.Str()));

        auto data = std::make_unique<Loaded>();
        ASSERT_TRUE(data->table.Allocate());
        data->table.Load(data->groups, folder.Str());
        data->details.CountRecords(folder.Str());
        data->remarks.Load(data->table, folder.Str());
        ASSERT_GE(data->table.Count(), 1);
        ASSERT_LE(data->table.Count(), PublisherTable::kMaxRecords);

        std::array<char, RemarkTable::kTextBufferSize> remark{};
        for (int i = 0; i <= data->table.Count(); ++i) {
            data->details.Lookup(data->table, i);
            EXPECT_LE(data->table.FirstName(i).size(), 20u);
            EXPECT_LE(data->table.LastName(i).size(), 20u);
            EXPECT_LE(data->details.LongName().size(), 64u);
            for (int month = -1; month <= 12; ++month) {
                for (int year = 0; year < 2; ++year) {
                    data->remarks.Text(data->table, i, month, year, remark);
                    EXPECT_EQ(remark.back(), '\0');
                    static_cast<void>(data->table.MonthStatus(i, month, year));
                    static_cast<void>(data->table.MonthlyFigure(i, month, 2, year));
                    static_cast<void>(data->table.SharedInMinistry(i, month, year));
                }
            }
        }
        EXPECT_EQ(folder.Read(kPublisherFileName), bad.congregation.publisherFile);
        EXPECT_EQ(folder.Read(kRemarkFileName), bad.congregation.remarkFile);
    }
}

}  // namespace
}  // namespace vorlant::gen
