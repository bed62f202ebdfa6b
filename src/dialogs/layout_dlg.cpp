#include "dialogs/layout_dlg.h"

#include "common/string_source.h"
#include "common/text.h"
#include "dialogs/item_text.h"
#include "dialogs/layout_fields.h"
#include "layout/length.h"
#include "resources/resource.h"
#include "win/resources.h"

namespace vorlant {
namespace {

const LayoutField* FindField(int id) {
    for (const LayoutField& field : LayoutFields()) {
        if (field.editId == id) return &field;
    }
    return nullptr;
}

}  // namespace

CLayoutDlg::CLayoutDlg(const StringSource& strings) : CDialog(IDD_LAYOUT), strings(strings) {}

BOOL CLayoutDlg::OnInitDialog() {
    ShowWindow(Item(IDC_LAY_LABEL_STUDIES), SW_HIDE);
    LoadFields();
    const std::string versionName = strings.Load(IDS_VERSION_NAME_BASE + static_cast<unsigned>(cardVersion));
    SetWindowTextOf(Handle(), ComposeTitle(strings.Load(IDS_LAYOUT_CAPTION), versionName));
    SetItemText(Handle(), IDC_LAY_RESTORE, ComposeTitle(strings.Load(IDS_LAYOUT_RESTORE), versionName));
    return TRUE;
}

void CLayoutDlg::LoadFields() {
    const LayoutFieldTexts texts = FieldTextsOf(workLayout);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const LayoutField& field = LayoutFields()[i];
        SetItemText(Handle(), field.editId, texts[i]);
        if (!field.shown) ShowWindow(Item(field.editId), SW_HIDE);
    }
}

void CLayoutDlg::CheckField(int id) {
    if (ended || reportingRejection || FindField(id) == nullptr) return;
    std::string text = ItemText(Handle(), id);
    if (NormalizeLength(text)) {
        SetItemText(Handle(), id, text);
    } else {
        RejectField(id);
    }
}

void CLayoutDlg::RejectField(int id) {
    reportingRejection = true;
    win::ShowMessage(Handle(), strings.Load(IDS_LENGTH_MESSAGE));
    SetFocus(Item(id));
    reportingRejection = false;
}

void CLayoutDlg::Ok() {
    // The field that had the focus when OK came may not have been checked
    // yet: every field the user sees is normalised here, and a rejected one
    // keeps the dialog open.
    LayoutFieldTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = ItemText(Handle(), LayoutFields()[i].editId);
    const auto rejected = NormalizeShownFields(texts);
    const std::size_t normalised = rejected.value_or(texts.size());
    for (std::size_t i = 0; i < normalised; ++i) {
        if (LayoutFields()[i].shown) SetItemText(Handle(), LayoutFields()[i].editId, texts[i]);
    }
    if (rejected) {
        RejectField(LayoutFields()[*rejected].editId);
        return;
    }
    StoreFieldTexts(texts, workLayout);
    Finish(IDOK);
}

void CLayoutDlg::Finish(int result) {
    ended = true;
    EndDialog(result);
}

void CLayoutDlg::OnCommand(int id, int notifyCode, HWND /*control*/) {
    if (notifyCode == EN_KILLFOCUS && FindField(id) != nullptr) {
        if (!reportingRejection && !ended) PostMessageW(Handle(), kCheckFieldMessage, static_cast<WPARAM>(id), 0);
        return;
    }
    switch (id) {
        case IDC_LAY_RESTORE:
            if (notifyCode == BN_CLICKED) {
                workLayout.LoadDefaults(cardVersion, strings);
                LoadFields();
            }
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

INT_PTR CLayoutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, bool& handled) {
    handled = message == kCheckFieldMessage;
    if (!handled) return FALSE;
    CheckField(static_cast<int>(wParam));
    SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
    return TRUE;
}

}  // namespace vorlant
