// The program's own files that cannot be written (a folder stands at the
// name of the layout file or of the INI file): every file is written first,
// then one message names those whose changes are lost (none while Windows
// shuts down), the program still ends once and cleanly, and the folder is
// left as it was. And the close requests that come from outside.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <functional>
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

std::string CannotSave(const std::string& fileName) { return CannotSaveMessage(test::RcStringSource{}, fileName); }

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

// A file is named only when its changes are lost: a folder that cannot be written is no alarm where
// nothing in its file was changed. Both files lost make one message. Windows ends the program after a
// shutdown's WM_ENDSESSION: the exit runs there and writes every file, but shows nothing, not even for a file
// it could not write (no one could answer, and a message would hold the shutdown up); a shutdown called off
// changes nothing.
TEST_F(WriteFailureTest, AFileThatCannotBeWrittenAtExitIsNamedOnceWhenItsChangesAreLost) {
    const struct {
        const char* name;
        bool blockLayout, blockIni, dateStyle, column, shutdown;
        std::vector<std::string> lost;     // named in the one message, in this order
        std::vector<std::string> written;  // the files that appear
    } cases[] = {{"nothing changed", true, false, false, false, false, {}, {}},
                 {"a setting changed", true, false, true, false, false, {}, {"Vorlant.INI"}},
                 {"the layout changed", true, false, false, true, false, {"cplot.dat"}, {"Vorlant.INI"}},
                 {"the INI file, the layout changed", false, true, false, true, false, {}, {"cplot.dat"}},
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
            ASSERT_NE(WaitForMessageBox(*program), nullptr);
            for (const std::string& name : c.written) EXPECT_TRUE(folder.Exists(name)) << name << " under the message";
            EXPECT_EQ(TakeMessage(*program), CannotSaveMessage(test::RcStringSource{}, c.lost));
        }
        ExpectNoMessageAndExit();

        Files after = Snapshot(folder);
        if (c.column && !c.blockLayout) { EXPECT_EQ(LayoutSlot(after["cplot.dat"], 336), "2.50"); }
        for (const std::string& name : c.written) EXPECT_EQ(after.erase(name), 1u) << name;
        EXPECT_EQ(after, before);
    }
}

// A request to close that arrives while the exit's message is up (the close box, Alt+F4, a shutdown) is
// the exit already under way: one message, one write, and the program ends as it should.
TEST_F(WriteFailureTest, ACloseRequestDuringTheExitsMessageEndsNothingTwice) {
    Block("cplot.dat");
    ASSERT_NE(Start(), nullptr);
    Change(false, true);
    winauto::Click(mainWindow, IDC_EXIT);
    HWND box = WaitForMessageBox(*program);
    ASSERT_NE(box, nullptr);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    PostMessageA(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(mainWindow, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(WaitForMessageBox(*program, 1000, box), nullptr) << "a second exit";
    EXPECT_EQ(TakeMessage(*program), CannotSave("cplot.dat"));
    ExpectNoMessageAndExit();
    EXPECT_TRUE(std::filesystem::is_directory(folder / "cplot.dat"));
}

// A close request from outside while a dialog of the window is open is held until the dialog closes: what
// its OK took over is saved, and the program ends then.
TEST_F(WriteFailureTest, ACloseRequestDuringADialogEndsTheProgramWhenTheDialogCloses) {
    const struct {
        const char* dialog;
        std::function<HWND()> open;  // opens the dialog, posts the close request, changes what it changes
        const char* iniHolds;        // empty: no INI file
        const char* layoutColumn;    // the first column in cplot.dat
    } cases[] = {
        {"Opcje",
         [&] {
             HWND options = OpenOptions(*program, mainWindow);
             PostMessageA(mainWindow, WM_CLOSE, 0, 0);
             if (options != nullptr) Tick(options, IDC_OPT_DATE_LAST);
             return options;
         },
         "Alt Date Format=3", "1.60"},
        {"Szczegóły układu",
         [&] {
             HWND options = OpenOptions(*program, mainWindow);
             HWND layout = options != nullptr ? OpenLayout(*program, options) : nullptr;
             PostMessageA(mainWindow, WM_CLOSE, 0, 0);
             if (layout == nullptr) return layout;
             TypeAndLeave(layout, IDC_LAY_COLUMN_FIRST, "2.5");
             EXPECT_TRUE(WaitForText(layout, IDC_LAY_COLUMN_FIRST, "2.50"));
             CloseWith(layout, IDOK);
             EXPECT_TRUE(program->Running()) << "the options dialog is still open";
             return options;
         },
         "Card Version=0", "2.50"},
        {"O programie",
         [&] {
             PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
             HWND about = program->WaitForWindow("O programie Vorlant", kStartTimeoutMs);
             PostMessageA(mainWindow, WM_CLOSE, 0, 0);
             return about;
         },
         "", "1.60"},
        {"Odczyty",
         [&] {
             HWND readings = OpenReadings(*program, mainWindow);
             PostMessageA(mainWindow, WM_CLOSE, 0, 0);
             if (readings != nullptr) SetText(readings, IDC_READ_EDIT_FIRST + 2, "+5");  // the first column
             return readings;
         },
         "Card Version=0", "1.65"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        std::error_code ignored;
        for (const char* name : {"cplot.dat", "Vorlant.INI"}) std::filesystem::remove_all(folder / name, ignored);
        ASSERT_NE(Start(), nullptr);
        HWND dialog = c.open();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(program->Running() && IsWindowVisible(mainWindow)) << "the request did not wait";
        CloseWith(dialog, IDOK);
        ExpectNoMessageAndExit();
        EXPECT_EQ(c.iniHolds[0] != 0, folder.Exists("Vorlant.INI"));
        if (c.iniHolds[0] != 0) { EXPECT_TRUE(Holds(folder.Read("Vorlant.INI"), c.iniHolds)); }
        const std::vector<std::uint8_t> layout = folder.Read("cplot.dat");
        ASSERT_EQ(layout.size(), 400u);
        EXPECT_EQ(LayoutSlot(layout, 336), c.layoutColumn);
    }
}

// A close request while the password is asked for waits for the start: once the password is taken, the program
// ends as its exit button would end it, with its layout written.
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

// A working folder of 248 characters: "cplot.dat" in it stays below 260, but the temporary "cplot.dat.new" beside
// it does not. The layout is saved there all the same, and read back at the next start.
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
    const std::string where = winauto::Utf8(deep);

    ASSERT_NE(Start(where), nullptr);
    Change(false, true);
    winauto::Click(mainWindow, IDC_EXIT);
    ExpectNoMessageAndExit();
    const std::filesystem::path layoutFile = std::filesystem::path(deep) / L"cplot.dat";
    ASSERT_EQ(std::filesystem::file_size(layoutFile), 400u);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(deep) / L"cplot.dat.new"));

    ASSERT_NE(Start(where), nullptr);
    HWND options = OpenOptions(*program, mainWindow);
    ASSERT_NE(options, nullptr);
    HWND layout = OpenLayout(*program, options);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(winauto::ItemText(layout, IDC_LAY_COLUMN_FIRST), "2.50");
    CloseWith(layout, IDCANCEL);
    CloseWith(options, IDCANCEL);
    ExitWithButton();
}

// The Polish resources offer one card version; a second entry put into the list reaches the switch,
// which writes the layout of the version left at once, and names its file when a change is lost.
TEST_F(WriteFailureTest, SwitchingTheCardVersionNamesTheLayoutFileWhenAChangeIsLost) {
    Block("cplot.dat");
    const Files before = Snapshot(folder);
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "a column moved" : "nothing changed");
        ASSERT_NE(Start(), nullptr);
        HWND options = OpenOptions(*program, mainWindow);
        ASSERT_NE(options, nullptr);
        if (changed) MoveAColumn(options);
        HWND list = GetDlgItem(options, IDC_OPT_VERSION_LIST);
        ASSERT_EQ(Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"S-21-P  Quoril 9a")), 1);
        ASSERT_EQ(winauto::SendToItem(options, IDC_OPT_VERSION_LIST, LB_SETCURSEL, 1), 1);
        // Posted: the message holds the dialog up until it is closed.
        PostMessageA(options, WM_COMMAND, MAKEWPARAM(IDC_OPT_VERSION_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        if (changed) { EXPECT_EQ(TakeMessage(*program), CannotSave("cplot.dat")); }
        EXPECT_EQ(WaitForMessageBox(*program, 300), nullptr) << "one message too many";
        // The switch went ahead: the spinners show the second version's defaults.
        HWND start = reinterpret_cast<HWND>(Send(GetDlgItem(options, IDC_OPT_START_SPIN), UDM_GETBUDDY, 0, 0));
        EXPECT_TRUE(winauto::WaitUntil([&] { return winauto::WindowText(start) == "2.32"; }, kDialogWaitMs));
        CloseWith(options, IDCANCEL);

        // The version in use stays the first one, unchanged: its file, which still cannot be written,
        // loses nothing.
        winauto::Click(mainWindow, IDC_EXIT);
        ExpectNoMessageAndExit();
        EXPECT_EQ(Snapshot(folder), before);
    }
}

}  // namespace
}  // namespace vorlant::uitest
