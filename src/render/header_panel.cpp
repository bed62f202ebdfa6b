#include "render/header_panel.h"

#include <array>
#include <optional>

#include "common/language.h"
#include "common/string_source.h"
#include "data/extended_details.h"
#include "render/primitives.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

using namespace publisher_record;

constexpr unsigned kCrossBoxDivisor = 10;  // boxes of 1/10 inch
constexpr int kBoxColumns = 7;

// One yes/no item: its text line (6, 11 or 16 rows down), its box column
// and its label.
struct BoxItem {
    int line;
    int column;
    unsigned label;
    bool (*marked)(const HeaderPanelData&);
};

bool Baptised(const HeaderPanelData& d) { return d.baptismDate.size() >= 5; }
// With both sex bits set the record counts as female.
bool Female(const HeaderPanelData& d) { return (d.personFlags & kFemaleFlag) != 0; }
bool Male(const HeaderPanelData& d) { return (d.personFlags & kMaleFlag) != 0 && !Female(d); }
int Appointment(const HeaderPanelData& d) { return d.personFlags & kAppointmentMask; }

// In drawing order; each box is drawn before its label.
constexpr std::array<BoxItem, kHeaderFlagCount> kBoxes{{
    {6, 0, IDS_LABEL_MALE, Male},
    {6, 1, IDS_LABEL_FEMALE, Female},
    {11, 0, IDS_LABEL_OTHER_SHEEP, [](const HeaderPanelData& d) { return Baptised(d) && d.hope != kAnointed; }},
    {11, 1, IDS_LABEL_ANOINTED, [](const HeaderPanelData& d) { return Baptised(d) && d.hope == kAnointed; }},
    {16, 2, IDS_LABEL_ELDER, [](const HeaderPanelData& d) { return Appointment(d) == 2; }},
    {16, 3, IDS_LABEL_SERVANT, [](const HeaderPanelData& d) { return Appointment(d) == 1; }},
    {16, 4, IDS_LABEL_REGULAR_PIONEER,
     [](const HeaderPanelData& d) { return d.reportMonthStatus == PioneerStatus::Regular; }},
    {16, 5, IDS_LABEL_SPECIAL_PIONEER,
     [](const HeaderPanelData& d) { return d.reportMonthStatus == PioneerStatus::Special; }},
    {16, 6, IDS_LABEL_FIELD_MISSIONARY, [](const HeaderPanelData& d) { return d.fieldMissionary; }},
}};

}  // namespace

HeaderPanelData ReadHeaderPanelFlags(const PublisherTable& table, int record, int reportMonth,
                                     std::uint8_t reportYearByte) {
    HeaderPanelData data;
    if (!table.IsPublisher(record)) return data;
    data.hope = table.Hope(record);
    data.personFlags = table.PersonFlags(record);
    data.reportMonthStatus = table.MonthStatus(record, reportMonth, reportYearByte % 2);
    data.fieldMissionary = table.IsFieldMissionary(record);
    return data;
}

std::array<HeaderFlag, kHeaderFlagCount> HeaderPanelFlags(const HeaderPanelData& data) {
    std::array<HeaderFlag, kHeaderFlagCount> flags{};
    for (std::size_t i = 0; i < kBoxes.size(); ++i) flags[i] = {kBoxes[i].label, kBoxes[i].marked(data)};
    return flags;
}

std::string HeaderPanelName(PublisherTable& table, ExtendedDetails& details, int record, std::string composedName) {
    if (!table.IsPublisher(record)) return composedName;
    const unsigned found = details.Lookup(table, record);
    if (found != 0 && !details.LongName().empty()) return std::string(details.LongName());
    return composedName;
}

void DrawHeaderPanel(DrawingSurface& surface, const SurfaceRect& rect, const HeaderPanelData& data,
                     const PanelLook& look, const StringSource& strings) {
    const SurfaceObjectOwner font(surface, CreatePanelFont(surface, look.dialogFont, look.cardCharset));
    std::optional<ScopedSurfaceSelect> selectFont;
    if (!PanelKeepsContextFont(look.languageCode)) selectFont.emplace(surface, font.Get());
    surface.SetTransparentBackground();
    surface.SetTextAlign(TextAlign::Left);

    const int L = rect.left;
    const int T = rect.top;
    const int R = rect.right;
    const int B = rect.bottom;
    const int rowH = (B + T + 1) / 19;
    const int x0 = L + R / 40;
    const int width = R - R / 40 + L;
    const int labelGap = width / (LabelsNearTheirBoxes(look.languageCode) ? 130 : 80);

    const std::string percents = strings.Load(IDS_HEADER_BOX_PERCENTS);
    std::array<int, kBoxColumns> columnX{};
    for (int k = 0; k < kBoxColumns; ++k) {
        columnX[k] = x0 + static_cast<int>(NumberAt(percents, 3 * static_cast<std::size_t>(k), 2)) * width / 100;
    }
    const auto lineY = [&](int line) { return T + line * rowH; };
    const auto labelled = [&](unsigned label, const std::string& value) {
        return strings.Load(label) + ":  " + value;
    };

    const auto drawBoxes = [&](int line) {
        for (const BoxItem& box : kBoxes) {
            if (box.line != line) continue;
            const int x = columnX[box.column];
            const int y = lineY(line);
            DrawCrossBox(surface, x, y + 3 * rowH - rowH / 2, box.marked(data), kCrossBoxDivisor);
            surface.TextAt(x + labelGap, y, strings.Load(box.label));
        }
    };

    surface.TextAt(x0, lineY(1), labelled(IDS_LABEL_NAME, data.name));
    surface.TextAt(x0, lineY(6), labelled(IDS_LABEL_BIRTH_DATE, data.birthDate));
    drawBoxes(6);
    surface.TextAt(x0, lineY(11), labelled(IDS_LABEL_BAPTISM_DATE, data.baptismDate));
    drawBoxes(11);
    drawBoxes(16);
}

}  // namespace vorlant
