// A drawing surface that records for tests what is drawn on it, and the life
// of every pen, font and brush, to show what a drawing left behind.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "render/surface.h"

namespace vorlant::test {

class RecordingSurface : public DrawingSurface {
public:
    RecordingSurface(unsigned pixelsPerInchX, unsigned pixelsPerInchY);

    enum Slot { kPen, kFont, kBrush };  // what a selected object replaces
    struct Object {
        Slot slot = kPen;
        bool stock = false, deleted = false;
        int penWidth = 0;  // the stock black pen is one pixel wide (0), the null pen -1
        FontSpec font;
        std::optional<StockObjectKind> stockKind;
    };
    struct Line { int x1, y1, x2, y2, penWidth; bool operator==(const Line&) const = default; };
    struct Text { int x, y; TextAlign align; std::string text; SurfaceObject font; std::optional<SurfaceRect> clip; };

    unsigned PixelsPerInchX() const override { return ppiX_; }
    unsigned PixelsPerInchY() const override { return ppiY_; }
    void SetTextMapping() override { textMapping = true; }
    SurfaceObject CreateSolidPen(int width, std::uint32_t colour) override;
    SurfaceObject CreateFontObject(const FontSpec& f) override { return Add({kFont, false, false, 0, f, {}}); }
    SurfaceObject StockObject(StockObjectKind kind) override;
    SurfaceObject Select(SurfaceObject object) override;
    void Delete(SurfaceObject object) override;
    void MoveTo(int x, int y) override { at_ = {x, y}; }
    void LineTo(int x, int y) override;
    void Rectangle(const SurfaceRect& rect) override { rectangles.push_back(rect); }
    void SetTransparentBackground() override {}
    void SetTextAlign(TextAlign align) override { align_ = align; }
    // Arial's: its ascent and descent are 1854 and 434 of its 2048 units to the em.
    int FontLineHeight() override;
    // Close to Arial's advances (a little wide for letters outside ASCII); texts are UTF-8 here.
    int TextWidth(std::string_view text) override { return WidthIn(ObjectOf(selected_[kFont]).font, text); }
    static int WidthIn(const FontSpec& font, std::string_view text);
    void TextAt(int x, int y, std::string_view text) override { Record(x, y, text, {}); }
    void ClippedTextAt(int x, int y, const SurfaceRect& r, std::string_view text) override { Record(x, y, text, r); }

    const Object& ObjectOf(SurfaceObject object) const { return objects_.at(object); }
    // Texts with a given content, in drawing order.
    std::vector<Text> TextsEqualTo(const std::string& text) const;
    // What a drawing left wrong (misuse, objects never deleted or selected back); empty when none.
    std::vector<std::string> Leftovers() const;

    std::vector<Line> lines;
    std::vector<Text> texts;
    std::vector<SurfaceRect> rectangles;
    // Pens of these widths come out null, as when GDI runs out of resources.
    std::vector<int> refusedPenWidths;
    bool textMapping = false;

private:
    SurfaceObject Add(const Object& object) {
        objects_.emplace(objects_.size() + 1, object);
        return objects_.size();
    }
    void Record(int x, int y, std::string_view text, std::optional<SurfaceRect> clip) {
        texts.push_back({x, y, align_, std::string(text), selected_[kFont], clip});
    }

    unsigned ppiX_, ppiY_;
    std::map<SurfaceObject, Object> objects_;
    std::array<SurfaceObject, 3> selected_{};  // by slot; the surface's own are 1, 2 and 3
    std::vector<std::string> misuse_;
    std::array<int, 2> at_{};
    TextAlign align_ = TextAlign::Left;
};

}  // namespace vorlant::test
