#include "dialogs/layout_fields.h"

#include "layout/length.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

// Columns 4 and 5 (return visits, studies) are stored but not printed.
constexpr bool ColumnShown(int j) { return j != 4 && j != 5; }

constexpr std::array<LayoutField, kLayoutFieldCount> MakeFields() {
    std::array<LayoutField, kLayoutFieldCount> fields{};
    std::size_t i = 0;
    for (int k = 0; k < card_layout::kHeaderItems; ++k) {
        fields[i++] = {IDC_LAY_HEADER_X_FIRST + k, card_layout::HeaderX(k), false};
        fields[i++] = {IDC_LAY_HEADER_Y_FIRST + k, card_layout::HeaderY(k), false};
    }
    fields[i++] = {IDC_LAY_MONTHLY_TOP, card_layout::kMonthlyTop, true};
    fields[i++] = {IDC_LAY_MONTHLY_HEIGHT, card_layout::kMonthlyHeight, true};
    for (int j = 0; j < card_layout::kColumns; ++j) {
        fields[i++] = {IDC_LAY_COLUMN_FIRST + j, card_layout::ColumnX(j), ColumnShown(j)};
    }
    return fields;
}

constexpr std::array<LayoutField, kLayoutFieldCount> kFields = MakeFields();

}  // namespace

const std::array<LayoutField, kLayoutFieldCount>& LayoutFields() { return kFields; }

LayoutFieldTexts FieldTextsOf(const CardLayout& layout) {
    LayoutFieldTexts texts;
    for (std::size_t i = 0; i < kFields.size(); ++i) texts[i] = std::string(layout.Slot(kFields[i].offset));
    return texts;
}

std::optional<std::size_t> NormalizeShownFields(LayoutFieldTexts& texts) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].shown && !NormalizeLength(texts[i])) return i;
    }
    return std::nullopt;
}

void StoreFieldTexts(const LayoutFieldTexts& texts, CardLayout& layout) {
    for (std::size_t i = 0; i < kFields.size(); ++i) layout.SetSlot(kFields[i].offset, texts[i]);
}

}  // namespace vorlant
