#include "mainwin/main_dlg.h"

#include <string>
#include <vector>

#include "common/file.h"
#include "common/language.h"
#include "common/text.h"
#include "dialogs/about_dlg.h"
#include "dialogs/password_dlg.h"
#include "layout/file_message.h"
#include "mainwin/filter.h"
#include "mainwin/publisher_list.h"
#include "mainwin/startup.h"
#include "resources/resource.h"
#include "win/gdi.h"
#include "win/profile.h"
#include "win/text_codec.h"

namespace vorlant {

CMainDlg::CMainDlg(std::string iniPath)
    : CDialog(IDD_MAIN),
      iniPath(std::move(iniPath)),
      cardPreview([this](const RECT& rect, HDC dc) { DrawCardPreview(rect, dc); }),
      headerPanel([this](const RECT& rect, HDC dc) { DrawHeaderPanel(rect, dc); }),
      publisherList([this] { TakeSelection(); }) {
    icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
    smallIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

CMainDlg::~CMainDlg() = default;

BOOL CMainDlg::OnInitDialog() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const ReportDate date = ComputeReportDate(now.wYear, now.wMonth);
    reportMonth = date.reportMonth;
    reportYearByte = date.reportYearByte;
    currentYear = date.currentYear;

    publisherList.Attach(Handle(), IDC_PUBLISHER_LIST);
    headerPanel.Attach(Handle(), IDC_HEADER_PANEL);
    cardPreview.Attach(Handle(), IDC_CARD_PREVIEW);
    headerPanel.rectValid = 0;
    cardPreview.rectValid = 0;

    UpdateFilterButton();
    AddAboutMenuItem();
    AddCalibrationMenuItems();
    AddFullCardMenuItem();
    AddRoundMenuItem();
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon != nullptr ? smallIcon : icon));

    languageCode = strings.Load(IDS_LANGUAGE_CODE);
    settingsChanged = 0;
    accessRefused = 0;

    const win::Win32ProfileStore profile(iniPath);
    settings.fnSortEnabled = LoadFirstNameSort(profile, languageCode);

    if (table.Allocate()) {
        LoadCongregationData();
    } else {
        RunModal([this] { win::ShowMessage(Handle(), "Couldn't allocate memory"); });
    }
    if (HasFirstNameSort(languageCode) && table.Count() != 0) SortPublishers();
    FillPublisherList();

    LoadSettings(profile, VersionsOffered(strings), settings);
    settingsFile.Read(settings);

    if (accessRefused == 1) {
        table.Release();
        EndDialog(IDCANCEL);
        return FALSE;
    }

    layout = layoutFiles.Load(settings.cardVersion, strings);
    layoutLoaded = true;
    LoadPrintRecord();
    CardCharset = CardCharsetFor(languageCode);
    UpdateTitle();
    EnableWindow(Item(IDC_PRINT), FALSE);

    SetFocus(Item(IDC_PUBLISHER_LIST));
    started = true;
    return FALSE;
}

void CMainDlg::LoadCongregationData() {
    const std::uint8_t scrambleBase = LoadScrambleBase(win::Win32ProfileStore(iniPath), ScrambleBase);
    table.Load(groups, {}, scrambleBase);
    if (accessRefused == 0 && !CheckPassword()) accessRefused = 1;
    details.CountRecords({}, scrambleBase);
    remarks.Load(table);
}

// Granted when the publisher file carries no password or the user typed it.
bool CMainDlg::CheckPassword() {
    const std::string expected(table.Password());
    if (!PasswordRequired(expected)) return true;
    CPasswordDlg dialog(expected);
    RunModal([&] {
        dialog.DoModal(Handle());
        if (!dialog.Matched()) accessRefused = 1;
    });
    return dialog.Matched();
}

void CMainDlg::AddAboutMenuItem() {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (systemMenu == nullptr) return;
    const std::wstring text = win::LoadResourceText(IDS_ABOUT_MENU);
    if (text.empty()) return;
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, text.c_str());
}

void CMainDlg::AddCalibrationMenuItems() {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (systemMenu == nullptr) return;
    const std::wstring text = win::LoadResourceText(IDS_CALIBRATION_PAGE_MENU);
    if (!text.empty()) AppendMenuW(systemMenu, MF_STRING, IDM_CALIBRATION_PAGE, text.c_str());
    const std::wstring readings = win::LoadResourceText(IDS_READINGS_MENU);
    if (!readings.empty()) AppendMenuW(systemMenu, MF_STRING, IDM_READINGS, readings.c_str());
}

void CMainDlg::UpdateFilterButton() {
    SetDlgItemTextW(Handle(), IDC_FILTER, win::Widen(FilterButtonText(filterMode, filterGroup, strings)).c_str());
}

void CMainDlg::UpdateTitle() {
    const std::string versionName = strings.Load(IDS_VERSION_NAME_BASE + settings.cardVersion);
    SetWindowTextW(Handle(), win::Widen(ComposeTitle(strings.Load(IDS_APP_NAME), versionName)).c_str());
}

void CMainDlg::OnCommand(int id, int notifyCode, HWND /*control*/) {
    switch (id) {
        case IDC_PRINT:
            // Enter reaches here too; it prints only while the button is enabled.
            if (notifyCode != BN_CLICKED || !IsWindowEnabled(Item(IDC_PRINT))) break;
            if (IsDlgButtonChecked(Handle(), IDC_PRINT_FULL_CARD) == BST_CHECKED) {
                RunModal([this] { PrintFullCard(); });
            } else {
                RunModal([this] { PrintCard(); });
            }
            break;
        case IDC_EXIT:
            // Esc, the button and the close box. A close request from
            // outside ("Zakończ zadanie") while a dialog of this window is
            // open finds the window disabled: it is held until the dialog
            // has closed (RunModal), so that what its OK took over is saved too.
            closePending = true;
            EndRoundCard();
            RunPendingClose();
            break;
        case IDC_OPTIONS:
            RunOptions();
            break;
        case IDC_PUBLISHER_LIST:
            if (notifyCode == LBN_SELCHANGE) TakeSelection();
            break;
        case IDC_FILTER:
            if (notifyCode == BN_CLICKED) AdvanceFilter();
            break;
        default:
            if (id >= IDC_MONTH_FIRST && id <= IDC_MONTH_LAST && notifyCode == BN_CLICKED) OnMonthBoxClicked();
            break;
    }
}

void CMainDlg::RunModal(const std::function<void()>& run) {
    run();
    RunPendingClose();
}

void CMainDlg::RunPendingClose() {
    if (!closePending || accessRefused == 1 || !IsWindowEnabled(Handle())) return;
    if (!started) {
        PostMessageW(Handle(), WM_COMMAND, IDC_EXIT, 0);
        return;
    }
    Exit();
}

void CMainDlg::Exit(bool sessionEnding) {
    // One exit, however it is asked for: a request that arrives while this
    // exit's message is up (the close box, Alt+F4, a shutdown) finds it
    // under way.
    if (exiting) return;
    exiting = true;
    EndRoundCard();
    // Every file is written before anything is said, and the files whose
    // changes are lost are named in one message afterwards. The panels
    // behind the message still draw from the table, so it is released last.
    win::Win32ProfileStore profile(iniPath);
    ExitFile ini{win::NarrowPath(FileNameOf(iniPath)), {}};
    if (settingsChanged == 1) {
        ini.save = [&] {
            return settingsFile.Save(
                settings, [&](const Settings& written) { return SaveSettings(profile, written, languageCode); });
        };
    }
    ExitFile layoutFile{LayoutFileName(settings.cardVersion), {}};
    if (layoutLoaded) layoutFile.save = [&] { return layoutFiles.Save(settings.cardVersion, layout); };
    const ExitReport report = SaveAtExit({ini, layoutFile}, sessionEnding);
    if (report.sayNow) win::ShowMessage(Handle(), CannotSaveMessage(strings, report.lost));
    table.Release();
    EndDialog(IDCANCEL);
}

bool CMainDlg::OnSysCommand(UINT command, LPARAM /*lParam*/) {
    switch (command & 0xFFF0) {
        case IDM_ABOUTBOX: {
            CAboutDlg about(CurrentFolder());
            RunModal([&] { about.DoModal(Handle()); });
            break;
        }
        case IDM_CALIBRATION_PAGE:
            PrintCalibrationPage();
            break;
        case IDM_READINGS:
            RunReadings();
            break;
        case IDM_FULL_CARDS:
            RunModal([this] { PrintWholeList(); });
            break;
        case IDM_ROUND:
            RunModal([this] { RunRound(); });
            break;
        default:
            return false;
    }
    return true;
}

bool CMainDlg::OnPaint() {
    if (!IsIconic(Handle())) return false;
    win::PaintScope paint(Handle());
    SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.Dc()), 0);
    RECT client{};
    GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.Dc(), x, y, icon);
    return true;
}

INT_PTR CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, bool& handled) {
    if (message == WM_QUERYDRAGICON) {
        handled = true;
        return reinterpret_cast<INT_PTR>(icon);
    }
    if (message == WM_ENDSESSION) {
        // The system ends the program once this returns: the exit, with its
        // saving, runs here, and says nothing.
        if (wParam != FALSE) Exit(true);
        handled = true;
        return 0;
    }
    handled = false;
    return FALSE;
}

}  // namespace vorlant
