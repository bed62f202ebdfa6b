// The program's own files: the card layout written at every exit, and the
// INI file, read when present and never written without a change.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "dialog_driving.h"
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

// A text read back with a scrambling base `above` the one it was written
// with: every byte comes out that much lower.
std::string ReadWithHigherBase(const std::string& text, int above) {
    std::string read = text;
    for (char& c : read) c = static_cast<char>(static_cast<unsigned char>(c) - above);
    return read;
}

// A companion program set up with another scrambling base than the built-in
// 0x11: the INI file names it, the names and the password are read with it,
// and the key stays as it was written by hand.
TEST_F(LayoutFileTest, ScrambleBaseOfTheIniFileIsUsedForTheTextsAndNeverWritten) {
    const std::string password = "Tajne7";
    WriteCongregation(password);  // scrambled with the built-in base
    const auto first = std::ranges::find_if(congregation.publishers, [](const auto& p) { return !p.omitted; });
    ASSERT_NE(first, congregation.publishers.end());
    const std::string lastName = winauto::Utf8ToAnsi(first->lastName);
    const std::string firstName = winauto::Utf8ToAnsi(first->firstName);

    for (const int base : {0x11, 0x12}) {
        SCOPED_TRACE(testing::Message() << "Scramble Base=" << base);
        const int above = base - 0x11;
        const std::string ini = "[Data]\r\nScramble Base=" + std::to_string(base) + "\r\n";
        folder.Write("Vorlant.INI", ini);
        program = std::make_unique<winauto::Program>(folder.File("Vorlant.exe"), folder.Str());
        HWND passwordDialog = program->WaitForWindow(winauto::Utf8ToAnsi("Wymagane hasło"), kStartTimeoutMs);
        ASSERT_NE(passwordDialog, nullptr);
        TypePassword(passwordDialog, ReadWithHigherBase(password, above));
        mainWindow = program->WaitForWindow("Vorlant", kStartTimeoutMs);
        ASSERT_NE(mainWindow, nullptr) << "the password was not taken";

        const std::vector<std::string> items = winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST);
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(items.front(),
                  ReadWithHigherBase(lastName, above) + ", " + ReadWithHigherBase(firstName, above));
        ExitWithButton();
        const auto after = folder.Read("Vorlant.INI");
        EXPECT_EQ(std::string(after.begin(), after.end()), ini);
    }
}

}  // namespace
}  // namespace vorlant::uitest
