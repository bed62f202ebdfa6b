// The fields of the detailed layout dialog: which edit shows which slot of
// the card layout, which of them the user sees, and what OK hands back.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "layout/card_layout.h"

namespace vorlant {

struct LayoutField {
    int editId = 0;
    std::size_t offset = 0;   // of the 8-byte slot in the CardLayout
    bool shown = false;       // the header items and two columns stay hidden
};

inline constexpr std::size_t kLayoutFieldCount = 2 * card_layout::kHeaderItems + 2 + card_layout::kColumns;

const std::array<LayoutField, kLayoutFieldCount>& LayoutFields();

// The texts of the fields, in the order of LayoutFields().
using LayoutFieldTexts = std::array<std::string, kLayoutFieldCount>;

LayoutFieldTexts FieldTextsOf(const CardLayout& layout);

// Normalises the texts of the fields the user sees, as leaving each field
// would; the hidden ones pass through as they are. The index of the first
// field whose text is rejected (the texts before it are normalised), or
// nothing when all are accepted.
std::optional<std::size_t> NormalizeShownFields(LayoutFieldTexts& texts);

// Copies every text into its slot, at most 7 characters each; the bytes of
// no other slot change.
void StoreFieldTexts(const LayoutFieldTexts& texts, CardLayout& layout);

}  // namespace vorlant
