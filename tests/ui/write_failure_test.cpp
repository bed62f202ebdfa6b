// The program's own files that cannot be written (a folder stands at their name), and close requests from outside.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dialog_driving.h"
#include "layout/file_message.h"
#include "resources/resource.h"
#include "support/rc_strings.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

class WriteFailureTest : public VorlantTest {
protected:
    // A folder, with a file in it, where the program wants to write `name`.
    void Block(const std::string& name) {
        std::error_code ignored;
        std::filesystem::remove_all(folder / name, ignored);
        ASSERT_TRUE(std::filesystem::create_directory(folder / name));
        folder.Write(name + "/keep.txt", std::string("untouched"));
    }

    void ExpectNoMessageAndExit() {
        EXPECT_EQ(WaitForMessageBox(*program, 300), nullptr) << "one message too many";
        EXPECT_EQ(program->WaitForExit(kStartTimeoutMs), 0);
    }

    // In the open options dialog: "Szczegółowy układ", its first column moved to 2.50 inches, OK.
    void MoveAColumn(HWND options) {
        HWND layout = OpenLayout(*program, options);
        ASSERT_NE(layout, nullptr);
        TypeAndLeave(layout, IDC_LAY_COLUMN_FIRST, "2.5");
        ASSERT_TRUE(WaitForText(layout, IDC_LAY_COLUMN_FIRST, "2.50"));
        CloseWith(layout, IDOK);
    }

    // Opens the options dialog, picks another date style (a setting) and moves a column (the layout), as
    // asked, and ends the dialog with OK.
    void Change(bool dateStyle, bool column) {
        HWND options = OpenOptions(*program, mainWindow);
        ASSERT_NE(options, nullptr);
        if (dateStyle) Tick(options, IDC_OPT_DATE_LAST);
        if (column) MoveAColumn(options);
        CloseWith(options, IDOK);
    }
};

// Every file is written before one message names those whose changes are lost (which ones: SaveAtExitTest and
// LayoutFilesTest), and close requests while it is up end nothing twice. After a shutdown's WM_ENDSESSION the exit
// writes every file but shows nothing, as no one could answer; a shutdown called off changes nothing.
TEST_F(WriteFailureTest, AFileThatCannotBeWrittenAtExitIsNamedOnceWhenItsChangesAreLost) {
    const struct {
        const char* name;
        bool blockLayout, blockIni, dateStyle, column, shutdown;
        std::vector<std::string> lost;     // named in the one message, in this order
        std::vector<std::string> written;  // the files that appear
    } cases[] = {{"the layout changed", true, false, false, true, false, {"cplot.dat"}, {"Vorlant.INI"}},
                 {"the INI file, a setting changed", false, true, true, false, false, {"Vorlant.INI"}, {"cplot.dat"}},
                 {"both, both changed", true, true, true, true, false, {"Vorlant.INI", "cplot.dat"}, {}},
                 {"the INI file, both changed, a shutdown", false, true, true, true, true, {}, {"cplot.dat"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ignored;
        for (const char* name : {"cplot.dat", "Vorlant.INI"}) std::filesystem::remove_all(folder / name, ignored);
        if (c.blockLayout) Block("cplot.dat");
        if (c.blockIni) Block("Vorlant.INI");
        const Files before = Snapshot(folder);
        ASSERT_NE(Start(), nullptr);
        if (c.dateStyle || c.column) Change(c.dateStyle, c.column);
        if (c.shutdown) {
            ASSERT_TRUE(winauto::SendAndWait(mainWindow, WM_ENDSESSION, FALSE));
            EXPECT_TRUE(program->Running() && IsWindowVisible(mainWindow)) << "a shutdown called off";
            PostMessageA(mainWindow, WM_ENDSESSION, TRUE, 0);
        } else {
            winauto::Click(mainWindow, IDC_EXIT);
        }
        if (!c.lost.empty()) {
            // Every file that can be written is, before the message comes.
            HWND box = WaitForMessageBox(*program);
            ASSERT_NE(box, nullptr);
            for (const std::string& name : c.written) EXPECT_TRUE(folder.Exists(name)) << name << " under the message";
            // Close requests while it is up (the close box, Alt+F4, a shutdown) find the exit under way.
            using Request = std::pair<UINT, WPARAM>;
            for (const auto& [message, w] : {Request{WM_CLOSE, 0}, {WM_SYSCOMMAND, SC_CLOSE}, {WM_ENDSESSION, TRUE}}) {
                PostMessageA(mainWindow, message, w, 0);
            }
            EXPECT_EQ(WaitForMessageBox(*program, 1000, box), nullptr) << "a second exit";
            EXPECT_EQ(TakeMessage(*program), CannotSaveMessage(test::RcStringSource{}, c.lost));
        }
        ExpectNoMessageAndExit();

        Files after = Snapshot(folder);
        if (c.column && !c.blockLayout) { EXPECT_EQ(LayoutSlot(after["cplot.dat"], 336), "2.50"); }
        for (const std::string& name : c.written) EXPECT_EQ(after.erase(name), 1u) << name;
        EXPECT_EQ(after, before);
    }
}

// A close request from outside while a dialog of the window is open is held until the dialog closes: what
// its OK took over is saved, and the program ends then. Every dialog of the window runs through one helper, so two
// stand for all: the layout dialog inside the options dialog, and the readings from the system menu.
TEST_F(WriteFailureTest, ACloseRequestDuringADialogEndsTheProgramWhenTheDialogCloses) {
    for (const bool readings : {false, true}) {
        SCOPED_TRACE(readings ? "Odczyty" : "Szczegóły układu");
        std::error_code ignored;
        for (const char* name : {"cplot.dat", "Vorlant.INI"}) std::filesystem::remove_all(folder / name, ignored);
        ASSERT_NE(Start(), nullptr);
        HWND dialog = readings ? OpenReadings(*program, mainWindow) : OpenOptions(*program, mainWindow);
        ASSERT_NE(dialog, nullptr);
        HWND layout = readings ? nullptr : OpenLayout(*program, dialog);
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        if (readings) {
            SetText(dialog, IDC_READ_EDIT_FIRST + 2, "+5");  // the first column
        } else {
            ASSERT_NE(layout, nullptr);
            TypeAndLeave(layout, IDC_LAY_COLUMN_FIRST, "2.5");
            EXPECT_TRUE(WaitForText(layout, IDC_LAY_COLUMN_FIRST, "2.50"));
            CloseWith(layout, IDOK);
        }
        ASSERT_TRUE(program->Running() && IsWindowVisible(mainWindow)) << "the request did not wait";
        CloseWith(dialog, IDOK);
        ExpectNoMessageAndExit();
        EXPECT_TRUE(Holds(folder.Read("Vorlant.INI"), "Card Version=0"));
        const std::vector<std::uint8_t> layoutFile = folder.Read("cplot.dat");
        ASSERT_EQ(layoutFile.size(), 400u);
        EXPECT_EQ(LayoutSlot(layoutFile, 336), readings ? "1.65" : "2.50");
    }
}

// A close request while the password is asked for ends the program, layout written, once the password is taken.
TEST_F(WriteFailureTest, ACloseRequestDuringThePasswordEndsTheProgramOnceItIsTaken) {
    HWND dialog = StartAtPassword("Tajne7");
    ASSERT_NE(dialog, nullptr);
    HWND owner = GetWindow(dialog, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    PostMessageA(owner, WM_CLOSE, 0, 0);
    for (const char c : std::string("Tajne7")) PostMessageW(GetDlgItem(dialog, IDC_PASSWORD_EDIT), WM_CHAR, c, 1);
    EXPECT_EQ(program->WaitForExit(kStartTimeoutMs), 0);
    EXPECT_EQ(folder.Read("cplot.dat").size(), 400u);
}

// In a folder of 248 characters "cplot.dat" stays below 260, its temporary "cplot.dat.new" does not; saved anyway.
TEST_F(WriteFailureTest, AWorkingFolderNearTheLengthLimitSavesItsLayout) {
    constexpr std::size_t kLength = 248;
    std::wstring deep = folder.Path().wstring();
    ASSERT_LT(deep.size(), kLength - 20) << folder.Str();
    const std::wstring parts[] = {L"Karty głosicieli zboru", L"Archiwum sprawozdań służby polowej"};
    for (std::size_t k = 0; deep.size() < kLength; ++k) {
        std::wstring part = k < std::size(parts) ? parts[k] : L"Rok służbowy 2025-2026 i poprzednie lata";
        part.resize(std::min(part.size(), kLength - deep.size() - 1), L'x');
        deep += L"\\" + part;
        // The long form: a folder's plain path must leave room for a file name.
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr)) << winauto::Utf8(deep);
    }
    ASSERT_EQ(deep.size(), kLength);
    ASSERT_NE(Start(winauto::Utf8(deep)), nullptr);
    Change(false, true);
    winauto::Click(mainWindow, IDC_EXIT);
    ExpectNoMessageAndExit();
    std::ifstream file(std::filesystem::path(deep) / L"cplot.dat", std::ios::binary);
    const std::vector<std::uint8_t> layout{std::istreambuf_iterator<char>(file), {}};
    ASSERT_EQ(layout.size(), 400u);
    EXPECT_EQ(LayoutSlot(layout, 336), "2.50");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(deep) / L"cplot.dat.new"));
}

// The Polish resources offer one card version; a second entry put into the list reaches the switch, which writes
// the layout of the version left at once and names its file when a change is lost (kept when nothing changed:
// LayoutFilesTest). The version in use stays the first one, whose file still cannot be written and loses nothing.
TEST_F(WriteFailureTest, SwitchingTheCardVersionNamesTheLayoutFileWhenAChangeIsLost) {
    Block("cplot.dat");
    const Files before = Snapshot(folder);
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions(*program, mainWindow);
    ASSERT_NE(options, nullptr);
    MoveAColumn(options);
    HWND list = GetDlgItem(options, IDC_OPT_VERSION_LIST);
    ASSERT_EQ(Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"S-21-P  Quoril 9a")), 1);
    ASSERT_EQ(winauto::SendToItem(options, IDC_OPT_VERSION_LIST, LB_SETCURSEL, 1), 1);
    // Posted: the message holds the dialog up until it is closed.
    PostMessageA(options, WM_COMMAND, MAKEWPARAM(IDC_OPT_VERSION_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(TakeMessage(*program), CannotSaveMessage(test::RcStringSource{}, "cplot.dat"));
    EXPECT_EQ(WaitForMessageBox(*program, 300), nullptr) << "one message too many";
    // The switch went ahead: the spinners show the second version's defaults.
    HWND start = reinterpret_cast<HWND>(Send(GetDlgItem(options, IDC_OPT_START_SPIN), UDM_GETBUDDY, 0, 0));
    EXPECT_TRUE(winauto::WaitUntil([&] { return winauto::WindowText(start) == "2.32"; }, kDialogWaitMs));
    CloseWith(options, IDCANCEL);
    winauto::Click(mainWindow, IDC_EXIT);
    ExpectNoMessageAndExit();
    EXPECT_EQ(Snapshot(folder), before);
}

}  // namespace
}  // namespace vorlant::uitest
