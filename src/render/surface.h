// The drawing surface that the printed page and the two panels draw on. It
// reads like GDI on purpose: objects are created, selected into the surface
// (which hands back the one selected before), selected back and deleted by
// the operation that made them. The program's surface wraps a device
// context; the tests' one records every call.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlant {

// A pen, font or brush of a surface; 0 is the null object.
using SurfaceObject = std::uintptr_t;

struct SurfaceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SurfaceRect&) const = default;
};

// The fields of a LOGFONT, the face name in the language's code page.
struct FontSpec {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;
    bool operator==(const FontSpec&) const = default;
};

enum class StockObjectKind { LightGrayBrush, NullPen, BlackPen };

// Text alignment; the reference point is always at the top of the text.
enum class TextAlign { Left, Right };

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Pixels per logical inch, horizontally and vertically.
    virtual unsigned PixelsPerInchX() const = 0;
    virtual unsigned PixelsPerInchY() const = 0;
    // Device units, origin at the top left, y downwards.
    virtual void SetTextMapping() = 0;

    // A solid pen of `width` device units (0: one pixel) and colour
    // 0x00BBGGRR.
    virtual SurfaceObject CreateSolidPen(int width, std::uint32_t colour) = 0;
    // The colour of every line printed.
    static constexpr std::uint32_t kBlack = 0x000000;
    virtual SurfaceObject CreateFontObject(const FontSpec& font) = 0;
    // Stock objects belong to the system: selected, never deleted.
    virtual SurfaceObject StockObject(StockObjectKind kind) = 0;
    // Selects the object and returns the one of its kind selected before.
    virtual SurfaceObject Select(SurfaceObject object) = 0;
    virtual void Delete(SurfaceObject object) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // A rectangle outlined with the current pen and filled with the current
    // brush.
    virtual void Rectangle(const SurfaceRect& rect) = 0;
    virtual void SetTransparentBackground() = 0;
    virtual void SetTextAlign(TextAlign align) = 0;
    // The height of a line of the selected font, its ascent and descent, in
    // device units.
    virtual int FontLineHeight() = 0;
    // The width of `text` in the selected font, in device units.
    virtual int TextWidth(std::string_view text) = 0;
    virtual void TextAt(int x, int y, std::string_view text) = 0;
    // Text drawn at (x, y) and cut at `clip`.
    virtual void ClippedTextAt(int x, int y, const SurfaceRect& clip, std::string_view text) = 0;
};

// Selects an object for a scope and selects the previous one back.
class ScopedSurfaceSelect {
public:
    ScopedSurfaceSelect(DrawingSurface& surface, SurfaceObject object)
        : surface_(surface), previous_(surface.Select(object)) {}
    ~ScopedSurfaceSelect() { surface_.Select(previous_); }
    ScopedSurfaceSelect(const ScopedSurfaceSelect&) = delete;
    ScopedSurfaceSelect& operator=(const ScopedSurfaceSelect&) = delete;

private:
    DrawingSurface& surface_;
    SurfaceObject previous_;
};

// A pen or font created on a surface, deleted with its owner.
class SurfaceObjectOwner {
public:
    SurfaceObjectOwner(DrawingSurface& surface, SurfaceObject object) : surface_(surface), object_(object) {}
    ~SurfaceObjectOwner() {
        if (object_ != 0) surface_.Delete(object_);
    }
    SurfaceObjectOwner(const SurfaceObjectOwner&) = delete;
    SurfaceObjectOwner& operator=(const SurfaceObjectOwner&) = delete;

    SurfaceObject Get() const { return object_; }

private:
    DrawingSurface& surface_;
    SurfaceObject object_;
};

}  // namespace vorlant
