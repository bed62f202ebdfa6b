// The program's own files: the card layout written at every exit, and the
// INI file, read when present and never written without a change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

class LayoutFileTest : public VorlantTest {};

std::string SlotAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::string text;
    for (std::size_t i = offset; i < offset + 8 && i < bytes.size() && bytes[i] != 0; ++i) {
        text += static_cast<char>(bytes[i]);
    }
    return text;
}

TEST_F(LayoutFileTest, FirstExitWritesTheDefaultLayout) {
    WriteCongregation();
    ASSERT_NE(Start(), nullptr);
    ExitWithButton();

    ASSERT_TRUE(folder.Exists("cplot.dat"));
    const auto layout = folder.Read("cplot.dat");
    ASSERT_EQ(layout.size(), 400u);
    EXPECT_EQ(SlotAt(layout, 320), "2.62");
    for (std::size_t i = 324; i < 328; ++i) EXPECT_EQ(layout[i], 0) << i;
    EXPECT_EQ(SlotAt(layout, 328), "3.10");
    EXPECT_EQ(SlotAt(layout, 384), "4.65");
    EXPECT_FALSE(folder.Exists("cplot.dat.new"));
}

TEST_F(LayoutFileTest, ExistingLayoutIsReadAndWrittenBackUnchanged) {
    std::vector<std::uint8_t> custom(400, 0);
    for (std::size_t slot = 0; slot < 50; ++slot) {
        if (slot >= 24 && slot < 40) continue;
        const std::string value = std::to_string(slot % 10) + "." + std::to_string(10 + slot);
        std::copy(value.begin(), value.end(), custom.begin() + static_cast<long>(slot * 8));
    }
    folder.Write("cplot.dat", custom);

    ASSERT_NE(Start(), nullptr);
    ExitWithButton();

    EXPECT_EQ(folder.Read("cplot.dat"), custom);
}

TEST_F(LayoutFileTest, HandWrittenIniIsReadAndLeftAsItWas) {
    const std::string ini =
        "[Format]\r\nAlt Date Format=259\r\nLast Name First=1\r\nCard Version=1\r\n"
        "[Margins]\r\nTop=0.15\r\nLeft=\r\n";
    folder.Write("Vorlant.INI", ini);

    HWND window = Start();
    ASSERT_NE(window, nullptr);
    // Only one card version is offered: version 1 is read as version 0.
    EXPECT_EQ(winauto::WindowText(window), kMainCaption);
    ExitWithButton();

    EXPECT_TRUE(folder.Exists("cplot.dat"));
    EXPECT_FALSE(folder.Exists("cplot1.dat"));
    const auto after = folder.Read("Vorlant.INI");
    EXPECT_EQ(std::string(after.begin(), after.end()), ini);
}

}  // namespace
}  // namespace vorlant::uitest
