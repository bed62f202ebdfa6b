#include "dialogs/options_dlg.h"

#include <commctrl.h>

#include "common/string_source.h"
#include "dialogs/item_text.h"
#include "dialogs/layout_dlg.h"
#include "dialogs/length_value.h"
#include "layout/file_message.h"
#include "resources/resource.h"
#include "win/resources.h"

namespace vorlant {
namespace {

struct Spinner {
    int id;
    std::size_t slot;
    SpinRange range;
};
constexpr Spinner kSpinners[] = {
    {IDC_OPT_START_SPIN, card_layout::kMonthlyTop, kMonthlyTopRange},
    {IDC_OPT_HEIGHT_SPIN, card_layout::kMonthlyHeight, kMonthlyHeightRange},
};

const Spinner* FindSpinner(int id) {
    for (const Spinner& spinner : kSpinners) {
        if (spinner.id == id) return &spinner;
    }
    return nullptr;
}

// The static text beside a spinner, which shows its value.
HWND BuddyOf(HWND dialog, int spinnerId) {
    return reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, spinnerId, UDM_GETBUDDY, 0, 0));
}

}  // namespace

COptionsDlg::COptionsDlg(win::CAppPrinter& printer, LayoutFiles& layoutFiles, const StringSource& strings)
    : CDialog(IDD_OPTIONS), printer(printer), layoutFiles(layoutFiles), strings(strings) {}

BOOL COptionsDlg::OnInitDialog() {
    if (values.dateFormat >= 0 && values.dateFormat <= IDC_OPT_DATE_LAST - IDC_OPT_DATE_FIRST) {
        CheckDlgButton(Handle(), IDC_OPT_DATE_FIRST + values.dateFormat, BST_CHECKED);
    }
    SetItemText(Handle(), IDC_OPT_TOP_MARGIN, values.topMargin);
    SetItemText(Handle(), IDC_OPT_LEFT_MARGIN, values.leftMargin);
    for (const Spinner& spinner : kSpinners) {
        SendDlgItemMessageW(Handle(), spinner.id, UDM_SETRANGE32, spinner.range.lower, spinner.range.upper);
    }
    RefreshSpinners();
    FillVersionList();
    if (showFnSort) {
        ShowWindow(Item(IDC_OPT_FN_SORT), SW_SHOW);
        CheckDlgButton(Handle(), IDC_OPT_FN_SORT, values.fnSortEnabled != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    return TRUE;
}

void COptionsDlg::FillVersionList() {
    const int count = VersionsOffered(strings);
    for (int i = 0; i < count; ++i) {
        const std::wstring name = win::Widen(strings.Load(IDS_VERSION_NAME_BASE + static_cast<unsigned>(i)));
        SendDlgItemMessageW(Handle(), IDC_OPT_VERSION_LIST, LB_INSERTSTRING, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(name.c_str()));
    }
    values.cardVersion = VersionShown(values.cardVersion, count);
    SendDlgItemMessageW(Handle(), IDC_OPT_VERSION_LIST, LB_SETCURSEL, static_cast<WPARAM>(values.cardVersion), 0);
}

void COptionsDlg::RefreshSpinners() {
    for (const Spinner& spinner : kSpinners) {
        const std::string text(values.workLayout.Slot(spinner.slot));
        SendDlgItemMessageW(Handle(), spinner.id, UDM_SETPOS32, 0, LayoutValueHundredths(text));
        SetWindowTextOf(BuddyOf(Handle(), spinner.id), text);
    }
}

void COptionsDlg::StepSpinner(int spinnerId, int delta) {
    const Spinner* spinner = FindSpinner(spinnerId);
    if (spinner == nullptr) return;
    HWND buddy = BuddyOf(Handle(), spinnerId);
    const std::string text = StepLength(WindowTextOf(buddy), delta, spinner->range);
    values.workLayout.SetSlot(spinner->slot, text);
    SetWindowTextOf(buddy, text);
}

bool COptionsDlg::CommitMargin(int id) {
    std::string& value = id == IDC_OPT_TOP_MARGIN ? values.topMargin : values.leftMargin;
    const bool accepted = CommitOrRestore(value, ItemText(Handle(), id));
    if (!accepted) {
        reportingRejection = true;
        win::ShowMessage(Handle(), strings.Load(IDS_LENGTH_MESSAGE));
        reportingRejection = false;
    }
    SetItemText(Handle(), id, value);
    return accepted;
}

void COptionsDlg::ChooseVersion() {
    const auto selected = SendDlgItemMessageW(Handle(), IDC_OPT_VERSION_LIST, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    const int leaving = values.cardVersion;
    const bool kept = SwitchCardVersion(values, static_cast<int>(selected), layoutFiles, strings);
    RefreshSpinners();
    if (!kept) {
        win::ShowMessage(Handle(), CannotSaveMessage(strings, LayoutFileName(leaving)));
    }
}

void COptionsDlg::RestoreDefaults() {
    // Every slot, not only the two shown here.
    values.workLayout.LoadDefaults(values.cardVersion, strings);
    RefreshSpinners();
}

void COptionsDlg::RunDetailedLayout() {
    CLayoutDlg dialog(strings);
    dialog.workLayout = values.workLayout;
    dialog.cardVersion = values.cardVersion;
    if (dialog.DoModal(Handle()) == IDOK) values.workLayout = dialog.workLayout;
    RefreshSpinners();
}

void COptionsDlg::Ok() {
    // A margin still being typed when Enter ends the dialog never lost the
    // focus: it is committed here, and a rejected one keeps the dialog open.
    for (const int id : {IDC_OPT_TOP_MARGIN, IDC_OPT_LEFT_MARGIN}) {
        if (!CommitMargin(id)) {
            reportingRejection = true;
            SetFocus(Item(id));
            reportingRejection = false;
            return;
        }
    }
    values.fnSortEnabled = showFnSort && IsDlgButtonChecked(Handle(), IDC_OPT_FN_SORT) == BST_CHECKED ? 1 : 0;
    Finish(IDOK);
}

void COptionsDlg::Finish(int result) {
    ended = true;
    EndDialog(result);
}

void COptionsDlg::OnCommand(int id, int notifyCode, HWND /*control*/) {
    switch (id) {
        case IDC_OPT_TOP_MARGIN:
        case IDC_OPT_LEFT_MARGIN:
            if (notifyCode == EN_KILLFOCUS && !reportingRejection && !ended) CommitMargin(id);
            break;
        case IDC_OPT_DATE_FIRST:
        case IDC_OPT_DATE_FIRST + 1:
        case IDC_OPT_DATE_FIRST + 2:
        case IDC_OPT_DATE_LAST:
            if (notifyCode == BN_CLICKED) values.dateFormat = id - IDC_OPT_DATE_FIRST;
            break;
        case IDC_OPT_PRINTER_SETUP:
            if (notifyCode == BN_CLICKED) printer.Setup(Handle());
            break;
        case IDC_OPT_VERSION_LIST:
            if (notifyCode == LBN_SELCHANGE) ChooseVersion();
            break;
        case IDC_OPT_RESTORE:
            if (notifyCode == BN_CLICKED) RestoreDefaults();
            break;
        case IDC_OPT_DETAILED:
            if (notifyCode == BN_CLICKED) RunDetailedLayout();
            break;
        case IDOK:
            Ok();
            break;
        case IDCANCEL:
            Finish(IDCANCEL);
            break;
        default:
            break;
    }
}

INT_PTR COptionsDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, bool& handled) {
    handled = false;
    if (message != WM_NOTIFY) return FALSE;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != UDN_DELTAPOS || FindSpinner(static_cast<int>(header->idFrom)) == nullptr) return FALSE;
    StepSpinner(static_cast<int>(header->idFrom), reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
    // The control may go ahead with its own position, which plays no part.
    SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
    handled = true;
    return TRUE;
}

}  // namespace vorlant
