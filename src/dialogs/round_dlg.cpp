#include "dialogs/round_dlg.h"

#include <utility>

#include "dialogs/item_text.h"
#include "resources/resource.h"

namespace vorlant {

CRoundDlg::CRoundDlg(std::string cardText, std::string againText)
    : CDialog(IDD_ROUND), cardText(std::move(cardText)), againText(std::move(againText)) {}

CRoundDlg::Answer CRoundDlg::Run(HWND owner) {
    switch (DoModal(owner)) {
        case IDOK:
            return Answer::Print;
        case IDC_ROUND_SKIP:
            return Answer::Skip;
        default:
            // "Zakończ", Esc, the close box, and a dialog that could not be made.
            return Answer::End;
    }
}

BOOL CRoundDlg::OnInitDialog() {
    SetItemText(Handle(), IDC_ROUND_CARD, cardText);
    SetItemText(Handle(), IDC_ROUND_AGAIN, againText);
    CenterWindow();
    return TRUE;
}

void CRoundDlg::OnCommand(int id, int notifyCode, HWND /*control*/) {
    if (notifyCode != BN_CLICKED) return;
    if (id == IDOK || id == IDC_ROUND_SKIP || id == IDCANCEL) EndDialog(id);
}

}  // namespace vorlant
