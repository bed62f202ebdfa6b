#include "support/recording_surface.h"

#include <algorithm>

namespace vorlant::test {
namespace {

RecordingSurface::Object MakeObject(RecordingSurface::ObjectKind kind, bool stock = false) {
    RecordingSurface::Object object;
    object.kind = kind;
    object.stock = stock;
    return object;
}

}  // namespace

RecordingSurface::RecordingSurface(unsigned pixelsPerInchX, unsigned pixelsPerInchY)
    : ppiX_(pixelsPerInchX), ppiY_(pixelsPerInchY) {
    // A device context starts with a black pen, the system font and a white
    // brush selected; they belong to the system.
    Object pen = MakeObject(ObjectKind::Pen, true);
    pen.stockKind = StockObjectKind::BlackPen;
    defaultPen_ = selectedPen_ = Add(pen);
    Object font = MakeObject(ObjectKind::Font, true);
    font.font.faceName = "System";
    defaultFont_ = selectedFont_ = Add(font);
    defaultBrush_ = selectedBrush_ = Add(MakeObject(ObjectKind::Brush, true));
}

SurfaceObject RecordingSurface::Add(Object object) {
    const SurfaceObject handle = next_++;
    objects_[handle] = std::move(object);
    return handle;
}

SurfaceObject RecordingSurface::CreateSolidPen(int width, std::uint32_t colour) {
    if (std::find(refusedPenWidths.begin(), refusedPenWidths.end(), width) != refusedPenWidths.end()) return 0;
    Object pen = MakeObject(ObjectKind::Pen);
    pen.penWidth = width;
    pen.colour = colour;
    return Add(pen);
}

SurfaceObject RecordingSurface::CreateFontObject(const FontSpec& font) {
    Object object = MakeObject(ObjectKind::Font);
    object.font = font;
    return Add(object);
}

SurfaceObject RecordingSurface::StockObject(StockObjectKind kind) {
    for (const auto& [handle, object] : objects_) {
        if (object.stock && object.stockKind == kind) return handle;
    }
    Object object = MakeObject(kind == StockObjectKind::LightGrayBrush ? ObjectKind::Brush : ObjectKind::Pen, true);
    object.stockKind = kind;
    return Add(object);
}

SurfaceObject RecordingSurface::Select(SurfaceObject handle) {
    // As in GDI, selecting the null object (or an unknown one) fails and
    // changes nothing.
    const auto found = objects_.find(handle);
    if (found == objects_.end()) return 0;
    if (found->second.deleted) {
        misuse.push_back("select of a deleted object " + std::to_string(handle));
        return 0;
    }
    SurfaceObject* slot = &selectedPen_;
    if (found->second.kind == ObjectKind::Font) slot = &selectedFont_;
    if (found->second.kind == ObjectKind::Brush) slot = &selectedBrush_;
    const SurfaceObject previous = *slot;
    *slot = handle;
    return previous;
}

void RecordingSurface::Delete(SurfaceObject handle) {
    const auto found = objects_.find(handle);
    if (found == objects_.end()) return;
    Object& object = found->second;
    if (object.stock) {
        misuse.push_back("delete of a stock object " + std::to_string(handle));
        return;
    }
    if (handle == selectedPen_ || handle == selectedFont_ || handle == selectedBrush_) {
        misuse.push_back("delete of a selected object " + std::to_string(handle));
    }
    if (object.deleted) misuse.push_back("second delete of " + std::to_string(handle));
    object.deleted = true;
}

void RecordingSurface::MoveTo(int x, int y) {
    currentX_ = x;
    currentY_ = y;
}

void RecordingSurface::LineTo(int x, int y) {
    lines.push_back(Line{currentX_, currentY_, x, y, selectedPen_});
    currentX_ = x;
    currentY_ = y;
}

void RecordingSurface::Rectangle(const SurfaceRect& rect) {
    rectangles.push_back(Filled{rect, selectedPen_, selectedBrush_});
}

void RecordingSurface::TextAt(int x, int y, std::string_view text) {
    texts.push_back(Text{x, y, align_, std::string(text), selectedFont_});
}

void RecordingSurface::ClippedTextAt(int x, int y, const SurfaceRect& clip, std::string_view text) {
    texts.push_back(Text{x, y, align_, std::string(text), selectedFont_, true, clip});
}

int RecordingSurface::PenWidthOf(const Line& line) const {
    const Object& pen = objects_.at(line.pen);
    return pen.stock ? -1 : pen.penWidth;
}

int RecordingSurface::LiveObjects() const {
    int live = 0;
    for (const auto& [handle, object] : objects_) {
        if (!object.stock && !object.deleted) ++live;
    }
    return live;
}

std::vector<RecordingSurface::Text> RecordingSurface::TextsEqualTo(const std::string& text) const {
    std::vector<Text> found;
    for (const Text& t : texts) {
        if (t.text == text) found.push_back(t);
    }
    return found;
}

}  // namespace vorlant::test
