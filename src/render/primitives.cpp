#include "render/primitives.h"

#include <cstdint>

#include "layout/length.h"

namespace vorlant {
namespace {

// The outline of a box of w x h with its lower-right corner at (x, y), drawn
// with the selected pen from (x, y) round and back to (x, y).
void DrawBoxOutline(DrawingSurface& surface, int x, int y, int w, int h) {
    surface.MoveTo(x, y);
    surface.LineTo(x - w, y);
    surface.LineTo(x - w, y - h);
    surface.LineTo(x, y - h);
    surface.LineTo(x, y);
}

}  // namespace

unsigned LayoutLengthToDevice(unsigned ppi, std::string_view text) {
    const auto length = static_cast<unsigned>(PrintedLengthHundredths(text));
    return ppi * (length % 100) / 100 + ppi * (length / 100);
}

int MulDivRound(int a, int b, int c) {
    if (c == 0) return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = (c > 0 ? c : -c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = ((product < 0 ? -product : product) + half) / (c > 0 ? c : -c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void DrawTickBox(DrawingSurface& surface, int x, int y, bool marked, unsigned divisor) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    if (divisor == 0) return;
    const int w = static_cast<int>(px / divisor);
    const int h = static_cast<int>(py / divisor);
    const SurfaceObjectOwner outlinePen(surface, surface.CreateSolidPen(BoxOutlineWidth(px), DrawingSurface::kBlack));
    const SurfaceObjectOwner tickPen(surface, surface.CreateSolidPen(static_cast<int>(px / 45), DrawingSurface::kBlack));
    const ScopedSurfaceSelect select(surface, outlinePen.Get());
    DrawBoxOutline(surface, x, y, w, h);
    if (marked) {
        // Scoped on its own, so that the tick pen is selected back even when
        // the outline pen could not be made.
        const ScopedSurfaceSelect selectTick(surface, tickPen.Get());
        surface.MoveTo(x - w + static_cast<int>(px / 35), y - h / 2);
        surface.LineTo(x - w / 2, y - static_cast<int>(py / 50));
        surface.LineTo(x - static_cast<int>(px / 40), y - h + static_cast<int>(py / 40));
    }
}

void DrawCrossBox(DrawingSurface& surface, int x, int y, bool marked, unsigned divisor) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    if (divisor == 0) return;
    const int w = static_cast<int>(px / divisor);
    const int h = static_cast<int>(py / divisor);
    const SurfaceObjectOwner pen(surface, surface.CreateSolidPen(BoxOutlineWidth(px), DrawingSurface::kBlack));
    const ScopedSurfaceSelect select(surface, pen.Get());
    DrawBoxOutline(surface, x, y, w, h);
    if (marked) {
        surface.LineTo(x - w, y - h);
        surface.MoveTo(x, y - h);
        surface.LineTo(x - w, y);
    }
}

FontSpec ArialFontSpec(int points, unsigned py, int cardCharset) {
    FontSpec font;
    font.height = -MulDivRound(points, static_cast<int>(py), 72);
    font.weight = 400;
    font.charSet = static_cast<std::uint8_t>(cardCharset & 0xFF);
    font.pitchAndFamily = 0x20;  // FF_SWISS, default pitch
    font.faceName = "Arial";
    return font;
}

FontSpec FiguresFontSpec(unsigned py, int cardCharset) { return ArialFontSpec(10, py, cardCharset); }

SurfaceObject CreateFiguresFont(DrawingSurface& surface, unsigned py, int cardCharset) {
    return surface.CreateFontObject(FiguresFontSpec(py, cardCharset));
}

FontSpec PanelFontSpec(const FontSpec& dialogFont, int cardCharset) {
    FontSpec font = dialogFont;
    font.charSet = static_cast<std::uint8_t>(cardCharset & 0xFF);
    return font;
}

SurfaceObject CreatePanelFont(DrawingSurface& surface, const FontSpec& dialogFont, int cardCharset) {
    return surface.CreateFontObject(PanelFontSpec(dialogFont, cardCharset));
}

}  // namespace vorlant
