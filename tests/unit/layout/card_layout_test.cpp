#include "layout/card_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "support/rc_strings.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The default positions in inches, one row per card version, kept here apart
// from the resource script so that a slip in either one shows: the x/y pairs
// of the twelve header items, the monthly rows' top and height, the columns.
constexpr std::array<std::string_view, 5> kDefaults = {
    "0.60/0.22 0.30/0.38 0.45/0.57 2.35/0.57 4.25/0.57 0.40/0.81 2.65/0.81 3.81/0.75 3.81/0.86 4.39/0.75 "
    "5.29/0.00 5.29/0.10 2.62 3.10 1.60 2.60 3.35 4.35 3.30 3.30 4.65",
    "0.60/0.22 0.30/0.38 0.45/0.57 2.35/0.57 4.25/0.57 0.35/0.81 2.65/0.81 3.70/0.74 3.70/0.85 4.30/0.74 "
    "5.20/0.00 5.20/0.10 2.32 3.13 1.70 2.50 3.45 4.25 5.10 5.10 5.45",
    "0.60/0.22 0.30/0.38 0.45/0.57 2.35/0.57 4.25/0.57 0.40/0.81 2.65/0.81 3.81/0.75 3.81/0.86 4.39/0.75 "
    "5.29/0.00 5.29/0.10 2.25 2.72 1.70 2.50 3.45 4.25 5.10 5.10 5.45",
    "0.30/0.22 0.55/0.38 0.55/0.57 1.65/0.57 3.75/0.57 0.80/0.81 3.60/0.81 4.35/0.75 4.35/0.86 4.85/0.75 "
    "5.29/0.00 5.29/0.10 1.32 1.99 0.62 1.17 1.75 2.25 2.75 3.25 3.38",
    "0.30/0.22 0.60/0.38 0.62/0.57 2.55/0.57 4.30/0.57 0.80/0.81 3.40/0.81 3.96/0.75 3.96/0.86 4.40/0.75 "
    "5.25/0.00 5.25/0.10 1.32 1.99 0.62 1.17 1.75 2.25 2.75 3.25 3.38",
};

// Offset of the i-th of the 33 used slots, in the order of a kDefaults row.
constexpr std::size_t UsedSlot(std::size_t i) { return i < 24 ? 8 * i : 320 + 8 * (i - 24); }

std::string Describe(const CardLayout& layout) {
    std::string text;
    for (std::size_t i = 0; i < 33; ++i) {
        text += layout.Slot(UsedSlot(i));
        if (i < 32) text += i < 24 && i % 2 == 0 ? '/' : ' ';
    }
    return text;
}

Bytes BytesOf(const CardLayout& layout) { return {layout.Bytes().begin(), layout.Bytes().end()}; }

TEST(CardLayoutTest, DefaultsOfEachVersion) {
    const test::RcStringSource strings;
    for (const int v : {0, 1, 2, 3, 4, -1, 5, INT_MAX, INT_MIN}) {
        CardLayout layout;
        std::fill(layout.Bytes().begin(), layout.Bytes().end(), std::uint8_t{0xAB});
        layout.LoadDefaults(v, strings);
        // A version without a table of its own takes those of version 0.
        EXPECT_EQ(Describe(layout), kDefaults[v >= 0 && v < 5 ? static_cast<std::size_t>(v) : 0]) << "version " << v;
        CardLayout zeroPadded;
        for (std::size_t i = 0; i < 33; ++i) zeroPadded.SetSlot(UsedSlot(i), layout.Slot(UsedSlot(i)));
        EXPECT_EQ(layout, zeroPadded) << "version " << v;
    }
}

TEST(CardLayoutTest, SlotsHoldSevenCharactersZeroPaddedInsideTheBlock) {
    CardLayout layout;
    const auto slots = [&layout] { return std::string(&layout.Bytes()[320], &layout.Bytes()[336]); };
    layout.SetSlot(320, "123456789");
    EXPECT_EQ(slots(), std::string("1234567\0\0\0\0\0\0\0\0\0", 16));
    layout.SetSlot(320, std::string_view("1\0x", 3));
    EXPECT_EQ(slots(), std::string("1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16));
    const CardLayout before = layout;
    for (const std::size_t offset : {std::size_t{393}, std::size_t{400}, SIZE_MAX}) layout.SetSlot(offset, "9.99");
    EXPECT_EQ(layout, before);
}

TEST(CardLayoutTest, OnlyAWholeBlockIsRead) {
    const test::RcStringSource strings;
    CardLayout defaults;
    defaults.LoadDefaults(1, strings);
    for (const std::size_t size : {0, 399, 400, 500}) {
        const test::TempFolder folder;
        folder.Write("cplot.dat", Bytes(400, 0x37));  // another version's file
        folder.Write("cplot1.dat", Bytes(size, 0x31));
        CardLayout layout;
        EXPECT_EQ(layout.ReadFile(1, folder.Str()), size >= 400) << size;
        layout.LoadOrDefault(1, strings, folder.Str());
        EXPECT_EQ(BytesOf(layout), size >= 400 ? Bytes(400, 0x31) : BytesOf(defaults)) << size;
    }
}

TEST(CardLayoutTest, WriteCreatesOrReplacesTheWholeFile) {
    const test::TempFolder folder;
    CardLayout layout;
    layout.LoadOrDefault(0, test::RcStringSource{}, folder.Str());
    ASSERT_TRUE(layout.WriteFile(0, folder.Str()));
    const Bytes file = folder.Read("cplot.dat");
    ASSERT_EQ(file.size(), 400u);
    EXPECT_EQ(std::string(file.begin() + 320, file.begin() + 328), std::string("2.62\0\0\0\0", 8));
    EXPECT_EQ(file, BytesOf(layout));
    EXPECT_FALSE(folder.Exists("cplot.dat.new"));

    folder.Write("cplot3.dat", Bytes(500, 0x33));
    layout.SetSlot(320, "1.00");
    ASSERT_TRUE(layout.WriteFile(3, folder.Str()));
    EXPECT_EQ(folder.Read("cplot3.dat"), BytesOf(layout));
}

TEST(CardLayoutTest, FailedWriteLeavesTheOldFile) {
    const Bytes old(400, 0x33);
    // No temporary file can be made; the temporary's bytes never reach a
    // disk (the device is full when they are flushed).
    const std::vector<void (*)(const test::TempFolder&)> failures{
        [](const test::TempFolder& f) { std::filesystem::create_directory(f / "cplot.dat.new"); },
        [](const test::TempFolder& f) { std::filesystem::create_symlink("/dev/full", f / "cplot.dat.new"); },
    };
    for (const auto& fail : failures) {
        const test::TempFolder folder;
        folder.Write("cplot.dat", old);
        fail(folder);
        EXPECT_FALSE(CardLayout{}.WriteFile(0, folder.Str()));
        EXPECT_EQ(folder.Read("cplot.dat"), old);
    }
}

TEST(CardLayoutTest, ValueHundredthsDropsPointsAndReadsLeadingDigits) {
    for (const auto& [text, value] : {std::pair<const char*, int>{"2.62", 262}, {"9.99", 999}, {"0.05", 5}, {"", 0},
                                      {"x", 0}, {".5", 5}, {"1..2.3", 123}, {"2.6x1", 26}, {" 2.62", 0}, {"-1.00", 0},
                                      {"99999999999", INT_MAX}}) {
        EXPECT_EQ(LayoutValueHundredths(text), value) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace vorlant
