// The options command of the main window: runs the options dialog on copies
// of the settings and the layout, takes them over after OK, and brings the
// list and the title up to date when anything has changed in this run,
// with the selected publisher still selected.
#include "common/language.h"
#include "dialogs/options_dlg.h"
#include "dialogs/options_rules.h"
#include "dialogs/readings_dlg.h"
#include "mainwin/main_dlg.h"
#include "resources/resource.h"

namespace vorlant {

void CMainDlg::RunOptions() {
    COptionsDlg dialog(printer, layoutFiles, strings);
    dialog.values = OptionsValuesOf(settings, layout);
    dialog.showFnSort = HasFirstNameSort(languageCode);
    // Owned by the main window, which stays disabled while it runs.
    RunModal([&] {
        const bool ok = dialog.DoModal(Handle()) == IDOK;
        FollowUpOptions(TakeOverOptions(ok, dialog.values, languageCode, settings, layout, settingsChanged));
    });
}

void CMainDlg::FollowUpOptions(const OptionsFollowUp& next) {
    // The list is filled again (its texts may have changed), but the card in
    // the printer is still the selected publisher's: he stays selected.
    int shown = selectedRecord;
    if (next.sortPublishers) shown = SortPublishers(shown);
    if (next.rebuildList) {
        FillPublisherList(shown);
        UpdateTitle();
        TakeSelection();
    }
    SetFocus(Item(IDC_PUBLISHER_LIST));
}

void CMainDlg::RunReadings() {
    CReadingsDlg dialog(strings);
    dialog.workLayout = layout;
    dialog.printer = CurrentPrinterResolution();
    // Owned by the main window, which stays disabled while it runs.
    RunModal([&] {
        const bool ok = dialog.DoModal(Handle()) == IDOK;
        // Taken over as the options dialog's layout: what the readings change
        // is written with the layout, as any other change of it.
        OptionsValues values = OptionsValuesOf(settings, layout);
        values.workLayout = dialog.workLayout;
        FollowUpOptions(TakeOverOptions(ok, values, languageCode, settings, layout, settingsChanged));
    });
}

}  // namespace vorlant
