// The main dialog's side of the whole card on plain paper: "&Drukuj" while
// "Wydrukuj pełną kartę" is ticked prints the selected publisher's complete
// card, and the system menu's "Pełne karty wszystkich z listy..." prints the
// card of everyone on the list in one document, showing how far it is and
// letting the user stop it between two pages.
#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "common/text.h"
#include "mainwin/main_dlg.h"
#include "render/full_card_page.h"
#include "resources/resource.h"
#include "win/gdi_surface.h"
#include "win/text_codec.h"

namespace vorlant {
namespace {

// The small window of a running job: "12 z 87" and "Przerwij". It is
// modeless, so that the job's loop can pass it the user's click.
class CFullCardProgress {
public:
    explicit CFullCardProgress(HWND owner)
        : hwnd_(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FULL_CARD_PROGRESS), owner,
                                   &StaticDialogProc, reinterpret_cast<LPARAM>(this))) {
        if (hwnd_ == nullptr) return;
        // Over the middle of the main window, which it stands for while the job runs.
        RECT ownerRect{}, rect{};
        GetWindowRect(owner, &ownerRect);
        GetWindowRect(hwnd_, &rect);
        SetWindowPos(hwnd_, nullptr, (ownerRect.left + ownerRect.right - (rect.right - rect.left)) / 2,
                     (ownerRect.top + ownerRect.bottom - (rect.bottom - rect.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(hwnd_, SW_SHOW);
    }
    ~CFullCardProgress() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }
    CFullCardProgress(const CFullCardProgress&) = delete;
    CFullCardProgress& operator=(const CFullCardProgress&) = delete;

    void Show(const std::string& text) {
        if (hwnd_ != nullptr) SetDlgItemTextW(hwnd_, IDC_FULL_CARD_COUNT, win::Widen(text).c_str());
    }
    // Hands every waiting message on (the windows repaint, the stop is
    // clicked); true once the user has asked to stop.
    bool StopAsked() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                stopped_ = true;
                break;
            }
            if (hwnd_ != nullptr && IsDialogMessageW(hwnd_, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return stopped_;
    }

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        auto* self = reinterpret_cast<CFullCardProgress*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        // Esc and "Przerwij" both arrive as IDCANCEL.
        if (self != nullptr && message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
            self->stopped_ = true;
            return TRUE;
        }
        return message == WM_INITDIALOG ? TRUE : FALSE;
    }

    bool stopped_ = false;
    HWND hwnd_;
};

// "wrzesień-listopad, luty": the ticked months as runs, from September.
std::string MonthRuns(const std::array<bool, kCardRows>& rows, const StringSource& strings) {
    const auto name = [&](int row) {
        return strings.Load(IDS_MONTH_FULL_BASE + static_cast<unsigned>(MonthOfRow(row)));
    };
    std::string runs;
    for (int row = 0; row < kCardRows; ++row) {
        if (!rows[static_cast<std::size_t>(row)]) continue;
        int last = row;
        while (last + 1 < kCardRows && rows[static_cast<std::size_t>(last) + 1]) ++last;
        if (!runs.empty()) runs += ", ";
        runs += name(row);
        if (last != row) runs += "-" + name(last);
        row = last;
    }
    return runs;
}

}  // namespace

void CMainDlg::AddFullCardMenuItem() {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    const std::wstring text = win::LoadResourceText(IDS_FULL_CARD_MENU);
    if (systemMenu != nullptr && !text.empty()) AppendMenuW(systemMenu, MF_STRING, IDM_FULL_CARDS, text.c_str());
}

std::array<bool, kCardRows> CMainDlg::FullCardRows() const {
    // The rows the figures page would fill.
    const bool previousYear = IsDlgButtonChecked(Handle(), IDC_PREVIOUS_YEAR) == BST_CHECKED;
    return FilledRows(TickedMonthRows(), previousYear, LimitRow(reportMonth));
}

FullCardPerson CMainDlg::FullCardPersonOf(int record) {
    HeaderPanelData panel = ReadHeaderPanelFlags(table, record, reportMonth, reportYearByte);
    panel.baptismDate = FormatDate(record, 0);
    panel.birthDate = FormatDate(record, 1);
    return {HeaderPanelName(table, details, record, FormatName(record, settings.lastNameFirst)), panel.birthDate,
            panel.baptismDate, HeaderPanelFlags(panel)};
}

void CMainDlg::PrintFullCard() {
    if (Trim(FormatName(selectedRecord, settings.lastNameFirst)).empty()) return;
    PrintFullCards("Full Card", {selectedRecord});
}

void CMainDlg::PrintWholeList() {
    const std::array<bool, kCardRows> rows = FullCardRows();
    HWND list = Item(IDC_PUBLISHER_LIST);
    std::vector<int> records;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT item = 0; item < count; ++item) {
        const LRESULT record = SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0);
        if (record > 0 && record <= INT_MAX && table.IsPublisher(static_cast<int>(record))) {
            records.push_back(static_cast<int>(record));
        }
    }
    if (std::ranges::find(rows, true) == rows.end()) {
        win::ShowMessage(Handle(), strings.Load(IDS_FULL_CARD_NO_MONTH));
        return;
    }
    if (records.empty()) {
        win::ShowMessage(Handle(), strings.Load(IDS_FULL_CARD_EMPTY_LIST));
        return;
    }
    const std::string question =
        FillIn(strings.Load(IDS_FULL_CARD_ASK), {std::to_string(records.size()), MonthRuns(rows, strings)});
    const int answer = MessageBoxW(Handle(), win::Widen(question).c_str(),
                                   win::LoadResourceText(IDS_APP_NAME).c_str(), MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) PrintFullCards("Full Cards", records);
}

void CMainDlg::PrintFullCards(const char* documentName, const std::vector<int>& records) {
    const std::array<bool, kCardRows> rows = FullCardRows();
    PrintDocument(documentName, [&](HDC dc) {
        const int width = GetDeviceCaps(dc, HORZRES);
        const int height = GetDeviceCaps(dc, VERTRES);
        // The list's job shows its progress and can be stopped between
        // pages; the main window waits meanwhile, but repaints. A stopped
        // job keeps the pages printed so far.
        std::optional<CFullCardProgress> progress;
        if (records.size() > 1) {
            EnableWindow(Handle(), FALSE);
            progress.emplace(Handle());
        }
        std::size_t printed = 0;
        for (const int record : records) {
            if (progress) {
                progress->Show(FillIn(strings.Load(IDS_FULL_CARD_PROGRESS),
                                      {std::to_string(printed + 1), std::to_string(records.size())}));
                // A stop asked for before the first page takes effect after
                // it: a document has at least one page. A close request
                // stops the job as the button does, and the program closes
                // once the document is printed; a session that ends
                // meanwhile has released the table.
                if (((progress->StopAsked() || closePending) && printed > 0) || exiting) break;
            }
            const CardYear year = ReadCardYear(table, remarks, record, reportMonth, currentYear);
            const FullCardPerson person = FullCardPersonOf(record);
            StartPage(dc);
            win::GdiSurface surface(dc);
            ComposeFullCardPage(surface, {year, person, rows, width, height, CardCharset}, strings);
            EndPage(dc);
            ++printed;
        }
        if (progress) EnableWindow(Handle(), TRUE);
    });
}

}  // namespace vorlant
