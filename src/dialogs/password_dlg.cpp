#include "dialogs/password_dlg.h"

#include "resources/resource.h"

namespace vorlant {
namespace {

std::string WindowTextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

CPasswordDlg::CPasswordDlg(std::string expected) : CDialog(IDD_PASSWORD), gate(std::move(expected)) {}

BOOL CPasswordDlg::OnInitDialog() {
    SetDlgItemTextA(Handle(), IDC_PASSWORD_MESSAGE, strings.Load(IDS_PASSWORD_PROMPT).c_str());
    CenterWindow();
    SetFocus(Item(IDC_PASSWORD_EDIT));
    return FALSE;
}

void CPasswordDlg::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_PASSWORD_EDIT:
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
        const std::string wrong = strings.Load(IDS_PASSWORD_WRONG);
        SetDlgItemTextA(Handle(), IDC_PASSWORD_MESSAGE, wrong.c_str());
        SetWindowTextA(Handle(), wrong.c_str());
    }
    if (reaction.end) EndDialog(gate.Matched() ? IDOK : IDCANCEL);
}

}  // namespace vorlant
