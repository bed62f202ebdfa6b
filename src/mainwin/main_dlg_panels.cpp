// The main dialog's side of the two panels: it gathers what they show from
// its state and hands it to the portable drawing over the panel's context.
#include "mainwin/format.h"
#include "mainwin/main_dlg.h"
#include "render/card_preview.h"
#include "render/header_panel.h"
#include "win/gdi.h"
#include "win/gdi_surface.h"

namespace vorlant {
namespace {

PanelLook LookOf(HWND dialog, HDC dc, const std::string& languageCode, int cardCharset) {
    PanelLook look;
    look.languageCode = languageCode;
    look.cardCharset = cardCharset;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    look.dialogFont = win::FontSpecOf(font);
    look.borderX = GetSystemMetrics(SM_CXBORDER);
    look.borderY = GetSystemMetrics(SM_CYBORDER);
    const win::ScopedSelectObject select(dc, font);
    TEXTMETRICW metrics{};
    if (font != nullptr && GetTextMetricsW(dc, &metrics)) look.lineHeight = metrics.tmHeight;
    return look;
}

SurfaceRect SurfaceRectOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

void CMainDlg::DrawHeaderPanel(const RECT& rect, HDC dc) {
    HeaderPanelData data = ReadHeaderPanelFlags(table, selectedRecord, reportMonth, reportYearByte);
    data.name = HeaderPanelName(table, details, selectedRecord, FormatName(selectedRecord, settings.lastNameFirst));
    data.baptismDate = FormatDate(selectedRecord, 0);
    data.birthDate = FormatDate(selectedRecord, 1);
    win::GdiSurface surface(dc);
    vorlant::DrawHeaderPanel(surface, SurfaceRectOf(rect), data, LookOf(Handle(), dc, languageCode, CardCharset),
                             strings);
}

void CMainDlg::DrawCardPreview(const RECT& rect, HDC dc) {
    const CardYear data = ReadCardYear(table, remarks, selectedRecord, reportMonth, currentYear);
    PrintedMarks marks{};
    const PrintedRows printed = PrintedRowsOfSelected();
    for (std::size_t row = 0; row < marks.size(); ++row) marks[row] = !printed[row].empty();
    win::GdiSurface surface(dc);
    vorlant::DrawCardPreview(surface, SurfaceRectOf(rect), data, LookOf(Handle(), dc, languageCode, CardCharset),
                             strings, marks);
}

}  // namespace vorlant
