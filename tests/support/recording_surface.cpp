#include "support/recording_surface.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace vorlant::test {

RecordingSurface::RecordingSurface(unsigned pixelsPerInchX, unsigned pixelsPerInchY)
    : ppiX_(pixelsPerInchX), ppiY_(pixelsPerInchY) {
    // A device context starts with the system's black pen, font and white brush selected.
    for (const Slot slot : {kPen, kFont, kBrush}) {
        selected_[slot] = Add({slot, true, false, 0, {.faceName = slot == kFont ? "System" : ""}, {}});
    }
}

SurfaceObject RecordingSurface::CreateSolidPen(int width, std::uint32_t) {
    if (std::ranges::find(refusedPenWidths, width) != refusedPenWidths.end()) return 0;
    return Add({kPen, false, false, width, {}, {}});
}

SurfaceObject RecordingSurface::StockObject(StockObjectKind kind) {
    for (const auto& [handle, object] : objects_) {
        if (object.stockKind == kind) return handle;
    }
    const bool brush = kind == StockObjectKind::LightGrayBrush;
    return Add({brush ? kBrush : kPen, true, false, kind == StockObjectKind::NullPen ? -1 : 0, {}, kind});
}

SurfaceObject RecordingSurface::Select(SurfaceObject handle) {
    // As in GDI, selecting the null object (or an unknown one) fails and changes nothing.
    const auto found = objects_.find(handle);
    if (found == objects_.end()) return 0;
    if (found->second.deleted) misuse_.push_back("select of deleted " + std::to_string(handle));
    return found->second.deleted ? 0 : std::exchange(selected_[found->second.slot], handle);
}

void RecordingSurface::Delete(SurfaceObject handle) {
    const auto found = objects_.find(handle);
    if (found == objects_.end()) return;
    const std::string what = std::to_string(handle);
    if (found->second.stock) misuse_.push_back("delete of stock " + what);
    if (std::ranges::count(selected_, handle) != 0) misuse_.push_back("delete of selected " + what);
    if (found->second.deleted) misuse_.push_back("second delete of " + what);
    found->second.deleted = !found->second.stock;
}

void RecordingSurface::LineTo(int x, int y) {
    lines.push_back({at_[0], at_[1], x, y, objects_.at(selected_[kPen]).penWidth});
    MoveTo(x, y);
}

int RecordingSurface::FontLineHeight() {
    const auto found = objects_.find(selected_[kFont]);
    if (found == objects_.end()) return 0;
    const int height = found->second.font.height;
    // A negative height is the em, a positive one the line.
    return height >= 0 ? height : (-height * (1854 + 434) + 1024) / 2048;
}

int RecordingSurface::WidthIn(const FontSpec& font, std::string_view text) {
    const int em = font.height < 0 ? -font.height : font.height * 2048 / (1854 + 434);
    int thousandths = 0;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) == 0x80) continue;  // the rest of a letter of several bytes
        if (b >= 0x80) thousandths += 722;
        else if (std::string_view(" .,:;!'|iljI").find(c) != std::string_view::npos) thousandths += 278;
        else if (std::string_view("-/()frt").find(c) != std::string_view::npos) thousandths += 333;
        else if (c == 'W') thousandths += 944;
        else if (c == 'm' || c == 'M') thousandths += 833;
        else if ((c >= 'A' && c <= 'Z') || c == 'w') thousandths += 722;
        else thousandths += 556;
    }
    return (thousandths * em + 999) / 1000;
}

std::vector<RecordingSurface::Text> RecordingSurface::TextsEqualTo(const std::string& text) const {
    std::vector<Text> found;
    std::ranges::copy_if(texts, std::back_inserter(found), [&](const Text& t) { return t.text == text; });
    return found;
}

std::vector<std::string> RecordingSurface::Leftovers() const {
    std::vector<std::string> wrong = misuse_;
    for (const auto& [handle, object] : objects_) {
        if (!object.stock && !object.deleted) wrong.push_back("never deleted " + std::to_string(handle));
    }
    for (const Slot slot : {kPen, kFont, kBrush}) {
        if (selected_[slot] != slot + 1u) wrong.push_back("not selected back: slot " + std::to_string(slot));
    }
    return wrong;
}

}  // namespace vorlant::test
