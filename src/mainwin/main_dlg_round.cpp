// The month's round: the ticked months printed for everybody in the list,
// one card after another, and the record of what was printed that keeps a
// row from being printed twice.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/file.h"
#include "common/text.h"
#include "dialogs/round_dlg.h"
#include "layout/file_message.h"
#include "mainwin/main_dlg.h"
#include "mainwin/publisher_list.h"
#include "resources/resource.h"
#include "win/text_codec.h"

namespace vorlant {
namespace {

std::string RecordPath() { return PathIn({}, kPrintRecordFileName); }

// "2026-12-07 16:45", the local time.
std::string NowText() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof(text), "%04u-%02u-%02u %02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute);
    return text;
}

std::string Utf8Of(std::string_view languageText) { return win::FromUtf16(CP_UTF8, win::Widen(languageText)); }

struct RoundTally {
    int printed = 0;
    int passedOver = 0;  // every ticked month was printed before
    int skipped = 0;
};

}  // namespace

void CMainDlg::LoadPrintRecord() { printRecord = ReadPrintRecord(RecordPath()); }

void CMainDlg::AddRoundMenuItem() {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    const std::wstring text = win::LoadResourceText(IDS_ROUND_MENU);
    if (systemMenu != nullptr && !text.empty()) AppendMenuW(systemMenu, MF_STRING, IDM_ROUND, text.c_str());
}

void CMainDlg::EndRoundCard() {
    if (!roundRunning) return;
    // The card's dialog, or a message about its printing, is answered as
    // "Zakończ" would answer it.
    HWND popup = GetLastActivePopup(Handle());
    if (popup != nullptr && popup != Handle()) PostMessageW(popup, WM_COMMAND, IDCANCEL, 0);
}

std::string CMainDlg::ListName(int record) const {
    return std::string(Trim(FormatName(record, ListShowsLastNameFirst(settings.fnSortEnabled) ? 1 : 0)));
}

RecordedPerson CMainDlg::RecordedPersonOf(int record) const {
    return {table.PublisherId(record), Utf8Of(ListName(record))};
}

PrintedRows CMainDlg::PrintedRowsOfSelected() const {
    if (selectedRecord == 0) return {};
    return PrintedRowsOf(printRecord, RecordedPersonOf(selectedRecord), ServiceYear(reportMonth, currentYear));
}

bool CMainDlg::ConfirmPrintAgain(const std::vector<int>& rows, const PrintedRows& printed) {
    const std::string text =
        FillIn(strings.Load(IDS_PRINTED_BEFORE), {ListName(selectedRecord), std::to_string(ServiceYear(reportMonth, currentYear)),
                                                  PrintedMonthsText(rows, printed, strings)});
    const std::wstring caption = win::LoadResourceText(IDS_APP_NAME);
    return MessageBoxW(Handle(), win::Widen(text).c_str(), caption.c_str(),
                       MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) == IDYES;
}

void CMainDlg::RecordPrinted(const TickedRows& filled, int cardYear) {
    const std::vector<PrintedRow> rows = RowsOfCard(RecordedPersonOf(selectedRecord), cardYear, filled, NowText());
    printRecord.rows.insert(printRecord.rows.end(), rows.begin(), rows.end());
    InvalidateRect(Item(IDC_CARD_PREVIEW), nullptr, TRUE);
    if (AppendToPrintRecord(RecordPath(), rows) || recordWriteFailed) return;
    // Said once: the cards go on being printed, and this run still warns
    // before a row it printed is printed again.
    recordWriteFailed = true;
    win::ShowMessage(Handle(), FillIn(strings.Load(IDS_RECORD_WRITE_FAILED), kPrintRecordFileName));
}

void CMainDlg::RunRound() {
    const TickedRows ticked = TickedMonthRows();
    HWND list = Item(IDC_PUBLISHER_LIST);
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    const bool anyTicked = std::find(ticked.begin(), ticked.end(), true) != ticked.end();
    if (!anyTicked || count <= 0) {
        win::ShowMessage(Handle(), strings.Load(anyTicked ? IDS_ROUND_EMPTY_LIST : IDS_ROUND_NO_MONTHS),
                         MB_ICONINFORMATION);
        return;
    }
    RoundTally tally;
    roundRunning = true;
    // A close request, or Windows ending the session, ends the round after
    // the card in hand; what was printed is in the record already.
    for (int entry = 0; entry < count && !closePending && !exiting; ++entry) {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        TakeSelection();
        if (selectedRecord == 0) continue;
        const PrintedRows printed = PrintedRowsOfSelected();
        if (AllTickedPrinted(ticked, printed)) {
            ++tally.passedOver;
            continue;
        }
        const std::string card = FillIn(strings.Load(IDS_ROUND_CARD),
                                        {ListName(selectedRecord), std::to_string(entry + 1), std::to_string(count)});
        const std::vector<int> again = TickedAndPrinted(ticked, printed);
        const std::string againText =
            again.empty() ? std::string()
                          : FillIn(strings.Load(IDS_ROUND_AGAIN), PrintedMonthsText(again, printed, strings, false));
        const CRoundDlg::Answer answer = CRoundDlg(card, againText).Run(Handle());
        if (answer == CRoundDlg::Answer::End) break;
        if (answer == CRoundDlg::Answer::Skip) {
            ++tally.skipped;
        } else if (PrintFiguresPage(ticked)) {
            ++tally.printed;
        }
    }
    roundRunning = false;
    SetFocus(list);
    if (closePending || exiting) return;
    const std::string summary = FillIn(strings.Load(IDS_ROUND_SUMMARY), {std::to_string(tally.printed),
                                                                       std::to_string(tally.passedOver),
                                                                       std::to_string(tally.skipped)});
    win::ShowMessage(Handle(), summary, MB_ICONINFORMATION);
}

}  // namespace vorlant
