// The main dialog's side of printing: the twelve month boxes, the print
// button they enable, and the print job that puts one page of figures for
// the selected publisher onto the card in the printer; and the calibration
// page, the same job with made-up figures in every row, the settings and
// the scales that the card is read against.
#include <array>
#include <string>

#include "common/text.h"
#include "mainwin/main_dlg.h"
#include "render/figures_page.h"
#include "render/calibration_page.h"
#include "resources/resource.h"
#include "win/gdi_surface.h"
#include "win/text_codec.h"

namespace vorlant {
namespace {

// Which card rows the month boxes of the dialog tick, September first.
std::array<bool, kCardRows> TickedRows(HWND dialog) {
    std::array<bool, kCardRows> ticked{};
    for (int row = 0; row < kCardRows; ++row) {
        ticked[static_cast<std::size_t>(row)] = IsDlgButtonChecked(dialog, IDC_MONTH_FIRST + row) == BST_CHECKED;
    }
    return ticked;
}

}  // namespace

void CMainDlg::PrintCard() {
    const std::string name = FormatName(selectedRecord, settings.lastNameFirst);
    if (Trim(name).empty()) return;
    const CardYear year = ReadCardYear(table, remarks, selectedRecord, reportMonth, currentYear);
    const FiguresPage page{year,
                           layout,
                           settings.topMargin,
                           settings.leftMargin,
                           TickedRows(Handle()),
                           IsDlgButtonChecked(Handle(), IDC_PREVIOUS_YEAR) == BST_CHECKED,
                           CardCharset};
    PrintPage("Card Header", [&](DrawingSurface& surface) { return vorlant::ComposeFiguresPage(surface, page); });
}

void CMainDlg::PrintTestPage() {
    const CalibrationPage page{layout, settings.topMargin, settings.leftMargin, CardCharset};
    PrintPage("Card Test", [&](DrawingSurface& surface) { return ComposeCalibrationPage(surface, page, strings); });
}

void CMainDlg::PrintPage(const char* documentName, const std::function<void(DrawingSurface&)>& compose) {
    PrintDocument(documentName, [&](HDC dc) {
        StartPage(dc);
        win::GdiSurface surface(dc);
        compose(surface);
        EndPage(dc);
    });
}

void CMainDlg::PrintDocument(const char* documentName, const std::function<void(HDC)>& pages) {
    const std::wstring name = win::Widen(documentName);
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = name.c_str();

    if (!printer.Ensure(Handle())) {
        win::ShowMessage(Handle(), "No Printer");
        return;
    }
    const win::UniquePrinterDc dc = printer.CreateDc();
    if (dc.Get() == nullptr) {
        // Without a device there is no document to open; the user is told
        // and goes back to the list as after a print.
        win::ShowMessage(Handle(), "no hdc");
    } else {
        StartDocW(dc.Get(), &document);
        pages(dc.Get());
        EndDoc(dc.Get());
    }
    SetFocus(Item(IDC_PUBLISHER_LIST));
}

void CMainDlg::OnMonthBoxClicked() {
    // Both panels repaint on every click, as on every change of publisher.
    InvalidateRect(Item(IDC_HEADER_PANEL), nullptr, TRUE);
    InvalidateRect(Item(IDC_CARD_PREVIEW), nullptr, TRUE);
    bool any = false;
    for (const bool ticked : TickedRows(Handle())) any = any || ticked;
    EnableWindow(Item(IDC_PRINT), any ? TRUE : FALSE);
}

}  // namespace vorlant
