// The detailed layout dialog: the monthly block and the column positions,
// one field per slot of a copy of the options dialog's working layout.
// Each field is checked after it loses the focus; a rejected one gets the
// focus back.
#pragma once

#include <windows.h>

#include "layout/card_layout.h"
#include "win/dialog.h"

namespace vorlant {

class StringSource;

class CLayoutDlg : public win::CDialog {
public:
    explicit CLayoutDlg(const StringSource& strings);

    // Set by the caller before the dialog runs; `workLayout` is read back
    // after OK.
    CardLayout workLayout;
    int cardVersion = 0;

    // Posted by a field that lost the focus, with its id: the check runs
    // once the focus change has finished.
    static constexpr UINT kCheckFieldMessage = WM_USER + 100;

private:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    void LoadFields();
    void CheckField(int id);
    void RejectField(int id);
    void Ok();
    void Finish(int result);

    const StringSource& strings;
    // While a rejection is reported (the message box, putting the focus
    // back), fields losing the focus are no user leaving them, and checks
    // still queued are dropped: OK checks every field again.
    bool reportingRejection = false;
    // Once the dialog ends, fields losing the focus are not checked.
    bool ended = false;
};

}  // namespace vorlant
