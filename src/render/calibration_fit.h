// The test page read back: where a card's lines cross the page's scales,
// typed in as readings, and the settings that put the next page's zeros on
// those lines. The arithmetic inverts the page's own geometry (the rows'
// whole-dot height, the figures centred in a row of that height) at the
// resolution of the printer the page came from.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "layout/card_layout.h"
#include "render/calibration_page.h"

namespace vorlant {

// The scales in the order of the readings: the September and the August
// row, then the five columns of the page. A reading is a whole number of
// hundredths of an inch, plus where the card's line lies lower (or further
// right) than the scale's 0.
inline constexpr std::size_t kReadingCount = 7;
using Readings = std::array<int, kReadingCount>;

// Whether a reading lies on its scale (no further than its end value).
bool WithinReach(int reading);

// What the page's geometry depends on besides the layout: the printer's
// pixels per inch and the figures font's line there.
struct PrinterResolution {
    unsigned px = 0;
    unsigned py = 0;
    int figuresLine = 0;
};

// The figures font's line at `py` as Arial's metrics give it: for a printer
// that cannot be asked.
int ArialFiguresLine(unsigned py);

// The zeros of a page printed with `layout`, without margins (they move
// every zero alike, and the readings leave them as they are).
CardLines CalibrationZeros(const CardLayout& layout, const PrinterResolution& printer);

// The setting a reading changes: its layout slot, its value now and after
// the readings. `inRange` is false when the new value would leave the
// lengths a field takes (0.00 to 9.99).
struct SettingChange {
    std::size_t slot = 0;
    unsigned label = 0;   // the setting's name in the string table
    std::string now;
    std::string after;
    bool inRange = true;
    bool operator==(const SettingChange&) const = default;
};

// What the readings change, one setting per scale. Each column moves by its
// reading. "Start (Wrzesień)" and "Owoc Wysokość" are chosen together so
// that the next page's September zero lands on the line the September scale
// read (as near as a hundredth of the start allows) and its August zero on
// the line the August scale read (as near as rows of whole dots allow: the
// row height closest to a twelfth of the read distance, then the start
// that the figures centred in rows of that height need). A setting not
// moved keeps its text as it is.
std::array<SettingChange, kReadingCount> ReadingChanges(const CardLayout& layout, const Readings& readings,
                                                        const PrinterResolution& printer);

// Stores the new values in their slots; the bytes of no other slot change.
void ApplyReadingChanges(const std::array<SettingChange, kReadingCount>& changes, CardLayout& layout);

}  // namespace vorlant
