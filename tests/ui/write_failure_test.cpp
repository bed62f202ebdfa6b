// The program's own files that cannot be written (a folder stands at the
// name of the layout file or of the INI file): one message names each, the
// program still ends cleanly and the folder is left as it was.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

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

    // Opens the options dialog, picks another date style and ends the dialog with OK, so that the
    // settings are written at exit.
    void ChangeASetting() {
        HWND options = OpenOptions(*program, mainWindow);
        ASSERT_NE(options, nullptr);
        winauto::Click(options, IDC_OPT_DATE_LAST);
        ASSERT_TRUE(winauto::WaitUntil([&] { return winauto::ItemChecked(options, IDC_OPT_DATE_LAST); },
                                       kDialogWaitMs));
        CloseWith(options, IDOK);
    }
};

TEST_F(WriteFailureTest, EachFileThatCannotBeWrittenAtExitIsNamedOnce) {
    const struct {
        const char* name;
        bool blockLayout, blockIni;
        std::vector<std::string> messages;
        std::vector<std::string> written;  // the files that appear
    } cases[] = {{"layout file", true, false, {"cplot.dat"}, {"Vorlant.INI"}},
                 {"INI file", false, true, {"Vorlant.INI"}, {"cplot.dat"}},
                 {"both", true, true, {"Vorlant.INI", "cplot.dat"}, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ignored;
        for (const char* name : {"cplot.dat", "Vorlant.INI"}) std::filesystem::remove_all(folder / name, ignored);
        if (c.blockLayout) Block("cplot.dat");
        if (c.blockIni) Block("Vorlant.INI");
        const Files before = Snapshot(folder);
        ASSERT_NE(Start(), nullptr);
        ChangeASetting();
        winauto::Click(mainWindow, IDC_EXIT);
        for (const std::string& name : c.messages) DismissWriteFailure(name);
        ExpectNoMessageAndExit();

        Files after = Snapshot(folder);
        for (const std::string& name : c.written) EXPECT_EQ(after.erase(name), 1u) << name;
        EXPECT_EQ(after, before);
    }
}

// The Polish resources offer one card version; a second entry put into the list reaches the switch,
// which writes the layout of the version left at once.
TEST_F(WriteFailureTest, SwitchingTheCardVersionNamesTheLayoutFileItCouldNotWrite) {
    Block("cplot.dat");
    const Files before = Snapshot(folder);
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions(*program, mainWindow);
    ASSERT_NE(options, nullptr);
    HWND list = GetDlgItem(options, IDC_OPT_VERSION_LIST);
    DWORD_PTR added = 0;
    ASSERT_TRUE(SendMessageTimeoutW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"S-21-P  Quoril 9a"),
                                    SMTO_ABORTIFHUNG, kDialogWaitMs, &added));
    ASSERT_EQ(added, 1u);
    ASSERT_EQ(winauto::SendToItem(options, IDC_OPT_VERSION_LIST, LB_SETCURSEL, 1), 1);
    // Posted: the message holds the dialog up until it is closed.
    PostMessageA(options, WM_COMMAND, MAKEWPARAM(IDC_OPT_VERSION_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    DismissWriteFailure("cplot.dat");
    EXPECT_EQ(WaitForMessageBox(*program, 300), nullptr) << "one message too many";
    // The switch went ahead: the spinners show the second version's defaults.
    HWND start = reinterpret_cast<HWND>(Send(GetDlgItem(options, IDC_OPT_START_SPIN), UDM_GETBUDDY, 0, 0));
    EXPECT_EQ(winauto::WindowText(start), "2.32");
    CloseWith(options, IDCANCEL);

    // The version in use stays the first one, whose file still cannot be written.
    winauto::Click(mainWindow, IDC_EXIT);
    DismissWriteFailure("cplot.dat");
    ExpectNoMessageAndExit();
    EXPECT_EQ(Snapshot(folder), before);
}

}  // namespace
}  // namespace vorlant::uitest
