// A drawing surface that records what is drawn on it, for tests: every line
// with the width of its pen, every rectangle, every text with its alignment
// and font, and the life of every object (created, selected, deleted).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "render/surface.h"

namespace vorlant::test {

class RecordingSurface : public DrawingSurface {
public:
    RecordingSurface(unsigned pixelsPerInchX, unsigned pixelsPerInchY);

    enum class ObjectKind { Pen, Font, Brush };
    struct Object {
        ObjectKind kind = ObjectKind::Pen;
        bool stock = false;
        bool deleted = false;
        int penWidth = 0;
        std::uint32_t colour = 0;
        FontSpec font;
        StockObjectKind stockKind = StockObjectKind::BlackPen;
    };
    struct Line {
        int x1, y1, x2, y2;
        SurfaceObject pen;
        bool operator==(const Line&) const = default;
    };
    struct Text {
        int x, y;
        TextAlign align;
        std::string text;
        SurfaceObject font;
        bool clipped = false;
        SurfaceRect clip{};
    };
    struct Filled {
        SurfaceRect rect;
        SurfaceObject pen;
        SurfaceObject brush;
    };

    unsigned PixelsPerInchX() const override { return ppiX_; }
    unsigned PixelsPerInchY() const override { return ppiY_; }
    void SetTextMapping() override { textMapping = true; }
    SurfaceObject CreateSolidPen(int width, std::uint32_t colour) override;
    SurfaceObject CreateFontObject(const FontSpec& font) override;
    SurfaceObject StockObject(StockObjectKind kind) override;
    SurfaceObject Select(SurfaceObject object) override;
    void Delete(SurfaceObject object) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(const SurfaceRect& rect) override;
    void SetTransparentBackground() override { transparent = true; }
    void SetTextAlign(TextAlign align) override { align_ = align; }
    void TextAt(int x, int y, std::string_view text) override;
    void ClippedTextAt(int x, int y, const SurfaceRect& clip, std::string_view text) override;

    const Object& ObjectOf(SurfaceObject object) const { return objects_.at(object); }
    // Width of the pen a line was drawn with (-1 for a stock pen).
    int PenWidthOf(const Line& line) const;
    // Objects created on the surface and never deleted.
    int LiveObjects() const;
    // The pen and font selected now; the surface starts with its own
    // defaults selected (DefaultPen(), DefaultFont(), DefaultBrush()).
    SurfaceObject SelectedPen() const { return selectedPen_; }
    SurfaceObject SelectedFont() const { return selectedFont_; }
    SurfaceObject SelectedBrush() const { return selectedBrush_; }
    SurfaceObject DefaultPen() const { return defaultPen_; }
    SurfaceObject DefaultFont() const { return defaultFont_; }
    SurfaceObject DefaultBrush() const { return defaultBrush_; }
    TextAlign CurrentAlign() const { return align_; }
    // Texts with a given content, in drawing order.
    std::vector<Text> TextsEqualTo(const std::string& text) const;

    std::vector<Line> lines;
    std::vector<Text> texts;
    std::vector<Filled> rectangles;
    // Pens of these widths cannot be made: their creation gives the null
    // object, as GDI does when it runs out of resources.
    std::vector<int> refusedPenWidths;
    bool textMapping = false;
    bool transparent = false;
    // Errors such as selecting a deleted object or deleting a selected one.
    std::vector<std::string> misuse;

private:
    SurfaceObject Add(Object object);

    unsigned ppiX_;
    unsigned ppiY_;
    std::map<SurfaceObject, Object> objects_;
    SurfaceObject next_ = 1;
    SurfaceObject defaultPen_ = 0;
    SurfaceObject defaultFont_ = 0;
    SurfaceObject defaultBrush_ = 0;
    SurfaceObject selectedPen_ = 0;
    SurfaceObject selectedFont_ = 0;
    SurfaceObject selectedBrush_ = 0;
    int currentX_ = 0;
    int currentY_ = 0;
    TextAlign align_ = TextAlign::Left;
};

}  // namespace vorlant::test
