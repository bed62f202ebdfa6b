// The drawing surface over a real device context: a screen paint context or
// a printer's. Objects created through it are GDI objects.
#pragma once

#include <windows.h>

#include "render/surface.h"

namespace vorlant::win {

class GdiSurface : public DrawingSurface {
public:
    explicit GdiSurface(HDC dc) : dc_(dc) {}

    unsigned PixelsPerInchX() const override;
    unsigned PixelsPerInchY() const override;
    void SetTextMapping() override;
    SurfaceObject CreateSolidPen(int width, std::uint32_t colour) override;
    SurfaceObject CreateFontObject(const FontSpec& font) override;
    SurfaceObject StockObject(StockObjectKind kind) override;
    SurfaceObject Select(SurfaceObject object) override;
    void Delete(SurfaceObject object) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(const SurfaceRect& rect) override;
    void SetTransparentBackground() override;
    void SetTextAlign(TextAlign align) override;
    int FontLineHeight() override;
    int TextWidth(std::string_view text) override;
    void TextAt(int x, int y, std::string_view text) override;
    void ClippedTextAt(int x, int y, const SurfaceRect& clip, std::string_view text) override;

private:
    HDC dc_;
};

// The LOGFONT of a font handle as a FontSpec (an empty spec for none).
FontSpec FontSpecOf(HFONT font);

}  // namespace vorlant::win
