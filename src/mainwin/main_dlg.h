// The main dialog: it owns all run-time state of the program, loads the
// congregation data once when it opens and saves the layout (and changed
// settings) when it closes.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "dialogs/options_rules.h"
#include "layout/card_layout.h"
#include "layout/known_file.h"
#include "layout/layout_files.h"
#include "layout/settings.h"
#include "mainwin/panels.h"
#include "mainwin/print_record.h"
#include "mainwin/type_ahead_list_box.h"
#include "render/calibration_fit.h"
#include "render/card_year.h"
#include "render/figures_page.h"
#include "render/full_card_page.h"
#include "win/dialog.h"
#include "win/printer.h"
#include "win/resources.h"

namespace vorlant {

class CMainDlg : public win::CDialog {
public:
    explicit CMainDlg(std::string iniPath);
    ~CMainDlg() override;

private:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    bool OnSysCommand(UINT command, LPARAM lParam) override;
    bool OnPaint() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    void LoadCongregationData();
    bool CheckPassword();
    void AddAboutMenuItem();
    void AddCalibrationMenuItems();
    void UpdateFilterButton();

    // The one way names and dates are turned into text (main_dlg_list.cpp).
    std::string FormatName(int index, int lastFirst) const;
    std::string FormatDate(int index, int which) const;

    // The publisher list (main_dlg_list.cpp).
    // The refill selects the entry of `keptRecord` when the list holds one,
    // else the first; the sort returns the index the record `followed` has
    // in the sorted table.
    void FillPublisherList(int keptRecord = 0);
    void TakeSelection();
    void AdvanceFilter();
    int SortPublishers(int followed = 0);

    void UpdateTitle();
    void RunOptions();
    // The test page's readings typed in: the layout they change taken over
    // as the options dialog's is (main_dlg_options.cpp).
    void RunReadings();
    // After either: the list, the title and the selection brought up to date.
    void FollowUpOptions(const OptionsFollowUp& next);
    void DrawHeaderPanel(const RECT& rect, HDC dc);
    void DrawCardPreview(const RECT& rect, HDC dc);
    // Writes the program's files and ends the dialog. While Windows ends the
    // session nothing is shown: no one could answer.
    void Exit(bool sessionEnding = false);
    // Every modal path of this window goes through here: `run` shows a dialog
    // or a message over the window (disabled meanwhile) and takes over what
    // it answers; a close request held meanwhile runs after that.
    void RunModal(const std::function<void()>& run);
    // A held close request, once no dialog of this window is open; during
    // the start (the password dialog) it is posted to run when the window is
    // up, and after a refused password it is dropped: nothing is written.
    void RunPendingClose();

    // Printing the card and the calibration page (main_dlg_print.cpp).
    void PrintCard();
    void PrintCalibrationPage();
    // The application printer's resolution and figures line, which the
    // readings are worked out for; Arial's at 600 dpi without a printer.
    PrinterResolution CurrentPrinterResolution();
    // One document of one page on the application's printer, drawn by
    // `compose`; true when the page went to the printer.
    bool PrintPage(const char* documentName, const std::function<void(DrawingSurface&)>& compose);
    // One document on the application's printer, its pages printed by
    // `pages` between StartPage and EndPage; "No Printer" and "no hdc" when
    // there is none to print on; true when the document went to the printer.
    bool PrintDocument(const char* documentName, const std::function<void(HDC)>& pages);
    void OnMonthBoxClicked();
    TickedRows TickedMonthRows() const;

    // The figures of the ticked rows of the selected publisher onto the card
    // in the printer, and, when the page went to the printer, its rows into
    // the record of what was printed: the one place where the record grows.
    bool PrintFiguresPage(const TickedRows& ticked);

    // The month's round and the record of what was printed (main_dlg_round.cpp).
    void RunRound();
    void LoadPrintRecord();
    void AddRoundMenuItem();
    // A close request during the round: the card's question ends the round.
    void EndRoundCard();
    // The name as the list shows it, and the person as the record knows him.
    std::string ListName(int record) const;
    RecordedPerson RecordedPersonOf(int record) const;
    PrintedRows PrintedRowsOfSelected() const;
    // Asks before printing onto the card rows that the record holds; true to print.
    bool ConfirmPrintAgain(const std::vector<int>& rows, const PrintedRows& printed);
    // The rows of the selected publisher's card of `cardYear` printed now.
    void RecordPrinted(const TickedRows& filled, int cardYear);

    // The whole card on plain paper (main_dlg_full_card.cpp): the selected
    // publisher's, and everyone's on the list in one document.
    void AddFullCardMenuItem();
    void PrintFullCard();
    void PrintWholeList();
    void PrintFullCards(const char* documentName, const std::vector<int>& records);
    std::array<bool, kCardRows> FullCardRows() const;
    FullCardPerson FullCardPersonOf(int record);

    win::Win32StringSource strings;
    std::string iniPath;

    int filterMode = 0;
    CCardPreview cardPreview;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;  // the caption's, drawn at its own size rather than shrunk
    Settings settings;   // dateFormat, lastNameFirst, cardVersion, margins, fnSortEnabled
    KnownFile<Settings> settingsFile;  // what the INI file holds: read at the start
    std::string languageCode;
    std::uint8_t settingsChanged = 0;
    bool exiting = false;   // the exit has begun: it runs once
    bool closePending = false;  // a close request waits for a dialog of this window to close
    bool started = false;       // OnInitDialog has finished
    int accessRefused = 0;
    CHeaderPanel headerPanel;
    CTypeAheadListBox publisherList;
    PublisherTable table;
    int reportMonth = 0;
    int selectedRecord = 0;
    std::uint8_t filterGroup = 0;
    std::uint8_t hasUngrouped = 0;
    int CardCharset = 0;
    std::uint8_t reportYearByte = 0;
    int currentYear = 0;
    GroupFile groups;
    RemarkTable remarks;
    CardLayout layout;
    bool layoutLoaded = false;   // no layout is written before one was loaded
    LayoutFiles layoutFiles;     // what the layout files hold: read at the start, written since
    ExtendedDetails details;
    win::CAppPrinter printer;   // the system default until the printer setup picks another
    PrintRecord printRecord;    // what was printed: read at the start, added to at every card
    bool recordWriteFailed = false;  // said once
    bool roundRunning = false;  // a close request ends the round after its card
};

}  // namespace vorlant
