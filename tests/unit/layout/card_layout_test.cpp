#include "layout/card_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/text.h"
#include "layout/file_message.h"
#include "layout/layout_files.h"
#include "resources/resource.h"
#include "support/rc_strings.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Default positions per card version, kept apart from the resource script so that a slip in either
// shows: the x/y pairs of the twelve header items, the monthly rows' top and height, the columns.
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

// The 33 used slots in the order of a kDefaults row.
std::string Describe(const CardLayout& layout) {
    std::string text;
    for (std::size_t i = 0; i < 33; ++i) {
        text += layout.Slot(i < 24 ? 8 * i : 320 + 8 * (i - 24));
        if (i < 32) text += i < 24 && i % 2 == 0 ? '/' : ' ';
    }
    return text;
}

TEST(CardLayoutTest, DefaultsOfEachVersionFillTheWholeBlock) {
    for (const int v : {0, 1, 2, 3, 4, -1, 5}) {
        CardLayout layout;
        std::fill(layout.Bytes().begin(), layout.Bytes().end(), std::uint8_t{0xAB});
        layout.LoadDefaults(v, test::RcStringSource{});
        // A version without a table of its own takes those of version 0.
        EXPECT_EQ(Describe(layout), kDefaults[v >= 0 && v < 5 ? static_cast<std::size_t>(v) : 0]) << "version " << v;
        EXPECT_EQ(std::count(layout.Bytes().begin(), layout.Bytes().end(), 0xAB), 0) << "version " << v;
    }
}

TEST(CardLayoutTest, SlotsHoldSevenCharactersZeroPaddedInsideTheBlock) {
    CardLayout layout;
    layout.Bytes()[335] = 'y';
    layout.SetSlot(320, "123456789");
    layout.SetSlot(328, std::string_view("1\0x", 3));
    for (const std::size_t offset : {std::size_t{393}, std::size_t{400}, SIZE_MAX}) layout.SetSlot(offset, "9.99");
    Bytes expected(400, 0);
    std::copy_n("1234567\0" "1", 9, expected.begin() + 320);
    EXPECT_EQ(Bytes(layout.Bytes().begin(), layout.Bytes().end()), expected);
}

TEST(CardLayoutTest, OnlyAWholeBlockIsRead) {
    for (const std::size_t size : {0, 399, 400, 500}) {
        const test::TempFolder folder;
        folder.Write("cplot.dat", Bytes(400, 0x37));  // another version's file
        folder.Write("cplot1.dat", Bytes(size, 0x31));
        CardLayout layout;
        layout.LoadOrDefault(1, test::RcStringSource{}, folder.Str());
        EXPECT_EQ(layout.MonthlyTop(), size >= 400 ? "1111111" : "2.32") << size;
    }
}

// The names in the folder, a folder's with a slash.
std::vector<std::string> Listing(const test::TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string() + (entry.is_directory() ? "/" : ""));
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CardLayoutTest, WriteReplacesTheWholeFileOrLeavesTheOldOne) {
    const Bytes old(500, 0x33);
    const Bytes inside(7, 0x44);
    // Nothing in the way; no temporary file can be made; its bytes never reach a disk; a folder
    // stands at the file's name, so the finished temporary cannot take its place.
    const struct { std::string_view obstacle; std::vector<std::string> listing; } cases[] = {
        {"", {"cplot3.dat"}}, {"folder", {"cplot3.dat", "cplot3.dat.new/"}}, {"full", {"cplot3.dat"}},
        {"folder at the name", {"cplot3.dat/"}}};
    for (const auto& [obstacle, listing] : cases) {
        SCOPED_TRACE(obstacle);
        const test::TempFolder folder;
        if (obstacle == "folder at the name") {
            std::filesystem::create_directory(folder / "cplot3.dat");
            folder.Write("cplot3.dat/inside", inside);
        } else {
            folder.Write("cplot3.dat", old);
        }
        if (obstacle == "folder") std::filesystem::create_directory(folder / "cplot3.dat.new");
        if (obstacle == "full") std::filesystem::create_symlink("/dev/full", folder / "cplot3.dat.new");
        ASSERT_EQ(CardLayout{}.WriteFile(3, folder.Str()), obstacle.empty());
        // Nothing half-written is left beside the old file, which stays as it was.
        EXPECT_EQ(Listing(folder), listing);
        if (obstacle == "folder at the name") {
            EXPECT_EQ(folder.Read("cplot3.dat/inside"), inside);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "cplot3.dat"), {}), 1);
        } else {
            EXPECT_EQ(folder.Read("cplot3.dat"), obstacle.empty() ? Bytes(400, 0) : old);
        }
    }
}

// The file holds the layout read from it, its defaults where it held none, or the one last written to it.
TEST(LayoutFilesTest, AFailedWriteLosesChangesOnlyWhenTheFileHoldsAnotherLayout) {
    const test::RcStringSource strings;
    CardLayout moved;
    moved.LoadDefaults(0, strings);
    moved.SetSlot(card_layout::ColumnX(3), "4.40");
    for (const bool withFile : {true, false}) {
        SCOPED_TRACE(withFile ? "a file of its own" : "no file");
        const test::TempFolder folder;
        if (withFile) folder.Write("cplot.dat", Bytes(400, '7'));
        LayoutFiles files(folder.Str());
        const CardLayout read = files.Load(0, strings);
        EXPECT_EQ(read.MonthlyTop(), withFile ? "7777777" : "2.62");
        std::filesystem::create_directory(folder / "cplot.dat.new");
        EXPECT_EQ(files.Save(0, read), FileSave::FailedNothingLost);
        EXPECT_EQ(files.Save(0, moved), FileSave::FailedChangesLost);
        EXPECT_EQ(files.Save(0, read), FileSave::FailedNothingLost);  // a failed write changed nothing
        EXPECT_EQ(files.Save(1, CardLayout{}), FileSave::Written);
    }

    // What was last written counts, and a version never read counts as changed.
    const test::TempFolder folder;
    LayoutFiles files(folder.Str());
    const CardLayout read = files.Load(0, strings);
    EXPECT_EQ(files.Save(0, moved), FileSave::Written);
    std::filesystem::create_directory(folder / "cplot.dat.new");
    EXPECT_EQ(files.Save(0, moved), FileSave::FailedNothingLost);
    EXPECT_EQ(files.Save(0, read), FileSave::FailedChangesLost);
    std::filesystem::create_directory(folder / "cplot2.dat.new");
    EXPECT_EQ(files.Save(2, read), FileSave::FailedChangesLost);
    EXPECT_EQ(folder.Read("cplot.dat"), Bytes(moved.Bytes().begin(), moved.Bytes().end()));
}

TEST(CannotSaveMessageTest, NamesEachFileItCouldNotWrite) {
    const test::RcStringSource strings;
    const auto one = [&](const char* name) { return FillIn(strings.Load(IDS_WRITE_FAILED), name); };
    EXPECT_EQ(CannotSaveMessage(strings, "cplot.dat"), one("cplot.dat"));
    EXPECT_EQ(CannotSaveMessage(strings, std::vector<std::string>{"Vorlant.INI", "cplot.dat"}),
              one("Vorlant.INI") + "\n\n" + one("cplot.dat"));
}

}  // namespace
}  // namespace vorlant
