#include "dialogs/readings_dlg.h"

#include "common/string_source.h"
#include "dialogs/calibration_readings.h"
#include "dialogs/item_text.h"
#include "resources/resource.h"
#include "win/resources.h"

namespace vorlant {
namespace {

int EditOf(std::size_t field) { return IDC_READ_EDIT_FIRST + static_cast<int>(field); }

ReadingTexts TypedTexts(HWND dialog) {
    ReadingTexts texts;
    for (std::size_t i = 0; i < kReadingCount; ++i) texts[i] = ItemText(dialog, EditOf(i));
    return texts;
}

}  // namespace

CReadingsDlg::CReadingsDlg(const StringSource& strings) : CDialog(IDD_READINGS), strings(strings) {}

BOOL CReadingsDlg::OnInitDialog() {
    // The scales named as the test page and the layout dialog name them.
    for (std::size_t i = 0; i < kReadingCount; ++i) {
        SetItemText(Handle(), IDC_READ_LABEL_FIRST + static_cast<int>(i), ScaleName(i, strings));
    }
    UpdateNotes();
    return TRUE;
}

void CReadingsDlg::UpdateNotes() {
    const auto changes = ReadingChanges(workLayout, ReadingsForNotes(TypedTexts(Handle())), printer);
    for (std::size_t i = 0; i < kReadingCount; ++i) {
        SetItemText(Handle(), IDC_READ_NOTE_FIRST + static_cast<int>(i), ChangeNote(changes[i], strings));
    }
}

void CReadingsDlg::Ok() {
    const ReadingsOutcome outcome = EvaluateReadings(TypedTexts(Handle()), workLayout, printer, strings);
    if (outcome.refusedField) {
        win::ShowMessage(Handle(), outcome.message);
        const HWND field = Item(EditOf(*outcome.refusedField));
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        return;
    }
    ApplyReadingChanges(outcome.changes, workLayout);
    EndDialog(IDOK);
}

void CReadingsDlg::OnCommand(int id, int notifyCode, HWND /*control*/) {
    if (id >= IDC_READ_EDIT_FIRST && id <= IDC_READ_EDIT_LAST) {
        if (notifyCode == EN_CHANGE) UpdateNotes();
        return;
    }
    if (id == IDOK) Ok();
    if (id == IDCANCEL) EndDialog(IDCANCEL);
}

}  // namespace vorlant
