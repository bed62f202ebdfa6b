// The program's own files that cannot be written (a folder stands at the
// name of the layout file or of the INI file): one message names each whose
// changes are lost, the program still ends once and cleanly, and the folder
// is left as it was.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dialog_driving.h"
#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using Files = std::map<std::string, std::vector<std::uint8_t>>;

// Every file under the folder with its bytes, every folder with a slash and no bytes.
Files Snapshot(const test::TempFolder& folder) {
    Files files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
        const std::string name = std::filesystem::relative(entry.path(), folder.Path()).generic_string();
        if (entry.is_directory()) {
            files[name + '/'] = {};
        } else {
            files[name] = folder.Read(name);
        }
    }
    return files;
}

class WriteFailureTest : public VorlantTest {
protected:
    // A folder, with a file in it, where the program wants to write `name`.
    void Block(const std::string& name) {
        ASSERT_TRUE(std::filesystem::create_directory(folder / name));
        folder.Write(name + "/keep.txt", std::string("untouched"));
    }

    // Expects the message that `fileName` could not be written, with no other message beside it,
    // and closes it with OK.
    void DismissWriteFailure(const std::string& fileName) {
        HWND box = WaitForMessageBox(*program);
        ASSERT_NE(box, nullptr) << "no message for " << fileName;
        EXPECT_EQ(winauto::ItemText(box, 0xFFFF),
                  "Nie można zapisać pliku „" + fileName + "”.\nZmiany nie zostały zachowane.");
        CloseWith(box, IDOK);
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
        if (dateStyle) {
            winauto::Click(options, IDC_OPT_DATE_LAST);
            ASSERT_TRUE(winauto::WaitUntil([&] { return winauto::ItemChecked(options, IDC_OPT_DATE_LAST); },
                                           kDialogWaitMs));
        }
        if (column) MoveAColumn(options);
        CloseWith(options, IDOK);
    }
};

// A file is named only when its changes are lost: a folder that cannot be written is no alarm where
// nothing in its file was changed.
TEST_F(WriteFailureTest, AFileThatCannotBeWrittenAtExitIsNamedOnceWhenItsChangesAreLost) {
    const struct {
        const char* name;
        bool blockLayout, blockIni, dateStyle, column;
        std::vector<std::string> messages;
        std::vector<std::string> written;  // the files that appear
    } cases[] = {{"nothing changed", true, false, false, false, {}, {}},
                 {"a setting changed", true, false, true, false, {}, {"Vorlant.INI"}},
                 {"the layout changed", true, false, false, true, {"cplot.dat"}, {"Vorlant.INI"}},
                 {"the INI file, the layout changed", false, true, false, true, {}, {"cplot.dat"}},
                 {"the INI file, a setting changed", false, true, true, false, {"Vorlant.INI"}, {"cplot.dat"}},
                 {"both, both changed", true, true, true, true, {"Vorlant.INI", "cplot.dat"}, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ignored;
        for (const char* name : {"cplot.dat", "Vorlant.INI"}) std::filesystem::remove_all(folder / name, ignored);
        if (c.blockLayout) Block("cplot.dat");
        if (c.blockIni) Block("Vorlant.INI");
        const Files before = Snapshot(folder);
        ASSERT_NE(Start(), nullptr);
        if (c.dateStyle || c.column) Change(c.dateStyle, c.column);
        winauto::Click(mainWindow, IDC_EXIT);
        for (const std::string& name : c.messages) DismissWriteFailure(name);
        ExpectNoMessageAndExit();

        Files after = Snapshot(folder);
        for (const std::string& name : c.written) EXPECT_EQ(after.erase(name), 1u) << name;
        EXPECT_EQ(after, before);
    }
}

// A request to close that arrives while the exit's message is up (the close box, Alt+F4, a shutdown) is
// the exit already under way: one message, one write, and the program ends as it should.
TEST_F(WriteFailureTest, ACloseRequestDuringTheExitsMessageEndsNothingTwice) {
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } requests[] = {{"WM_CLOSE", WM_CLOSE, 0}, {"Alt+F4", WM_SYSCOMMAND, SC_CLOSE}, {"shutdown", WM_ENDSESSION, TRUE}};
    for (const auto& request : requests) {
        SCOPED_TRACE(request.name);
        std::error_code ignored;
        std::filesystem::remove_all(folder / "cplot.dat", ignored);
        Block("cplot.dat");
        ASSERT_NE(Start(), nullptr);
        Change(false, true);
        winauto::Click(mainWindow, IDC_EXIT);
        HWND box = WaitForMessageBox(*program);
        ASSERT_NE(box, nullptr);
        PostMessageA(mainWindow, request.message, request.wParam, 0);
        const auto isMessageBox = [](HWND w) {
            return winauto::WindowText(w) == "Vorlant" && GetDlgItem(w, 0xFFFF) != nullptr;
        };
        EXPECT_EQ(WaitForOtherWindow(*program, box, isMessageBox, 1000), nullptr) << "a second exit";
        DismissWriteFailure("cplot.dat");
        ExpectNoMessageAndExit();
        EXPECT_TRUE(std::filesystem::is_directory(folder / "cplot.dat"));
    }
}

// A close request from outside while the options dialog is open waits for it: the changes made there
// are taken over after OK and saved at the exit.
TEST_F(WriteFailureTest, ACloseRequestWhileTheOptionsAreOpenWaitsForThem) {
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions(*program, mainWindow);
    ASSERT_NE(options, nullptr);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    winauto::Click(options, IDC_OPT_DATE_LAST);
    ASSERT_TRUE(winauto::WaitUntil([&] { return winauto::ItemChecked(options, IDC_OPT_DATE_LAST); }, kDialogWaitMs));
    CloseWith(options, IDOK);
    EXPECT_TRUE(program->Running());
    ExitWithButton();
    const std::vector<std::uint8_t> ini = folder.Read("Vorlant.INI");
    const std::string line = "Alt Date Format=3";
    EXPECT_NE(std::search(ini.begin(), ini.end(), line.begin(), line.end()), ini.end());
}

// Windows ends the program after a shutdown's WM_ENDSESSION: the exit runs there, and saves.
TEST_F(WriteFailureTest, AShutdownSavesWhatChanged) {
    ASSERT_NE(Start(), nullptr);
    Change(true, false);
    PostMessageA(mainWindow, WM_ENDSESSION, FALSE, 0);  // the shutdown was called off: nothing happens
    PostMessageA(mainWindow, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(program->WaitForExit(kStartTimeoutMs), 0);
    const std::vector<std::uint8_t> ini = folder.Read("Vorlant.INI");
    const std::string line = "Alt Date Format=3";
    EXPECT_NE(std::search(ini.begin(), ini.end(), line.begin(), line.end()), ini.end());
    EXPECT_EQ(folder.Read("cplot.dat").size(), 400u);
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
        DWORD_PTR added = 0;
        ASSERT_TRUE(SendMessageTimeoutW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"S-21-P  Quoril 9a"),
                                        SMTO_ABORTIFHUNG, kDialogWaitMs, &added));
        ASSERT_EQ(added, 1u);
        ASSERT_EQ(winauto::SendToItem(options, IDC_OPT_VERSION_LIST, LB_SETCURSEL, 1), 1);
        // Posted: the message holds the dialog up until it is closed.
        PostMessageA(options, WM_COMMAND, MAKEWPARAM(IDC_OPT_VERSION_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        if (changed) DismissWriteFailure("cplot.dat");
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
