// The options, detailed layout and readings dialogs of the running program: lengths checked when a field is left,
// the spinners' arrows, the defaults, and what Cancel and OK leave in the files.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "common/text.h"
#include "dialog_driving.h"
#include "dialogs/calibration_readings.h"
#include "resources/resource.h"
#include "support/rc_strings.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemText;
const test::RcStringSource kStrings;

// Every used slot differs from the defaults: "0.10", "0.11", ... by slot; the monthly block's top "0.50".
std::vector<std::uint8_t> CustomLayout() {
    std::vector<std::uint8_t> bytes(400, 0);
    for (std::size_t slot = 0; slot < 49; ++slot) {
        if (slot >= 24 && slot < 40) continue;
        const std::string value = "0." + std::to_string(10 + slot);
        std::copy(value.begin(), value.end(), bytes.begin() + static_cast<long>(slot * 8));
    }
    return bytes;
}

class OptionsDialogTest : public VorlantTest {
protected:
    void SetUp() override {
        VorlantTest::SetUp();
        folder.Write("cplot.dat", CustomLayout());
        ASSERT_NE(Start(), nullptr);
        options = OpenOptions(*program, mainWindow);
        ASSERT_NE(options, nullptr);
    }

    // Expects the length message, exactly once, and dismisses it.
    void DismissLengthMessage() {
        EXPECT_EQ(TakeMessage(*program), kStrings.Load(IDS_LENGTH_MESSAGE));
        EXPECT_EQ(WaitForMessageBox(*program, 300), nullptr) << "the message came twice";
    }

    // The value shown beside a spinner.
    std::string Shown(int spinnerId) {
        return winauto::WindowText(reinterpret_cast<HWND>(Send(GetDlgItem(options, spinnerId), UDM_GETBUDDY, 0, 0)));
    }

    // One click on a spinner's arrow, through its own mouse handling.
    std::string ClickArrow(int spinnerId, bool up) {
        HWND spinner = GetDlgItem(options, spinnerId);
        RECT client{};
        GetClientRect(spinner, &client);
        const LPARAM at = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
        Send(spinner, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Send(spinner, WM_LBUTTONUP, 0, at);
        return Shown(spinnerId);
    }

    HWND options = nullptr;
};

TEST_F(OptionsDialogTest, RefusedLengthsKeepTheirValueAndCancelKeepsTheFiles) {
    TypeAndLeave(options, IDC_OPT_TOP_MARGIN, "abc");
    DismissLengthMessage();
    EXPECT_TRUE(WaitForText(options, IDC_OPT_TOP_MARGIN, "0.00"));
    EXPECT_EQ(ClickArrow(IDC_OPT_HEIGHT_SPIN, true), "0.52");
    EXPECT_EQ(ClickArrow(IDC_OPT_START_SPIN, true), "0.51");

    HWND layout = OpenLayout(*program, options);
    ASSERT_NE(layout, nullptr);
    TypeAndLeave(layout, IDC_LAY_COLUMN_FIRST, "3");
    EXPECT_TRUE(WaitForText(layout, IDC_LAY_COLUMN_FIRST, "3.00"));
    EXPECT_TRUE(WaitForFocus(layout, IDC_LAY_COLUMN_FIRST + 1));
    TypeAndLeave(layout, IDC_LAY_COLUMN_FIRST, "3,5");
    DismissLengthMessage();
    EXPECT_TRUE(WaitForFocus(layout, IDC_LAY_COLUMN_FIRST));
    EXPECT_EQ(ItemText(layout, IDC_LAY_COLUMN_FIRST), "3,5");
    // A click on OK leaves the field first: still one message, and the dialog stays.
    winauto::Click(layout, IDOK);
    DismissLengthMessage();
    winauto::Click(layout, IDC_LAY_RESTORE);
    EXPECT_TRUE(WaitForText(layout, IDC_LAY_COLUMN_FIRST, "1.60"));
    // Taken by the options dialog, then dropped with it.
    CloseWith(layout, IDOK);
    CloseWith(options, IDCANCEL);
    ExitWithButton();
    EXPECT_FALSE(folder.Exists("Vorlant.INI"));
    EXPECT_EQ(folder.Read("cplot.dat"), CustomLayout());
}

// Also run on Windows of other languages, for the texts' Polish letters. Tab after the last field reaches OK, then
// "Anuluj"; the restore button comes last, so that Tab and Enter never restore the defaults over typed values.
TEST_F(OptionsDialogTest, OkChangesTheFilesAtExit) {
    EXPECT_EQ(ItemText(options, IDC_OPT_RESTORE), "Cofnij do wartości domyślnych");
    EXPECT_EQ(ItemText(options, IDC_OPT_DETAILED), "Szczegółowy układ");
    winauto::Click(options, IDC_OPT_RESTORE);
    ASSERT_TRUE(winauto::WaitUntil([&] { return Shown(IDC_OPT_HEIGHT_SPIN) == "3.10"; }, kDialogWaitMs));
    EXPECT_EQ(ClickArrow(IDC_OPT_HEIGHT_SPIN, false), "3.09");
    TypeAndLeave(options, IDC_OPT_TOP_MARGIN, "035");
    ASSERT_TRUE(WaitForText(options, IDC_OPT_TOP_MARGIN, "0.35"));
    winauto::Click(options, IDC_OPT_DATE_LAST);
    HWND layout = OpenLayout(*program, options);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(winauto::WindowText(layout), "Szczegóły układu - S-21-P  11/23");
    EXPECT_EQ(ItemText(layout, IDC_LAY_RESTORE), "Przywróć domyślne - S-21-P  11/23");
    const std::tuple<HWND, int, int> dialogs[] = {{options, IDC_OPT_TOP_MARGIN, IDC_OPT_RESTORE},
                                                  {layout, IDC_LAY_MONTHLY_TOP, IDC_LAY_RESTORE}};
    for (const auto& [dialog, first, restore] : dialogs) {
        HWND ok = GetDlgItem(dialog, IDOK), cancel = GetDlgItem(dialog, IDCANCEL), last = GetDlgItem(dialog, restore);
        EXPECT_EQ(GetNextDlgTabItem(dialog, ok, FALSE), cancel) << restore;
        EXPECT_EQ(GetNextDlgTabItem(dialog, last, TRUE), cancel) << restore;
        EXPECT_EQ(GetNextDlgTabItem(dialog, last, FALSE), GetDlgItem(dialog, first)) << restore;  // the last of all
    }
    TypeAndLeave(layout, IDC_LAY_COLUMN_FIRST, "2.5");
    ASSERT_TRUE(WaitForText(layout, IDC_LAY_COLUMN_FIRST, "2.50"));
    TypeAndLeave(layout, IDC_LAY_COLUMN_LAST, "5.5");
    ASSERT_TRUE(WaitForText(layout, IDC_LAY_COLUMN_LAST, "5.50"));
    EXPECT_TRUE(WaitForFocus(layout, IDOK));
    winauto::PressKey(layout, VK_RETURN);
    ASSERT_TRUE(winauto::WaitUntil([&] { return !IsWindow(layout); }, kDialogWaitMs)) << "Enter did not end it";
    CloseWith(options, IDOK);

    EXPECT_FALSE(folder.Exists("Vorlant.INI"));  // settings are written only at exit
    ExitWithButton();
    for (const char* line : {"Alt Date Format=3", "Top=0.35", "Left=0.20"}) {
        EXPECT_TRUE(Holds(folder.Read("Vorlant.INI"), line)) << line;
    }
    const auto bytes = folder.Read("cplot.dat");
    // The restore reached every slot, not only the two the spinners show; the typed columns stay.
    for (const auto& [offset, value] :
         {std::pair{320, "2.62"}, {328, "3.09"}, {336, "2.50"}, {344, "2.60"}, {384, "5.50"}}) {
        EXPECT_EQ(LayoutSlot(bytes, offset), value) << offset;
    }
}

// The test page's readings: the settings they change shown beside them, refusals, and Anuluj.
class ReadingsDialogTest : public VorlantTest {};

TEST_F(ReadingsDialogTest, ShowWhatTheyMoveRefuseWhatTheyCannotTakeAndCancelTakesNothing) {
    ASSERT_NE(Start(), nullptr);
    HWND readings = OpenReadings(*program, mainWindow);
    ASSERT_NE(readings, nullptr);
    const auto type = [&](int field, const char* text) { SetText(readings, IDC_READ_EDIT_FIRST + field, text); };
    EXPECT_EQ(winauto::WindowText(readings), "Odczyty ze strony próbnej");
    EXPECT_EQ(ItemText(readings, IDC_READ_LABEL_FIRST + 1), "Sierpień");
    EXPECT_EQ(ItemText(readings, IDC_READ_LABEL_FIRST + 4), "Pionier Pomocniczy");
    const std::string start = kStrings.Load(IDS_SETTING_MONTHLY_TOP), shared = kStrings.Load(IDS_SETTING_COLUMN_BASE);
    EXPECT_EQ(ItemText(readings, IDC_READ_NOTE_FIRST), FillIn(kStrings.Load(IDS_READING_NOTE_SAME), {start, "2.62"}));
    type(2, "+3");
    EXPECT_TRUE(WaitForText(readings, IDC_READ_NOTE_FIRST + 2,
                            FillIn(kStrings.Load(IDS_READING_NOTE_MOVED), {shared, "1.60", "1.63"})));
    CloseWith(readings, IDCANCEL);

    readings = OpenReadings(*program, mainWindow);
    ASSERT_NE(readings, nullptr);
    // Each refusal names its field and keeps the dialog, with the focus on that field.
    struct Refusal { int field; const char* typed; std::string says; };
    const auto scale = [](std::size_t field) { return ScaleName(field, kStrings); };
    const Refusal refusals[] = {{3, "0.12", FillIn(kStrings.Load(IDS_READING_UNREADABLE), scale(3))},
                                {5, "-45", FillIn(kStrings.Load(IDS_READING_BEYOND_LEFT), {scale(5), "-40", "-40"})}};
    for (const Refusal& r : refusals) {
        type(r.field, r.typed);
        winauto::Click(readings, IDOK);
        EXPECT_EQ(TakeMessage(*program), r.says) << r.typed;
        EXPECT_TRUE(WaitForFocus(readings, IDC_READ_EDIT_FIRST + r.field));
        type(r.field, "");
    }
    CloseWith(readings, IDCANCEL);
    // Anuluj took nothing. What OK takes reaches the file in WriteFailureTest.ACloseRequestDuringADialog... and,
    // for every field, the page in PrintTest.TheCalibrationPageAndItsReadings...
    ExitWithButton();
    EXPECT_EQ(LayoutSlot(folder.Read("cplot.dat"), 336), "1.60");
    EXPECT_FALSE(folder.Exists("Vorlant.INI"));
}

}  // namespace
}  // namespace vorlant::uitest
