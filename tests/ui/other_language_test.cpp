// The program on a Windows of another language, whose ANSI code page lacks the Polish letters (tests/ui/CMakeLists.txt
// runs this suite, with the tests of the list, the messages, the printed page and the About box, under English and
// Russian locales besides the Polish one): the texts of its resources and a password typed with Polish letters.
#include <gtest/gtest.h>

#include <string>

#include "dialog_driving.h"
#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemText;

class OtherWindowsLanguageTest : public VorlantTest {};

// Texts of the dialog templates and of the string table, as the options and layout dialogs show them.
TEST_F(OtherWindowsLanguageTest, DialogTextsKeepTheirPolishLetters) {
    ASSERT_NE(Start(), nullptr);
    HWND options = OpenOptions(*program, mainWindow);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(ItemText(options, IDC_OPT_RESTORE), "Cofnij do wartości domyślnych");
    EXPECT_EQ(ItemText(options, IDC_OPT_DETAILED), "Szczegółowy układ");
    HWND layout = OpenLayout(*program, options);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(winauto::WindowText(layout), "Szczegóły układu - S-21-P  11/23");
    EXPECT_EQ(ItemText(layout, IDC_LAY_RESTORE), "Przywróć domyślne - S-21-P  11/23");
    CloseWith(layout, IDCANCEL);
    CloseWith(options, IDCANCEL);
    ExitWithButton();
}

// The password as the companion program stored it, in code page 1250, is typed letter by letter as the keyboard
// brings them (UTF-16); the last one opens the main window.
TEST_F(OtherWindowsLanguageTest, APasswordWithPolishLettersIsTaken) {
    gen::GeneratorOptions options;
    options.password = "Żółw7ś";
    WriteCongregation(options);
    program = std::make_unique<winauto::Program>(folder.File("Vorlant.exe"), folder.Str());
    HWND dialog = program->WaitForWindow("Wymagane hasło", kStartTimeoutMs);
    ASSERT_NE(dialog, nullptr) << "the password dialog did not appear";
    ASSERT_TRUE(WaitForFocus(dialog, IDC_PASSWORD_EDIT));
    for (const wchar_t c : std::wstring(L"Żółw7ś")) PostMessageW(GetDlgItem(dialog, IDC_PASSWORD_EDIT), WM_CHAR, c, 1);
    mainWindow = program->WaitForWindow("Vorlant", kStartTimeoutMs);
    ASSERT_NE(mainWindow, nullptr) << "the password was not taken";
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
