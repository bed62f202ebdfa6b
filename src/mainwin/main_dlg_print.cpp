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
#include "render/primitives.h"
#include "resources/resource.h"
#include "win/gdi_surface.h"
#include "win/text_codec.h"

namespace vorlant {
namespace {

// Which card rows the month boxes of the dialog tick, September first.
TickedRows TickedRowsOf(HWND dialog) {
    TickedRows ticked{};
    for (int row = 0; row < kCardRows; ++row) {
        ticked[static_cast<std::size_t>(row)] = IsDlgButtonChecked(dialog, IDC_MONTH_FIRST + row) == BST_CHECKED;
    }
    return ticked;
}

}  // namespace

void CMainDlg::PrintCard() {
    const std::string name = FormatName(selectedRecord, settings.lastNameFirst);
    if (Trim(name).empty()) return;
    const TickedRows ticked = TickedRowsOf(Handle());
    const PrintedRows printed = PrintedRowsOfSelected();
    const std::vector<int> again = TickedAndPrinted(ticked, printed);
    if (!again.empty() && !ConfirmPrintAgain(again, printed)) {
        SetFocus(Item(IDC_PUBLISHER_LIST));
        return;
    }
    PrintFiguresPage(ticked);
}

bool CMainDlg::PrintFiguresPage(const TickedRows& ticked) {
    const CardYear year = ReadCardYear(table, remarks, selectedRecord, reportMonth, currentYear);
    const bool previousYear = IsDlgButtonChecked(Handle(), IDC_PREVIOUS_YEAR) == BST_CHECKED;
    const FiguresPage page{year, layout, settings.topMargin, settings.leftMargin, ticked, previousYear, CardCharset};
    const auto compose = [&](DrawingSurface& surface) { vorlant::ComposeFiguresPage(surface, page); };
    if (!PrintPage("Card Header", compose)) return false;
    RecordPrinted(FilledRows(ticked, previousYear, year.limitRow), year.serviceYear);
    return true;
}

TickedRows CMainDlg::TickedMonthRows() const { return TickedRowsOf(Handle()); }

void CMainDlg::PrintCalibrationPage() {
    const CalibrationPage page{layout, settings.topMargin, settings.leftMargin, CardCharset};
    PrintPage("Card Test", [&](DrawingSurface& surface) { ComposeCalibrationPage(surface, page, strings); });
}

PrinterResolution CMainDlg::CurrentPrinterResolution() {
    constexpr unsigned kCommonPrinter = 600;
    PrinterResolution resolution{kCommonPrinter, kCommonPrinter, ArialFiguresLine(kCommonPrinter)};
    if (!printer.Ensure(Handle())) return resolution;
    const win::UniquePrinterDc dc = printer.CreateDc();
    if (dc.Get() == nullptr) return resolution;
    win::GdiSurface surface(dc.Get());
    resolution.px = surface.PixelsPerInchX();
    resolution.py = surface.PixelsPerInchY();
    const SurfaceObjectOwner font(surface, CreateFiguresFont(surface, resolution.py, CardCharset));
    const ScopedSurfaceSelect selectFont(surface, font.Get());
    resolution.figuresLine = surface.FontLineHeight();
    return resolution;
}

bool CMainDlg::PrintPage(const char* documentName, const std::function<void(DrawingSurface&)>& compose) {
    return PrintDocument(documentName, [&](HDC dc) {
        StartPage(dc);
        win::GdiSurface surface(dc);
        compose(surface);
        EndPage(dc);
    });
}

bool CMainDlg::PrintDocument(const char* documentName, const std::function<void(HDC)>& pages) {
    const std::wstring name = win::Widen(documentName);
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = name.c_str();

    if (!printer.Ensure(Handle())) {
        RunModal([this] { win::ShowMessage(Handle(), "No Printer"); });
        return false;
    }
    const win::UniquePrinterDc dc = printer.CreateDc();
    bool handedOver = false;
    if (dc.Get() == nullptr) {
        // Without a device there is no document to open; the user is told
        // and goes back to the list as after a print.
        RunModal([this] { win::ShowMessage(Handle(), "no hdc"); });
    } else {
        const bool started = StartDocW(dc.Get(), &document) > 0;
        pages(dc.Get());
        handedOver = EndDoc(dc.Get()) > 0 && started;
    }
    SetFocus(Item(IDC_PUBLISHER_LIST));
    return handedOver;
}

void CMainDlg::OnMonthBoxClicked() {
    // Both panels repaint on every click, as on every change of publisher.
    InvalidateRect(Item(IDC_HEADER_PANEL), nullptr, TRUE);
    InvalidateRect(Item(IDC_CARD_PREVIEW), nullptr, TRUE);
    bool any = false;
    for (const bool ticked : TickedRowsOf(Handle())) any = any || ticked;
    EnableWindow(Item(IDC_PRINT), any ? TRUE : FALSE);
}

}  // namespace vorlant
