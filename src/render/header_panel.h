// The upper panel of the main window: the selected publisher's personal
// details as they stand in the head of the record card, each yes/no item a
// box with a cross.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/publisher_table.h"
#include "render/panel_look.h"
#include "render/surface.h"

namespace vorlant {

class ExtendedDetails;
class StringSource;

struct HeaderPanelData {
    std::string name;
    std::string birthDate;    // as formatted for the user
    std::string baptismDate;  // fewer than 5 characters: not baptised
    std::uint8_t hope = 0;    // 'A': anointed
    std::uint8_t personFlags = 0;
    PioneerStatus reportMonthStatus = PioneerStatus::Publisher;
    bool fieldMissionary = false;
};

// The flags of publisher `record` for the panel, the pioneer status that of
// the report month in its own year slot; the texts are left to the caller.
// All zero when `record` is no publisher of the table (0 = none selected).
HeaderPanelData ReadHeaderPanelFlags(const PublisherTable& table, int record, int reportMonth,
                                     std::uint8_t reportYearByte);

// A yes/no item of the panel: its label's string and whether its box is
// marked, in the panel's order (Mężczyzna, Kobieta, the hope, the
// appointment, the pioneer and missionary status).
struct HeaderFlag {
    unsigned label = 0;
    bool marked = false;
};
inline constexpr std::size_t kHeaderFlagCount = 9;
std::array<HeaderFlag, kHeaderFlagCount> HeaderPanelFlags(const HeaderPanelData& data);

// The name the panel shows: the long name of the extended details when they
// have one, else `composedName`. Looks
// the details up on every call, as they may have changed on disk.
std::string HeaderPanelName(PublisherTable& table, ExtendedDetails& details, int record, std::string composedName);

// Draws the panel into `rect`, with labels from `strings`. Only texts and
// boxes: the background stays as the window system erased it.
void DrawHeaderPanel(DrawingSurface& surface, const SurfaceRect& rect, const HeaderPanelData& data,
                     const PanelLook& look, const StringSource& strings);

}  // namespace vorlant
