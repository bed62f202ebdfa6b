#include "dialogs/password_dlg.h"

#include "dialogs/item_text.h"
#include "resources/resource.h"

namespace vorlant {

CPasswordDlg::CPasswordDlg(std::string expected) : CDialog(IDD_PASSWORD), gate(std::move(expected)) {}

BOOL CPasswordDlg::OnInitDialog() {
    SetDlgItemTextW(Handle(), IDC_PASSWORD_MESSAGE, win::LoadResourceText(IDS_PASSWORD_PROMPT).c_str());
    CenterWindow();
    SetFocus(Item(IDC_PASSWORD_EDIT));
    return FALSE;
}

void CPasswordDlg::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_PASSWORD_EDIT:
            // In the language's code page, as the password in the data: a
            // letter that the ANSI code page lacks can be typed as well.
            if (notifyCode == EN_CHANGE) Apply(gate.TextChanged(WindowTextOf(control)));
            break;
        case IDOK:   // the button and Enter
            Apply(gate.Ok());
            break;
        case IDCANCEL:   // Escape
            Apply(gate.Escape());
            break;
        default:
            break;
    }
}

void CPasswordDlg::Apply(GateReaction reaction) {
    if (reaction.showWrong) {
        const std::wstring wrong = win::LoadResourceText(IDS_PASSWORD_WRONG);
        SetDlgItemTextW(Handle(), IDC_PASSWORD_MESSAGE, wrong.c_str());
        SetWindowTextW(Handle(), wrong.c_str());
    }
    if (reaction.end) EndDialog(gate.Matched() ? IDOK : IDCANCEL);
}

}  // namespace vorlant
