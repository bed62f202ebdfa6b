#include "render/full_card_page.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "common/string_source.h"
#include "common/text.h"
#include "render/primitives.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

// Lengths on the paper in hundredths of an inch.
constexpr int kFormWidth = 700;       // narrower only on paper that has no room for it
constexpr int kSideRoom = 25;         // kept free inside the printable area
constexpr int kTopRoom = 40;
constexpr int kTitleToRule = 36;
constexpr int kRuleToDetails = 16;
constexpr int kDetailPitch = 32;
constexpr int kDetailsToTable = 30;
constexpr int kHeadingHeight = 44;
constexpr int kRowHeight = 45;
constexpr int kLowestRow = 20;        // still a line of the smallest size
constexpr int kPadX = 6;
constexpr int kPadY = 3;
constexpr int kLabelGap = 8;          // between a label and its value
constexpr int kBoxToLabel = 6;        // between a flag's box and its label
constexpr int kFlagGap = 30;          // least space between two flags of a line
constexpr unsigned kCrossBoxDivisor = 10;
constexpr unsigned kTickBoxDivisor = 7;

// Column widths in thousandths of the form.
constexpr std::array<int, kFullCardColumns> kColumnShares{170, 130, 115, 130, 115, 340};
enum Column { kMonth, kShared, kStudies, kAuxiliary, kHours, kRemarks };

// Font sizes in points: the largest first; a text that does not fit takes the next.
constexpr int kTitlePoints = 16;
constexpr int kYearPoints = 12;
constexpr int kNamePoints = 12;
constexpr int kDetailPoints = 10;
constexpr int kHeadingPoints = 9;
constexpr int kFigurePoints = 10;
constexpr int kSmallestPoints = 6;

FontSpec Arial(int points, bool bold, unsigned py, int cardCharset) {
    FontSpec font = ArialFontSpec(points, py, cardCharset);
    if (bold) font.weight = 700;
    return font;
}

// A font of the page, selected for its owner's scope.
class PageFont {
public:
    PageFont(DrawingSurface& surface, const FontSpec& spec)
        : font_(surface, surface.CreateFontObject(spec)), select_(surface, font_.Get()) {}

private:
    SurfaceObjectOwner font_;
    ScopedSurfaceSelect select_;
};

struct TextStyle {
    int points = kFigurePoints;
    bool bold = false;
};

enum class Placement { Left, Centre, Right };

// Draws `text` into `cell`: at the largest size from `style.points` down
// whose lines (no more than `maxLines`) fit the cell, centred between its top
// and bottom; at the smallest size cut at the cell when even that does not.
void FitText(DrawingSurface& surface, const FullCardPage& page, std::string_view text, const SurfaceRect& cell,
             TextStyle style, Placement placement, int maxLines) {
    if (text.empty()) return;
    const unsigned py = surface.PixelsPerInchY();
    const int width = cell.right - cell.left;
    const int height = cell.bottom - cell.top;
    for (int points = style.points;; --points) {
        const PageFont font(surface, Arial(points, style.bold, py, page.cardCharset));
        const auto measure = [&](std::string_view t) { return surface.TextWidth(t); };
        const std::vector<std::string> lines = WrapText(text, width, measure);
        const int lineHeight = surface.FontLineHeight();
        const int count = static_cast<int>(lines.size());
        const bool fits = count <= maxLines && count * lineHeight <= height;
        if (!fits && points > kSmallestPoints) continue;
        surface.SetTextAlign(TextAlign::Left);
        if (!fits) {
            surface.ClippedTextAt(cell.left, cell.top, cell, text);
            return;
        }
        int y = cell.top + (height - count * lineHeight) / 2;
        for (const std::string& line : lines) {
            const int slack = width - surface.TextWidth(line);
            const int x = cell.left + (placement == Placement::Left    ? 0
                                       : placement == Placement::Centre ? slack / 2
                                                                        : slack);
            surface.TextAt(x, y, line);
            y += lineHeight;
        }
        return;
    }
}

// A text of one line whose top is at `y`, from `x` on; returns where it ends.
int TextFrom(DrawingSurface& surface, int x, int y, std::string_view text) {
    surface.SetTextAlign(TextAlign::Left);
    surface.TextAt(x, y, text);
    return x + surface.TextWidth(text);
}

// A flag: the box, a small gap and the label.
int FlagWidth(DrawingSurface& surface, std::string_view label) {
    const unsigned px = surface.PixelsPerInchX();
    return static_cast<int>(px / kCrossBoxDivisor) + DeviceFromHundredths(kBoxToLabel, px) + surface.TextWidth(label);
}

void DrawFlag(DrawingSurface& surface, int x, int lineTop, int lineHeight, std::string_view label, bool marked) {
    const unsigned px = surface.PixelsPerInchX();
    const int boxWidth = static_cast<int>(px / kCrossBoxDivisor);
    const int boxHeight = static_cast<int>(surface.PixelsPerInchY() / kCrossBoxDivisor);
    DrawCrossBox(surface, x + boxWidth, lineTop + (lineHeight + boxHeight) / 2, marked, kCrossBoxDivisor);
    TextFrom(surface, x + boxWidth + DeviceFromHundredths(kBoxToLabel, px), lineTop, label);
}

void DrawTitle(DrawingSurface& surface, const FullCardPage& page, const FullCardGeometry& g,
               const StringSource& strings) {
    const unsigned py = surface.PixelsPerInchY();
    int titleLine = 0;
    int titleRight = 0;
    {
        const PageFont font(surface, Arial(kTitlePoints, true, py, page.cardCharset));
        titleLine = surface.FontLineHeight();
        titleRight = TextFrom(surface, g.left, g.titleTop, strings.Load(IDS_FULL_CARD_TITLE));
    }
    // The year on the title's line, at the form's right.
    const SurfaceRect yearRoom{titleRight + DeviceFromHundredths(kFlagGap, surface.PixelsPerInchX()), g.titleTop, g.right,
                               g.titleTop + titleLine};
    FitText(surface, page, ServiceYearTitle(page.year.serviceYear, strings), yearRoom, {kYearPoints, true},
            Placement::Right, 1);
}

void DrawDetails(DrawingSurface& surface, const FullCardPage& page, const FullCardGeometry& g,
                 const StringSource& strings) {
    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    const PageFont font(surface, Arial(kDetailPoints, false, py, page.cardCharset));
    const int line = surface.FontLineHeight();
    const int labelGap = DeviceFromHundredths(kLabelGap, px);
    const auto label = [&](unsigned id) { return strings.Load(id) + ":"; };

    // The name, set smaller when the longest names would not fit.
    const int nameX = TextFrom(surface, g.left, g.detailTops[0], label(IDS_LABEL_NAME)) + labelGap;
    const int nameTop = g.detailTops[0] - line / 4;
    FitText(surface, page, page.person.name, {nameX, nameTop, g.right, nameTop + line + line / 2},
            {kNamePoints, true}, Placement::Left, 1);

    const auto value = [&](int x, int y, const std::string& text) {
        const PageFont bold(surface, Arial(kDetailPoints, true, py, page.cardCharset));
        TextFrom(surface, x, y, text);
    };
    value(TextFrom(surface, g.left, g.detailTops[1], label(IDS_LABEL_BIRTH_DATE)) + labelGap, g.detailTops[1],
          page.person.birthDate);
    value(TextFrom(surface, g.left, g.detailTops[2], label(IDS_LABEL_BAPTISM_DATE)) + labelGap, g.detailTops[2],
          page.person.baptismDate);

    // Sex over hope in two columns on the right half, in the panel's order.
    const auto& flags = page.person.flags;
    const auto labelOf = [&](std::size_t i) { return strings.Load(flags[i].label); };
    const int firstColumn = g.left + (g.right - g.left) * 55 / 100;
    const int secondColumn = firstColumn + std::max(FlagWidth(surface, labelOf(0)), FlagWidth(surface, labelOf(2))) +
                             DeviceFromHundredths(kFlagGap, px);
    for (std::size_t i = 0; i < 4; ++i) {
        DrawFlag(surface, i % 2 == 0 ? firstColumn : secondColumn, g.detailTops[1 + i / 2], line, labelOf(i),
                 flags[i].marked);
    }
    // The appointment and the pioneer status spread across the whole width.
    int itemsWidth = 0;
    for (std::size_t i = 4; i < flags.size(); ++i) itemsWidth += FlagWidth(surface, labelOf(i));
    const int gaps = static_cast<int>(flags.size()) - 5;
    const int spacing = std::max(DeviceFromHundredths(kFlagGap, px), (g.right - g.left - itemsWidth) / gaps);
    int x = g.left;
    for (std::size_t i = 4; i < flags.size(); ++i) {
        DrawFlag(surface, x, g.detailTops[3], line, labelOf(i), flags[i].marked);
        x += FlagWidth(surface, labelOf(i)) + spacing;
    }
}

void DrawRules(DrawingSurface& surface, const FullCardGeometry& g) {
    const int thin = std::max(HairlineWidth(surface.PixelsPerInchX()), HairlineWidth(surface.PixelsPerInchY()));
    const SurfaceObjectOwner thinPen(surface, surface.CreateSolidPen(thin, DrawingSurface::kBlack));
    const SurfaceObjectOwner thickPen(surface, surface.CreateSolidPen(2 * thin, DrawingSurface::kBlack));
    const int bottom = g.RowTop(kTotalRow + 1);
    const auto line = [&](int x1, int y1, int x2, int y2) {
        surface.MoveTo(x1, y1);
        surface.LineTo(x2, y2);
    };
    {
        const ScopedSurfaceSelect select(surface, thinPen.Get());
        for (int row = 1; row < kTotalRow; ++row) line(g.left, g.RowTop(row), g.right, g.RowTop(row));
        for (int k = 1; k < kFullCardColumns; ++k) line(g.columnEdges[k], g.tableTop, g.columnEdges[k], bottom);
    }
    const ScopedSurfaceSelect select(surface, thickPen.Get());
    line(g.left, g.titleRuleY, g.right, g.titleRuleY);
    // The frame, the headings' lower line and the total's upper one.
    line(g.left, g.tableTop, g.right, g.tableTop);
    line(g.right, g.tableTop, g.right, bottom);
    line(g.right, bottom, g.left, bottom);
    line(g.left, bottom, g.left, g.tableTop);
    line(g.left, g.headingBottom, g.right, g.headingBottom);
    line(g.left, g.RowTop(kTotalRow), g.right, g.RowTop(kTotalRow));
}

// The cell without the space kept from its lines.
SurfaceRect Inside(const SurfaceRect& cell, const FullCardGeometry& g) {
    return {cell.left + g.padX, cell.top + g.padY, cell.right - g.padX, cell.bottom - g.padY};
}

void DrawTable(DrawingSurface& surface, const FullCardPage& page, const FullCardGeometry& g,
               const StringSource& strings) {
    const std::string headings = strings.Load(IDS_FULL_CARD_HEADINGS);
    std::size_t start = 0;
    for (int column = 0; column < kFullCardColumns; ++column) {
        const std::size_t end = std::min(headings.find('|', start), headings.size());
        const SurfaceRect cell{g.columnEdges[column], g.tableTop, g.columnEdges[column + 1], g.headingBottom};
        FitText(surface, page, std::string_view(headings).substr(start, end - start), Inside(cell, g),
                {kHeadingPoints, true}, Placement::Centre, 3);
        start = std::min(end + 1, headings.size());
    }

    const unsigned px = surface.PixelsPerInchX();
    const unsigned py = surface.PixelsPerInchY();
    const auto box = [&](int row, int column, bool marked) {
        const SurfaceRect cell = g.Cell(row, column);
        const int w = static_cast<int>(px / kTickBoxDivisor);
        const int h = static_cast<int>(py / kTickBoxDivisor);
        DrawTickBox(surface, (cell.left + cell.right + w) / 2, (cell.top + cell.bottom + h) / 2, marked,
                    kTickBoxDivisor);
    };
    for (int row = 0; row < kCardRows; ++row) {
        FitText(surface, page, FullMonthName(row, strings), Inside(g.Cell(row, kMonth), g), {kFigurePoints, false},
                Placement::Left, 1);
        if (!page.rowFilled[static_cast<std::size_t>(row)]) continue;
        const CardMonth& cell = page.year.rows[static_cast<std::size_t>(row)];
        box(row, kShared, cell.shared);
        FitText(surface, page, FigureText(cell.studies), Inside(g.Cell(row, kStudies), g), {kFigurePoints, false},
                Placement::Right, 1);
        box(row, kAuxiliary, cell.auxiliaryPioneer);
        FitText(surface, page, FigureText(cell.hours), Inside(g.Cell(row, kHours), g), {kFigurePoints, false},
                Placement::Right, 1);
        FitText(surface, page, cell.remark, Inside(g.Cell(row, kRemarks), g), {kFigurePoints, false}, Placement::Left,
                3);
    }
    FitText(surface, page, strings.Load(IDS_PREVIEW_TOTAL), Inside(g.Cell(kTotalRow, kMonth), g),
            {kFigurePoints, true}, Placement::Left, 1);
    const long total = TotalHours(page.year, page.rowFilled);
    if (total != 0) {
        FitText(surface, page, std::to_string(total), Inside(g.Cell(kTotalRow, kHours), g), {kFigurePoints, true},
                Placement::Right, 1);
    }
}

}  // namespace

SurfaceRect FullCardGeometry::Cell(int row, int column) const {
    return {columnEdges[static_cast<std::size_t>(column)], RowTop(row),
            columnEdges[static_cast<std::size_t>(column) + 1], RowTop(row + 1)};
}

FullCardGeometry ComputeFullCardGeometry(unsigned px, unsigned py, int printableWidth, int printableHeight) {
    FullCardGeometry g;
    const int width = std::min(DeviceFromHundredths(kFormWidth, px), printableWidth - 2 * DeviceFromHundredths(kSideRoom, px));
    g.left = (printableWidth - width) / 2;
    g.right = g.left + width;
    g.titleTop = DeviceFromHundredths(kTopRoom, py);
    g.titleRuleY = g.titleTop + DeviceFromHundredths(kTitleToRule, py);
    for (std::size_t i = 0; i < g.detailTops.size(); ++i) {
        g.detailTops[i] = g.titleRuleY + DeviceFromHundredths(kRuleToDetails + kDetailPitch * static_cast<int>(i), py);
    }
    g.tableTop = g.detailTops.back() + DeviceFromHundredths(kDetailPitch + kDetailsToTable - kRuleToDetails, py);
    g.headingBottom = g.tableTop + DeviceFromHundredths(kHeadingHeight, py);
    // A4 and Letter leave room to spare; shorter paper gets lower rows.
    const int room = printableHeight - g.headingBottom - DeviceFromHundredths(kSideRoom, py);
    g.rowHeight = std::max(DeviceFromHundredths(kLowestRow, py), std::min(DeviceFromHundredths(kRowHeight, py), room / (kTotalRow + 1)));
    int share = 0;
    for (int k = 0; k <= kFullCardColumns; ++k) {
        g.columnEdges[static_cast<std::size_t>(k)] = g.left + width * share / 1000;
        if (k < kFullCardColumns) share += kColumnShares[static_cast<std::size_t>(k)];
    }
    g.padX = DeviceFromHundredths(kPadX, px);
    g.padY = DeviceFromHundredths(kPadY, py);
    return g;
}

std::string ServiceYearTitle(int serviceYear, const StringSource& strings) {
    return FillIn(strings.Load(IDS_FULL_CARD_YEAR), {std::to_string(serviceYear - 1), std::to_string(serviceYear)});
}

std::string FullMonthName(int row, const StringSource& strings) {
    // The names are kept as they stand in a sentence; the table begins them
    // with a capital. Every month's name begins with a plain letter.
    std::string name = strings.Load(IDS_MONTH_FULL_BASE + static_cast<unsigned>(MonthOfRow(row)));
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

long TotalHours(const CardYear& year, const std::array<bool, kCardRows>& rowFilled) {
    long total = 0;
    for (std::size_t row = 0; row < year.rows.size(); ++row) {
        if (rowFilled[row]) total += year.rows[row].hours;
    }
    return total;
}

std::vector<std::string> WrapText(std::string_view text, int width,
                                  const std::function<int(std::string_view)>& measure) {
    std::vector<std::string> lines;
    const auto continues = [&](std::size_t i) {
        return i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    };
    while (!text.empty()) {
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        if (text.empty()) break;
        // The longest start that fits, whole letters only; at least one letter.
        std::size_t fit = 0;
        for (std::size_t end = 1; end <= text.size(); ++end) {
            if (continues(end)) continue;
            if (fit != 0 && measure(text.substr(0, end)) > width) break;
            fit = end;
        }
        std::size_t cut = fit;
        if (fit < text.size()) {
            std::size_t blank = text.substr(0, fit + 1).rfind(' ');
            // A word of one letter ("w", "z") goes to the next line with the word it belongs to.
            const std::size_t before = blank != std::string_view::npos && blank > 0 ? text.rfind(' ', blank - 1)
                                                                                    : std::string_view::npos;
            if (before != std::string_view::npos && before > 0 && blank - before == 2) blank = before;
            if (blank != std::string_view::npos && blank > 0) cut = blank;
        }
        std::string_view line = text.substr(0, cut);
        while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(cut);
    }
    return lines;
}

void ComposeFullCardPage(DrawingSurface& surface, const FullCardPage& page, const StringSource& strings) {
    surface.SetTextMapping();
    surface.SetTransparentBackground();
    const FullCardGeometry g = ComputeFullCardGeometry(surface.PixelsPerInchX(), surface.PixelsPerInchY(),
                                                       page.printableWidth, page.printableHeight);
    DrawRules(surface, g);
    DrawTitle(surface, page, g, strings);
    DrawDetails(surface, page, g, strings);
    DrawTable(surface, page, g, strings);
}

}  // namespace vorlant
