// The main window at the display's scale (also 120, 144 and 192 pixels per inch: tests/ui/CMakeLists.txt): the
// dialog and its panels grow with it, the preview's tick boxes stay in the middle of their rows, and every text of
// the panels, in the dialog's font at that scale, stays inside its cell. A picture of the window is kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "render/card_preview.h"
#include "render/header_panel.h"
#include "resources/resource.h"
#include "support/drawn_boxes.h"
#include "support/rc_strings.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

// The client sizes at 96 pixels per inch, in pixels, as Wine draws them.
struct Part { const char* what; int id; SIZE at96; };
constexpr Part kParts[] = {{"main dialog", 0, {954, 467}}, {"header panel", IDC_HEADER_PANEL, {734, 98}},
                           {"card preview", IDC_CARD_PREVIEW, {700, 249}}};

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The dialog template's font at `ppi` in the card's character set, as the panels draw with it.
class PanelFont {
public:
    explicit PanelFont(unsigned ppi)
        : font_(CreateFontA(-MulDiv(10, static_cast<int>(ppi), 72), 0, 0, 0, 0, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0,
                            0, "MS Sans Serif")),
          previous_(SelectObject(dc_, font_)) {}
    ~PanelFont() { DeleteObject(SelectObject(dc_, previous_)); DeleteDC(dc_); }
    PanelFont(const PanelFont&) = delete;
    PanelFont& operator=(const PanelFont&) = delete;

    SIZE Extent(const std::string& utf8) const {
        const std::wstring text = winauto::Wide(utf8);
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }

private:
    HDC dc_ = CreateCompatibleDC(nullptr);
    HFONT font_;
    HGDIOBJ previous_;
};

// Texts that overflow their cell or a neighbour on their line, boxes out of their row or off its middle.
using Problems = std::vector<std::string>;

struct Span { int left, right; std::string what; };

// Spans on one line that overlap or leave [0, width).
void CheckLine(std::vector<Span> spans, int width, Problems& wrong) {
    std::ranges::sort(spans, {}, &Span::left);
    for (std::size_t k = 0; k < spans.size(); ++k) {
        const int end = k + 1 < spans.size() ? spans[k + 1].left : width;
        if (spans[k].left < 0 || spans[k].right > end) wrong.push_back(spans[k].what + " overlaps or is cut");
    }
}

Problems CheckHeader(const test::RecordingSurface& drawing, const SIZE& size, const PanelFont& font) {
    Problems wrong;
    const auto boxes = test::DrawnBoxes(drawing);
    std::map<int, std::vector<Span>> lines;  // by the texts' tops
    std::size_t label = 0;
    for (const auto& text : drawing.texts) {
        const SIZE extent = font.Extent(text.text);
        lines[text.y].push_back({text.x, text.x + extent.cx, text.text});
        if (text.y + extent.cy > size.cy) wrong.push_back(text.text + " below the panel");
        if (text.text.find(":  ") != std::string::npos || label >= boxes.size()) continue;
        const test::DrawnBox& box = boxes[label++];  // each label follows its box
        lines[text.y].push_back({box.right - box.width, box.right + 1, "the box of " + text.text});
    }
    for (auto& [top, spans] : lines) CheckLine(spans, size.cx, wrong);
    if (label != boxes.size()) wrong.push_back("labels and boxes do not pair");
    return wrong;
}

Problems CheckPreview(const test::RecordingSurface& drawing, const SIZE& size, const PanelFont& font) {
    Problems wrong;
    std::vector<int> columns{0}, rows{0};  // the rules' places, and the panel's edges
    for (const auto& line : drawing.lines) {  // the rules run from the panel's top and left edge
        if (line.x1 == line.x2 && line.y1 == 0) columns.push_back(line.x1);
        if (line.y1 == line.y2 && line.x1 == 0 && line.x2 == size.cx) rows.push_back(line.y1);
    }
    columns.push_back(size.cx);
    rows.push_back(size.cy);
    std::ranges::sort(columns);
    if (rows.size() != 15 || columns.size() != 7) return {"the rules"};
    const auto cellOf = [](const std::vector<int>& edges, int at) {
        return std::ranges::upper_bound(edges, at) - edges.begin() - 1;
    };
    for (const auto& text : drawing.texts) {
        const SIZE extent = font.Extent(text.text);
        const int left = text.align == TextAlign::Right ? text.x - extent.cx : text.x;
        const auto column = cellOf(columns, text.align == TextAlign::Right ? text.x - 1 : text.x);
        const auto row = cellOf(rows, text.y);
        if (left <= columns[column] || left + extent.cx > columns[column + 1] ||
            text.y + extent.cy > rows[row + 1] + 1) {
            wrong.push_back(text.text + " out of its cell");
        }
    }
    const auto boxes = test::DrawnBoxes(drawing);
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const test::DrawnBox& box = boxes[k];
        const int top = rows[k / 2 + 1], bottom = rows[k / 2 + 2];  // below the heading band, two a row
        const int offMiddle = std::abs(2 * box.bottom - box.height - top - bottom) / 2;
        if (box.bottom - box.height <= top || box.bottom >= bottom || offMiddle > (bottom - top) / 6) {
            wrong.push_back("box " + std::to_string(k) + " off the middle of its row");
        }
    }
    return wrong;
}

class DisplayScaleTest : public VorlantTest {};

TEST_F(DisplayScaleTest, MainWindowAndPanelsGrowWithThePixelsPerInch) {
    SetProcessDPIAware();  // the program's windows as they are, not as an unaware test would see them
    ASSERT_NE(StartWith({}), nullptr);
    RECT frame{};
    GetWindowRect(mainWindow, &frame);
    std::vector<int> painted{IDC_HEADER_PANEL, IDC_CARD_PREVIEW, IDC_PRINT, IDC_EXIT};
    for (int row = 0; row < kCardRows; ++row) painted.push_back(IDC_MONTH_FIRST + row);
    winauto::WaitUntil([&] { return winauto::Painted(mainWindow, painted); }, 5000);
    const Shot shot(frame);
    const unsigned ppi = shot.ppi;
    SCOPED_TRACE(std::to_string(ppi) + " pixels per inch");
    shot.SaveBmp(winauto::ModuleFolder() + "main-window-" + std::to_string(ppi) + ".bmp");

    for (const Part& part : kParts) {
        // The dialog's base units follow its font, whose pixel height is rounded: a few percent.
        const SIZE size = ClientSize(part.id == 0 ? mainWindow : GetDlgItem(mainWindow, part.id));
        const double wide = part.at96.cx * ppi / 96.0, high = part.at96.cy * ppi / 96.0;
        EXPECT_NEAR(size.cx, wide, wide * 0.03) << part.what;
        EXPECT_NEAR(size.cy, high, high * 0.03) << part.what;
    }

    // Every box ticked, every cell filled, long texts: what the panels draw at this scale.
    const test::RcStringSource strings;
    PanelLook look;
    look.languageCode = "polish";
    look.borderX = GetSystemMetrics(SM_CXBORDER);
    look.borderY = GetSystemMetrics(SM_CYBORDER);
    const PanelFont font(ppi);
    look.lineHeight = font.Extent("A").cy;  // the font's height
    const SIZE header = ClientSize(GetDlgItem(mainWindow, IDC_HEADER_PANEL));
    test::RecordingSurface headerDrawing(ppi, ppi);
    DrawHeaderPanel(headerDrawing, {0, 0, header.cx, header.cy},
                    {"Małgorzata Szczepańska-Wiśniewska", "31/12/1990", "31/12/2005", 'A', 0x62,
                     PioneerStatus::Special, true},
                    look, strings);
    EXPECT_EQ(CheckHeader(headerDrawing, header, font), Problems{});

    const SIZE preview = ClientSize(GetDlgItem(mainWindow, IDC_CARD_PREVIEW));
    CardYear full{2025, kCardRows, {}};
    full.rows.fill({true, 888, true, 888, "Pobyt w szpitalu"});
    test::RecordingSurface previewDrawing(ppi, ppi);
    DrawCardPreview(previewDrawing, {0, 0, preview.cx, preview.cy}, full, look, strings);
    EXPECT_EQ(CheckPreview(previewDrawing, preview, font), Problems{});
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
