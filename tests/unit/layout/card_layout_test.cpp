#include "layout/card_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/rc_strings.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using test::RcStringSource;
using test::TempFolder;
namespace fs = std::filesystem;

// The default positions in inches, one row per card version, kept here
// independently of the resource script so that a slip in either one shows.
struct VersionDefaults {
    std::array<const char*, 12> headerX;
    std::array<const char*, 12> headerY;
    const char* monthlyTop;
    const char* monthlyHeight;
    std::array<const char*, 7> columnX;
};

constexpr std::array<const char*, 12> kHeaderYCommon = {
    "0.22", "0.38", "0.57", "0.57", "0.57", "0.81", "0.81", "0.75", "0.86", "0.75", "0.00", "0.10"};
constexpr std::array<const char*, 12> kHeaderYVersion1 = {
    "0.22", "0.38", "0.57", "0.57", "0.57", "0.81", "0.81", "0.74", "0.85", "0.74", "0.00", "0.10"};

const std::array<VersionDefaults, 5> kDefaults = {{
    {{"0.60", "0.30", "0.45", "2.35", "4.25", "0.40", "2.65", "3.81", "3.81", "4.39", "5.29", "5.29"},
     kHeaderYCommon, "2.62", "3.10",
     {"1.60", "2.60", "3.35", "4.35", "3.30", "3.30", "4.65"}},
    {{"0.60", "0.30", "0.45", "2.35", "4.25", "0.35", "2.65", "3.70", "3.70", "4.30", "5.20", "5.20"},
     kHeaderYVersion1, "2.32", "3.13",
     {"1.70", "2.50", "3.45", "4.25", "5.10", "5.10", "5.45"}},
    {{"0.60", "0.30", "0.45", "2.35", "4.25", "0.40", "2.65", "3.81", "3.81", "4.39", "5.29", "5.29"},
     kHeaderYCommon, "2.25", "2.72",
     {"1.70", "2.50", "3.45", "4.25", "5.10", "5.10", "5.45"}},
    {{"0.30", "0.55", "0.55", "1.65", "3.75", "0.80", "3.60", "4.35", "4.35", "4.85", "5.29", "5.29"},
     kHeaderYCommon, "1.32", "1.99",
     {"0.62", "1.17", "1.75", "2.25", "2.75", "3.25", "3.38"}},
    {{"0.30", "0.60", "0.62", "2.55", "4.30", "0.80", "3.40", "3.96", "3.96", "4.40", "5.25", "5.25"},
     kHeaderYCommon, "1.32", "1.99",
     {"0.62", "1.17", "1.75", "2.25", "2.75", "3.25", "3.38"}},
}};

std::vector<std::uint8_t> BytesOf(const CardLayout& layout) {
    return {layout.Bytes().begin(), layout.Bytes().end()};
}

CardLayout DirtyLayout() {
    CardLayout layout;
    std::fill(layout.Bytes().begin(), layout.Bytes().end(), std::uint8_t{0xAB});
    return layout;
}

// A recognisable 400-byte image with no NUL anywhere.
std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(1 + i % 250);
    return bytes;
}

TEST(CardLayoutDefaults, EveryVersionMatchesTheCardForms) {
    const RcStringSource strings;
    for (int v = 0; v < card_layout::kVersionsWithDefaults; ++v) {
        SCOPED_TRACE("version " + std::to_string(v));
        const VersionDefaults& d = kDefaults[static_cast<std::size_t>(v)];
        CardLayout layout = DirtyLayout();
        layout.LoadDefaults(v, strings);
        EXPECT_EQ(layout.MonthlyTop(), d.monthlyTop);
        EXPECT_EQ(layout.MonthlyHeight(), d.monthlyHeight);
        for (int j = 0; j < card_layout::kColumns; ++j) {
            EXPECT_EQ(layout.ColumnX(j), d.columnX[static_cast<std::size_t>(j)]) << "column " << j;
        }
        for (int k = 0; k < card_layout::kHeaderItems; ++k) {
            EXPECT_EQ(layout.Slot(card_layout::HeaderX(k)), d.headerX[static_cast<std::size_t>(k)]) << "x " << k;
            EXPECT_EQ(layout.Slot(card_layout::HeaderY(k)), d.headerY[static_cast<std::size_t>(k)]) << "y " << k;
            layout.SetSlot(card_layout::HeaderX(k), "");
            layout.SetSlot(card_layout::HeaderY(k), "");
        }
        layout.SetSlot(card_layout::kMonthlyTop, "");
        layout.SetSlot(card_layout::kMonthlyHeight, "");
        for (int j = 0; j < card_layout::kColumns; ++j) layout.SetSlot(card_layout::ColumnX(j), "");
        EXPECT_EQ(layout, CardLayout{}) << "reserved or padding bytes not zero";
    }
}

TEST(CardLayoutDefaults, VersionWithoutTableTakesVersionZero) {
    const RcStringSource strings;
    CardLayout zero;
    zero.LoadDefaults(0, strings);
    for (const int v : {-1, 5, 6, 19, 20, INT_MAX, INT_MIN}) {
        CardLayout layout = DirtyLayout();
        layout.LoadDefaults(v, strings);
        EXPECT_EQ(layout, zero) << "version " << v;
    }
}

TEST(CardLayoutSlots, SetSlotCutsToSevenCharactersAndZeroPads) {
    CardLayout layout;
    layout.SetSlot(card_layout::kMonthlyTop, "123456789");
    EXPECT_EQ(layout.MonthlyTop(), "1234567");
    EXPECT_EQ(layout.MonthlyHeight(), "");
    layout.SetSlot(card_layout::kMonthlyTop, std::string_view("1\0x", 3));
    CardLayout expected;
    expected.Bytes()[320] = '1';
    EXPECT_EQ(layout, expected);

    // A slot that does not lie wholly inside the 400 bytes is neither written nor read.
    for (const std::size_t offset : {std::size_t{393}, std::size_t{400}, SIZE_MAX}) {
        CardLayout untouched;
        untouched.SetSlot(offset, "9.99");
        EXPECT_EQ(untouched, CardLayout{}) << offset;
        EXPECT_EQ(untouched.Slot(offset), "");
    }
}

TEST(CardLayoutFiles, OnlyAWholeBlockIsUsed) {
    const RcStringSource strings;
    CardLayout defaults;
    defaults.LoadDefaults(1, strings);
    const std::vector<std::uint8_t> image = Pattern(500);
    const std::vector<std::uint8_t> first400(image.begin(), image.begin() + 400);

    struct Case { std::size_t size; bool whole; };
    for (const Case c : {Case{0, false}, Case{1, false}, Case{399, false}, Case{400, true}, Case{500, true}}) {
        SCOPED_TRACE("file of " + std::to_string(c.size) + " bytes");
        const TempFolder folder;
        folder.Write("cplot.dat", first400);  // another version's file is not read
        folder.Write("cplot1.dat", std::vector<std::uint8_t>{image.begin(), image.begin() + static_cast<std::ptrdiff_t>(c.size)});
        CardLayout read = DirtyLayout();
        EXPECT_EQ(read.ReadFile(1, folder.Str()), c.whole);
        CardLayout loaded = DirtyLayout();
        loaded.LoadOrDefault(1, strings, folder.Str());
        if (c.whole) {
            EXPECT_EQ(BytesOf(loaded), first400);
        } else {
            EXPECT_EQ(loaded, defaults);
        }
    }
}

TEST(CardLayoutFiles, FirstWriteCreatesTheWholeBlock) {
    EXPECT_EQ(LayoutFileName(0), "cplot.dat");
    EXPECT_EQ(LayoutFileName(1), "cplot1.dat");
    EXPECT_EQ(LayoutFileName(12), "cplot12.dat");
    const RcStringSource strings;
    const TempFolder folder;
    CardLayout layout;
    layout.LoadOrDefault(0, strings, folder.Str());
    ASSERT_TRUE(layout.WriteFile(0, folder.Str()));

    const std::vector<std::uint8_t> file = folder.Read("cplot.dat");
    ASSERT_EQ(file.size(), 400u);
    EXPECT_EQ(std::string(file.begin() + 320, file.begin() + 328), std::string("2.62\0\0\0\0", 8));
    EXPECT_EQ(file, BytesOf(layout));
    EXPECT_FALSE(folder.Exists("cplot.dat.new"));
    EXPECT_FALSE(folder.Exists("cplot1.dat"));
}

TEST(CardLayoutFiles, WriteReplacesALongerFile) {
    const TempFolder folder;
    folder.Write("cplot3.dat", Pattern(500));
    CardLayout layout;
    layout.SetSlot(card_layout::kMonthlyTop, "1.00");
    ASSERT_TRUE(layout.WriteFile(3, folder.Str()));
    EXPECT_EQ(folder.Read("cplot3.dat"), BytesOf(layout));

    CardLayout back;
    ASSERT_TRUE(back.ReadFile(3, folder.Str()));
    EXPECT_EQ(back, layout);
}

TEST(CardLayoutFiles, FailedWriteLeavesTheOldFile) {
    const std::vector<std::uint8_t> old = Pattern(400);
    CardLayout layout;
    layout.SetSlot(card_layout::kMonthlyTop, "1.00");

    {
        SCOPED_TRACE("a folder stands where the temporary file goes");
        const TempFolder folder;
        folder.Write("cplot.dat", old);
        fs::create_directory(folder / "cplot.dat.new");
        folder.Write("cplot.dat.new/keep", std::vector<std::uint8_t>{1});
        EXPECT_FALSE(layout.WriteFile(0, folder.Str()));
        EXPECT_EQ(folder.Read("cplot.dat"), old);
        EXPECT_EQ(folder.Read("cplot.dat.new/keep"), std::vector<std::uint8_t>{1});
    }
    {
        SCOPED_TRACE("the target is a folder that is not empty");
        const TempFolder folder;
        fs::create_directory(folder / "cplot.dat");
        folder.Write("cplot.dat/keep", old);
        EXPECT_FALSE(layout.WriteFile(0, folder.Str()));
        EXPECT_TRUE(fs::is_directory(folder / "cplot.dat"));
        EXPECT_EQ(folder.Read("cplot.dat/keep"), old);
        EXPECT_FALSE(folder.Exists("cplot.dat.new"));
    }
    {
        SCOPED_TRACE("the folder does not exist");
        const TempFolder folder;
        EXPECT_FALSE(layout.WriteFile(0, (folder / "missing").string()));
        EXPECT_TRUE(fs::is_empty(folder.Path()));
    }
}

TEST(LayoutValueHundredths, PointsRemovedThenLeadingDigits) {
    struct Case { const char* text; int expected; };
    for (const Case c : {Case{"2.62", 262}, Case{"9.99", 999}, Case{"0.05", 5}, Case{"0.00", 0},
                         Case{"1.5", 15}, Case{"", 0}, Case{"x", 0}, Case{".", 0}, Case{".5", 5},
                         Case{"1..2.3", 123}, Case{"2.6x1", 26}, Case{" 2.62", 0}, Case{"-1.00", 0},
                         Case{"99999999999", INT_MAX}}) {
        EXPECT_EQ(LayoutValueHundredths(c.text), c.expected) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace vorlant
