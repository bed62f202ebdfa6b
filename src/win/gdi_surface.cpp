#include "win/gdi_surface.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "win/text_codec.h"

namespace vorlant::win {
namespace {

HGDIOBJ Gdi(SurfaceObject object) { return reinterpret_cast<HGDIOBJ>(object); }
SurfaceObject Handle(HGDIOBJ object) { return reinterpret_cast<SurfaceObject>(object); }

int Length(std::wstring_view text) { return static_cast<int>(std::min<std::size_t>(text.size(), 0x7FFFFFFF)); }

}  // namespace


unsigned GdiSurface::PixelsPerInchX() const { return static_cast<unsigned>(GetDeviceCaps(dc_, LOGPIXELSX)); }
unsigned GdiSurface::PixelsPerInchY() const { return static_cast<unsigned>(GetDeviceCaps(dc_, LOGPIXELSY)); }

void GdiSurface::SetTextMapping() { SetMapMode(dc_, MM_TEXT); }

SurfaceObject GdiSurface::CreateSolidPen(int width, std::uint32_t colour) {
    return Handle(CreatePen(PS_SOLID, width, static_cast<COLORREF>(colour)));
}

SurfaceObject GdiSurface::CreateFontObject(const FontSpec& font) {
    LOGFONTW logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWidth = font.width;
    logFont.lfEscapement = font.escapement;
    logFont.lfOrientation = font.orientation;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = font.strikeOut;
    logFont.lfCharSet = font.charSet;
    logFont.lfOutPrecision = font.outPrecision;
    logFont.lfClipPrecision = font.clipPrecision;
    logFont.lfQuality = font.quality;
    logFont.lfPitchAndFamily = font.pitchAndFamily;
    const std::wstring face = Widen(font.faceName);
    face.copy(logFont.lfFaceName, std::size(logFont.lfFaceName) - 1);
    return Handle(CreateFontIndirectW(&logFont));
}

SurfaceObject GdiSurface::StockObject(StockObjectKind kind) {
    switch (kind) {
        case StockObjectKind::LightGrayBrush: return Handle(GetStockObject(LTGRAY_BRUSH));
        case StockObjectKind::NullPen: return Handle(GetStockObject(NULL_PEN));
        case StockObjectKind::BlackPen: return Handle(GetStockObject(BLACK_PEN));
    }
    return 0;
}

SurfaceObject GdiSurface::Select(SurfaceObject object) {
    if (object == 0) return 0;
    HGDIOBJ previous = SelectObject(dc_, Gdi(object));
    return previous == HGDI_ERROR ? 0 : Handle(previous);
}

void GdiSurface::Delete(SurfaceObject object) {
    if (object != 0) DeleteObject(Gdi(object));
}

void GdiSurface::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }
void GdiSurface::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void GdiSurface::Rectangle(const SurfaceRect& rect) {
    ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiSurface::SetTransparentBackground() { SetBkMode(dc_, TRANSPARENT); }

void GdiSurface::SetTextAlign(TextAlign align) {
    ::SetTextAlign(dc_, (align == TextAlign::Right ? TA_RIGHT : TA_LEFT) | TA_TOP);
}

int GdiSurface::FontLineHeight() {
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc_, &metrics) ? metrics.tmHeight : 0;
}

int GdiSurface::TextWidth(std::string_view text) {
    const std::wstring wide = Widen(text);
    SIZE size{};
    return GetTextExtentPoint32W(dc_, wide.data(), Length(wide), &size) ? size.cx : 0;
}

// The core's texts are in the language's code page; drawn as UTF-16 they
// show the same glyphs on a Windows of any language.
void GdiSurface::TextAt(int x, int y, std::string_view text) {
    const std::wstring wide = Widen(text);
    TextOutW(dc_, x, y, wide.data(), Length(wide));
}

void GdiSurface::ClippedTextAt(int x, int y, const SurfaceRect& clip, std::string_view text) {
    const RECT rect{clip.left, clip.top, clip.right, clip.bottom};
    const std::wstring wide = Widen(text);
    ExtTextOutW(dc_, x, y, ETO_CLIPPED, &rect, wide.data(), static_cast<UINT>(Length(wide)), nullptr);
}

FontSpec FontSpecOf(HFONT font) {
    FontSpec spec;
    LOGFONTW logFont{};
    if (font == nullptr || GetObjectW(font, sizeof(logFont), &logFont) == 0) return spec;
    spec.height = logFont.lfHeight;
    spec.width = logFont.lfWidth;
    spec.escapement = logFont.lfEscapement;
    spec.orientation = logFont.lfOrientation;
    spec.weight = logFont.lfWeight;
    spec.italic = logFont.lfItalic;
    spec.underline = logFont.lfUnderline;
    spec.strikeOut = logFont.lfStrikeOut;
    spec.charSet = logFont.lfCharSet;
    spec.outPrecision = logFont.lfOutPrecision;
    spec.clipPrecision = logFont.lfClipPrecision;
    spec.quality = logFont.lfQuality;
    spec.pitchAndFamily = logFont.lfPitchAndFamily;
    spec.faceName = Narrow({logFont.lfFaceName, wcsnlen(logFont.lfFaceName, std::size(logFont.lfFaceName))});
    return spec;
}

}  // namespace vorlant::win
