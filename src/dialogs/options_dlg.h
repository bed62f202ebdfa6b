// The options dialog: margins, date format, card version, the monthly block
// with its two spinners, the detailed layout and the printer. It works on
// copies that its caller takes back only after OK; switching the card
// version and the printer setup take effect at once.
#pragma once

#include <windows.h>

#include "dialogs/options_rules.h"
#include "win/dialog.h"
#include "win/printer.h"

namespace vorlant {

class StringSource;

class COptionsDlg : public win::CDialog {
public:
    // The layout files are written at a switch of the card version, at once.
    COptionsDlg(win::CAppPrinter& printer, LayoutFiles& layoutFiles, const StringSource& strings);

    // Set by the caller before the dialog runs; read back after OK.
    OptionsValues values;
    // Whether the first-name sort is offered (the Portuguese resources).
    bool showFnSort = false;

private:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    void FillVersionList();
    void RefreshSpinners();
    void StepSpinner(int spinnerId, int delta);
    bool CommitMargin(int id);
    void ChooseVersion();
    void RestoreDefaults();
    void RunDetailedLayout();
    void Ok();
    void Finish(int result);

    win::CAppPrinter& printer;
    LayoutFiles& layoutFiles;
    const StringSource& strings;
    // While a rejection is reported (the message box, putting the focus
    // back), fields losing the focus are no user leaving them.
    bool reportingRejection = false;
    // Once the dialog ends, fields losing the focus are not checked.
    bool ended = false;
};

}  // namespace vorlant
