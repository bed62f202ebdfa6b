#include "dialogs/round_dlg.h"

#include <algorithm>
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
    PlaceBelowOwner();
    return TRUE;
}

void CRoundDlg::PlaceBelowOwner() {
    // The list and the panels above it stay in sight: they show whose card
    // is asked for.
    RECT work{};
    RECT owner{};
    RECT own{};
    const bool known = SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) &&
                       GetWindowRect(GetWindow(Handle(), GW_OWNER), &owner) && GetWindowRect(Handle(), &own);
    if (!known) {
        CenterWindow();
        return;
    }
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int x = std::clamp<int>((owner.left + owner.right - width) / 2, work.left,
                                  std::max<int>(work.left, work.right - width));
    // Below the window when there is room, else over its lowest part.
    const int y = owner.bottom + height <= work.bottom ? owner.bottom : std::max(work.top, owner.bottom - height);
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CRoundDlg::OnCommand(int id, int notifyCode, HWND /*control*/) {
    if (notifyCode != BN_CLICKED) return;
    if (id == IDOK || id == IDC_ROUND_SKIP || id == IDCANCEL) EndDialog(id);
}

}  // namespace vorlant
