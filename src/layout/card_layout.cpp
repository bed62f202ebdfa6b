#include "layout/card_layout.h"

#include <algorithm>

#include "common/file.h"
#include "common/string_source.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

// The version whose default strings are read: a version without a default
// table of its own (the caller should never pass one) takes those of
// version 0, like a card version that the resources do not offer.
unsigned DefaultTableBase(int version) {
    const int table = version >= 0 && version < card_layout::kVersionsWithDefaults ? version : 0;
    return IDS_DEFAULT_VERSION_STEP * static_cast<unsigned>(table);
}

}  // namespace

void CardLayout::LoadDefaults(int version, const StringSource& strings) {
    using namespace card_layout;
    bytes_.fill(0);
    const unsigned base = DefaultTableBase(version);
    for (int k = 0; k < kHeaderItems; ++k) {
        const auto item = static_cast<unsigned>(k);
        SetSlot(HeaderX(k), strings.Load(IDS_DEFAULT_HEADER_X_BASE + base + item));
        SetSlot(HeaderY(k), strings.Load(IDS_DEFAULT_HEADER_Y_BASE + base + item));
    }
    SetSlot(kMonthlyTop, strings.Load(IDS_DEFAULT_MONTHLY_TOP + base));
    SetSlot(kMonthlyHeight, strings.Load(IDS_DEFAULT_MONTHLY_HEIGHT + base));
    for (int j = 0; j < kColumns; ++j) {
        SetSlot(card_layout::ColumnX(j),
                strings.Load(IDS_DEFAULT_COLUMN_X_BASE + base + static_cast<unsigned>(j)));
    }
}

bool CardLayout::ReadFile(int version, std::string_view folder) {
    bytes_.fill(0);
    const UniqueFile file = OpenForReading(PathIn(folder, LayoutFileName(version)));
    if (!file) return false;
    return ReadUpTo(file.get(), bytes_.data(), bytes_.size()) == bytes_.size();
}

bool CardLayout::WriteFile(int version, std::string_view folder) const {
    return WriteWholeFile(PathIn(folder, LayoutFileName(version)), bytes_.data(), bytes_.size());
}

void CardLayout::LoadOrDefault(int version, const StringSource& strings, std::string_view folder) {
    if (!ReadFile(version, folder)) LoadDefaults(version, strings);
}

std::string_view CardLayout::Slot(std::size_t offset) const {
    return TextField(bytes_, offset, card_layout::kSlotSize);
}

void CardLayout::SetSlot(std::size_t offset, std::string_view text) {
    using card_layout::kSlotSize;
    if (offset > bytes_.size() || bytes_.size() - offset < kSlotSize) return;
    const std::size_t length = std::min({text.size(), text.find('\0'), kSlotSize - 1});
    auto* slot = bytes_.data() + offset;
    std::fill(slot, slot + kSlotSize, std::uint8_t{0});
    std::copy_n(text.begin(), length, slot);
}

std::string LayoutFileName(int version) {
    if (version == 0) return "cplot.dat";
    return "cplot" + std::to_string(version) + ".dat";
}

}  // namespace vorlant
