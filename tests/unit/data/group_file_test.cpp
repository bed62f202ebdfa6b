#include <gtest/gtest.h>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data_builder.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using test::Bytes;

std::uint8_t Key(std::size_t position) { return static_cast<std::uint8_t>(GroupKey[position % GroupKey.size()]); }

// Every entry of every table holds "ab" as the companion stores it.
Bytes ScrambledImage(std::uint8_t count) {
    Bytes image(group_file::kSize, 0);
    image[group_file::kCount] = count;
    for (const auto& table : group_file::kTextTables) {
        for (std::size_t entry = 0; entry < group_file::kMaxGroups; ++entry) {
            image[table.offset + entry * table.entryWidth] = 'a' ^ Key(0);
            image[table.offset + entry * table.entryWidth + 1] = 'b' ^ Key(1);
        }
    }
    return image;
}

struct CountCase {
    std::uint8_t stored;
    int count;
    int descrambled;
    friend void PrintTo(const CountCase& c, std::ostream* os) { *os << int{c.stored}; }
};

class GroupCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(GroupCountTest, DescramblesTheEntriesOfTheCountedGroups) {
    const CountCase& c = GetParam();
    test::TempFolder folder;
    folder.Write(kGroupFileName, ScrambledImage(c.stored));
    GroupFile groups;
    ASSERT_TRUE(groups.Read(folder.Str()));
    EXPECT_EQ(groups.Count(), c.count);
    for (const auto& table : group_file::kTextTables) {
        for (int entry = 0; entry < group_file::kMaxGroups; ++entry) {
            const auto text = TextField(groups.Image(), table.offset + entry * table.entryWidth, table.entryWidth);
            EXPECT_EQ(text == "ab", entry < c.descrambled) << table.offset << " entry " << entry;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, GroupCountTest,
                         testing::Values(CountCase{0, 0, 0}, CountCase{3, 3, 3}, CountCase{20, 20, 20},
                                         CountCase{25, 25, 20}, CountCase{200, -56, 0}));

TEST(GroupFileTest, KeyRunsCyclicallyAndKeepsEqualBytes) {
    std::array<std::uint8_t, group_file::kSize> image{};
    image[group_file::kCount] = 1;
    const std::size_t start = group_file::kTextTables[0].offset;
    const std::size_t width = group_file::kTextTables[0].entryWidth;
    for (std::size_t i = 0; i < width; ++i) image[start + i] = static_cast<std::uint8_t>('0' + i);
    image[start + 1] = Key(1);
    image[start + width] = 0x55;  // entry 1 belongs to a group that is not counted

    DescrambleGroupTexts(image);
    EXPECT_EQ(image[start], '0' ^ Key(0));
    EXPECT_EQ(image[start + 1], Key(1));
    EXPECT_EQ(image[start + 2], ('0' + 2) ^ Key(2));
    EXPECT_EQ(image[start + 10], ('0' + 10) ^ Key(0));
    EXPECT_EQ(image[start + width - 1], ('0' + width - 1) ^ Key(width - 1));
    EXPECT_EQ(image[start + width], 0x55);
}

TEST(GroupFileTest, MissingOrShortFile) {
    test::TempFolder folder;
    GroupFile groups;
    EXPECT_FALSE(groups.Read(folder.Str()));
    EXPECT_EQ(groups.Count(), 0);

    folder.Write(kGroupFileName, Bytes{2, 'a' ^ static_cast<std::uint8_t>('K')});
    EXPECT_TRUE(groups.Read(folder.Str()));
    EXPECT_EQ(groups.Count(), 2);
    EXPECT_EQ(TextField(groups.Image(), 1, 24), "a");
}

}  // namespace
}  // namespace vorlant
