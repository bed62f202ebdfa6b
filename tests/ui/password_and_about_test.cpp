// The password asked for before the main window shows, and the About box of
// the system menu, on the real program.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dialog_driving.h"
#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemText;
using winauto::Utf8ToAnsi;
using winauto::WaitUntil;
using winauto::WindowText;

constexpr const char* kPassword = "Tajne7";

class PasswordTest : public VorlantTest {
protected:
    // Starts the program on a congregation with a password and waits for
    // the password dialog, checking how it opens.
    HWND StartAtPassword() {
        WriteCongregation(kPassword);
        program = std::make_unique<winauto::Program>(folder.File("Vorlant.exe"), folder.Str());
        HWND dialog = program->WaitForWindow(Utf8ToAnsi("Wymagane hasło"), kStartTimeoutMs);
        if (dialog == nullptr) return nullptr;
        EXPECT_EQ(ItemText(dialog, IDC_PASSWORD_MESSAGE), Utf8ToAnsi("Proszę podać hasło"));
        EXPECT_NE(GetWindowLongPtrA(GetDlgItem(dialog, IDC_PASSWORD_EDIT), GWL_STYLE) & ES_PASSWORD, 0);
        EXPECT_EQ(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_SYSMENU, 0);
        GUITHREADINFO focus{};
        focus.cbSize = sizeof(focus);
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &focus);
        EXPECT_EQ(focus.hwndFocus, GetDlgItem(dialog, IDC_PASSWORD_EDIT));
        return dialog;
    }
};

TEST_F(PasswordTest, TypingThePasswordOpensTheMainWindow) {
    HWND dialog = StartAtPassword();
    ASSERT_NE(dialog, nullptr) << "the password dialog did not appear";
    TypePassword(dialog, kPassword);
    mainWindow = program->WaitForWindow("Vorlant", kStartTimeoutMs);
    ASSERT_NE(mainWindow, nullptr) << "the main window did not appear";
    ExitWithButton();
}

struct RefusalWay {
    const char* name;
    void (*refuse)(HWND dialog);
    friend void PrintTo(const RefusalWay& way, std::ostream* out) { *out << way.name; }
};

class PasswordRefusalTest : public PasswordTest,
                            public ::testing::WithParamInterface<std::tuple<RefusalWay, bool>> {};

// Every file of the folder with its bytes.
std::map<std::string, std::vector<std::uint8_t>> Snapshot(const test::TempFolder& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        files[entry.path().filename().string()] = folder.Read(entry.path().filename().string());
    }
    return files;
}

TEST_P(PasswordRefusalTest, EndsWithoutMainWindowAndWritesNothing) {
    const auto& [way, ownFilesExist] = GetParam();
    if (ownFilesExist) {
        folder.Write("cplot.dat", std::vector<std::uint8_t>(400, '7'));
        folder.Write("Vorlant.INI", std::string("[Margins]\r\nTop=0.40\r\n"));
    }
    HWND dialog = StartAtPassword();
    ASSERT_NE(dialog, nullptr) << "the password dialog did not appear";
    const auto before = Snapshot(folder);

    way.refuse(dialog);

    EXPECT_EQ(program->WaitForWindow("Vorlant", kExitTimeoutMs), nullptr) << "the main window showed";
    EXPECT_EQ(program->WaitForExit(kExitTimeoutMs), 0);
    EXPECT_EQ(Snapshot(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PasswordRefusalTest,
    ::testing::Combine(
        ::testing::Values(RefusalWay{"Escape", [](HWND d) { winauto::PressKey(d, VK_ESCAPE); }},
                          RefusalWay{"OkTwice",
                                     [](HWND d) {
                                         const std::string wrong = Utf8ToAnsi("Przepraszam, błędne hasło ...");
                                         winauto::Click(d, IDOK);
                                         EXPECT_TRUE(WaitUntil([&] { return WindowText(d) == wrong; }, 5000));
                                         EXPECT_EQ(ItemText(d, IDC_PASSWORD_MESSAGE), wrong);
                                         winauto::Click(d, IDOK);
                                     }}),
        ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "_OwnFilesExist" : "");
    });

class AboutBoxTest : public VorlantTest {};

TEST_F(AboutBoxTest, ShowsTheStartFolderWithItsDriveAndItsOwnName) {
    // A deep folder, in ANSI as the program sees it, too long for one line.
    const std::string last = Utf8ToAnsi("Karty głosicieli zboru Północ");
    std::string deep = folder.Str();
    for (const std::string& part : {Utf8ToAnsi("Dokumenty sekretarza zboru"),
                                    Utf8ToAnsi("Sprawozdania z lat 2020-2025"),
                                    Utf8ToAnsi("Kopie zapasowe i archiwum"), last}) {
        deep.append(1, '\\').append(part);
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
    }
    program = std::make_unique<winauto::Program>(folder.File("Vorlant.exe"), deep);
    mainWindow = program->WaitForWindow("Vorlant", kStartTimeoutMs);
    ASSERT_NE(mainWindow, nullptr);

    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = program->WaitForWindow("O programie Vorlant", kStartTimeoutMs);
    ASSERT_NE(about, nullptr);
    const std::string shown = ItemText(about, IDC_ABOUT_LOCATION);
    const std::size_t dots = shown.find("...");
    ASSERT_NE(dots, std::string::npos) << shown;
    const std::string head = shown.substr(0, dots);
    const std::string tail = shown.substr(dots + 3);
    EXPECT_TRUE(head.size() >= 3 && deep.starts_with(head)) << shown;   // the drive at least
    EXPECT_TRUE(tail.ends_with(last) && deep.ends_with(tail)) << shown; // the folder's own name whole

    winauto::Click(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, kExitTimeoutMs));
    ExitWithButton();
}

class SystemMenuTest : public VorlantTest {};

TEST_F(SystemMenuTest, MinimizeRestoreAndMoveKeepTheirDefault) {
    ASSERT_NE(Start(), nullptr);
    for (const auto& [command, iconicAfter] :
         {std::pair{SC_MINIMIZE, true}, std::pair{SC_RESTORE, false}, std::pair{SC_MOVE, false}}) {
        PostMessageA(mainWindow, WM_SYSCOMMAND, command, 0);
        // The keyboard move ends with Escape; had the move not started,
        // Escape would end the program.
        if (command == SC_MOVE) winauto::PressKey(mainWindow, VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return (IsIconic(mainWindow) != FALSE) == iconicAfter; }, 5000)) << command;
    }
    EXPECT_TRUE(program->Running());
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
