// The lower panel of the main window: the selected publisher's current
// service year as a small ruled table, one row per month from September,
// filled up to the month in which the program was opened.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "render/panel_look.h"
#include "render/service_year.h"
#include "render/surface.h"

namespace vorlant {

class PublisherTable;
class RemarkTable;
class StringSource;

// One card row as the preview shows it; a 0 figure is a blank cell.
struct PreviewMonth {
    bool shared = false;            // shared in the ministry
    std::uint16_t studies = 0;
    bool auxiliaryPioneer = false;
    std::uint16_t hours = 0;        // 0 too where hours are not shown
    std::string remark;
};

struct CardPreviewData {
    int serviceYear = 0;
    int limitRow = 0;  // rows 0 .. limitRow are filled
    std::array<PreviewMonth, kCardRows> rows{};
};

// The preview of publisher `record` for a program opened in the month after
// `reportMonth` of `currentYear`. Hours count only for pioneers of the month
// and field missionaries, as on the printed card. The rows stay empty when
// `record` is no publisher of the table (0 = none selected).
CardPreviewData ReadCardPreviewData(const PublisherTable& table, const RemarkTable& remarks, int record,
                                    int reportMonth, int currentYear);

// Draws the preview into `rect`, with headings from `strings`.
void DrawCardPreview(DrawingSurface& surface, const SurfaceRect& rect, const CardPreviewData& data,
                     const PanelLook& look, const StringSource& strings);

}  // namespace vorlant
