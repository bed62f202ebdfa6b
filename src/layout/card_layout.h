// The card layout: where each figure of a card version is printed. 400 bytes
// of fifty 8-byte text slots, each a length in inches such as "2.62"; the
// same 400 bytes are the layout file of the version.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "layout/length.h"  // the slots hold lengths

namespace vorlant {

class StringSource;

namespace card_layout {
inline constexpr std::size_t kSize = 400;
inline constexpr std::size_t kSlotSize = 8;          // at most 7 characters and a NUL
inline constexpr std::size_t kHeaderPos = 0;         // pair k: x at 16k, y at 16k + 8
inline constexpr int kHeaderItems = 12;
inline constexpr std::size_t kMonthlyTop = 320;
inline constexpr std::size_t kMonthlyHeight = 328;
inline constexpr std::size_t kColumnX = 336;         // column j at 336 + 8j
inline constexpr int kColumns = 7;
inline constexpr int kVersionsWithDefaults = 5;      // default tables of versions 0..4
inline constexpr std::size_t HeaderX(int k) { return kHeaderPos + 16 * static_cast<std::size_t>(k); }
inline constexpr std::size_t HeaderY(int k) { return HeaderX(k) + kSlotSize; }
inline constexpr std::size_t ColumnX(int j) { return kColumnX + kSlotSize * static_cast<std::size_t>(j); }
}  // namespace card_layout

class CardLayout {
public:
    // Clears the layout and fills the 33 used slots from the default strings
    // of card `version`; a version without a default table of its own takes
    // those of version 0.
    void LoadDefaults(int version, const StringSource& strings);

    // Reads the version's layout file from `folder`; true only when a whole
    // 400-byte block was read.
    bool ReadFile(int version, std::string_view folder = {});

    // Writes the 400 bytes as the version's layout file, replacing an old
    // file only once the new one is complete. False when it could not be
    // written; the old file is then left as it was.
    bool WriteFile(int version, std::string_view folder = {}) const;

    // The layout file of the version, or its defaults when there is no
    // whole file.
    void LoadOrDefault(int version, const StringSource& strings, std::string_view folder = {});

    // The text of the 8-byte slot at `offset` (at most 7 characters).
    std::string_view Slot(std::size_t offset) const;
    // Stores at most 7 characters of `text` in the slot, zero-padded.
    void SetSlot(std::size_t offset, std::string_view text);

    std::string_view MonthlyTop() const { return Slot(card_layout::kMonthlyTop); }
    std::string_view MonthlyHeight() const { return Slot(card_layout::kMonthlyHeight); }
    std::string_view ColumnX(int j) const { return Slot(card_layout::ColumnX(j)); }

    ConstByteSpan Bytes() const { return bytes_; }
    ByteSpan Bytes() { return bytes_; }

    bool operator==(const CardLayout&) const = default;

private:
    std::array<std::uint8_t, card_layout::kSize> bytes_{};
};

// "cplot.dat" for version 0, "cplot<v>.dat" for the others.
std::string LayoutFileName(int version);

}  // namespace vorlant
