// The main dialog's side of the publisher list: it moves the entries that
// the portable list logic chooses into list box 1000 and takes the selected
// entry's record as the selected publisher.
#include <algorithm>
#include <climits>

#include "mainwin/format.h"
#include "mainwin/main_dlg.h"
#include "mainwin/publisher_list.h"
#include "resources/resource.h"
#include "win/text_codec.h"

namespace vorlant {
namespace {

// The platform's comparison orders the names by the rules of the user's
// language; both are compared as UTF-16, whatever the ANSI code page.
int PlatformCompare(const char* a, const char* b) { return lstrcmpiW(win::Widen(a).c_str(), win::Widen(b).c_str()); }

}  // namespace

std::string CMainDlg::FormatName(int index, int lastFirst) const {
    return vorlant::FormatName(table, index, lastFirst != 0);
}

std::string CMainDlg::FormatDate(int index, int which) const {
    return vorlant::FormatDate(table, index, which, settings.dateFormat, languageCode, strings);
}

void CMainDlg::FillPublisherList(int keptRecord) {
    HWND list = Item(IDC_PUBLISHER_LIST);
    const ListContents contents = ListPublishers(
        table, {{filterMode, filterGroup}, reportMonth, reportYearByte, settings.fnSortEnabled});
    if (contents.ungroupedSeen) hasUngrouped = 1;

    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    WPARAM position = 0;
    for (const ListEntry& entry : contents.entries) {
        const LRESULT item = SendMessageW(list, LB_INSERTSTRING, position,
                                          reinterpret_cast<LPARAM>(win::Widen(entry.text).c_str()));
        if (item < 0) break;
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(item), entry.record);
        ++position;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);

    const auto kept = std::ranges::find(contents.entries, keptRecord, &ListEntry::record);
    const auto selected = kept != contents.entries.end() ? kept - contents.entries.begin() : 0;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    TakeSelection();
    SetFocus(list);
}

void CMainDlg::TakeSelection() {
    HWND list = Item(IDC_PUBLISHER_LIST);
    // Without a selection both answers are the list's error value.
    const LRESULT item = SendMessageW(list, LB_GETCURSEL, 0, 0);
    const LRESULT record = SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0);
    const int index = record >= 0 && record <= INT_MAX ? static_cast<int>(record) : 0;
    selectedRecord = table.IsPublisher(index) ? index : 0;
    InvalidateRect(Item(IDC_HEADER_PANEL), nullptr, TRUE);
    InvalidateRect(Item(IDC_CARD_PREVIEW), nullptr, TRUE);
}

void CMainDlg::AdvanceFilter() {
    const FilterStep next = NextFilterStep({filterMode, filterGroup}, groups.Count(), hasUngrouped);
    filterMode = next.filterMode;
    filterGroup = next.filterGroup;
    UpdateFilterButton();
    FillPublisherList();
    SetFocus(Item(IDC_PUBLISHER_LIST));
}

int CMainDlg::SortPublishers(int followed) {
    return vorlant::SortPublishers(table, settings.fnSortEnabled, &PlatformCompare, followed);
}

}  // namespace vorlant
