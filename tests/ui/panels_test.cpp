// The two panels of the main window as the user sees them: the pixels of
// the running program on the screen, checked against the generated data and
// kept as pictures beside the test program.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "render/card_preview.h"
#include "render/header_panel.h"
#include "resources/resource.h"
#include "support/drawn_boxes.h"
#include "support/rc_strings.h"
#include "ui_support.h"
#include "win/gdi.h"

namespace vorlant::uitest {
namespace {

using Problems = std::vector<std::string>;
using Text = test::RecordingSurface::Text;

constexpr std::uint32_t kLightGray = 0xC0C0C0;  // the stock light grey brush
constexpr DWORD kPaintTimeoutMs = 5000;

// The screen's pixels in `area`, 0xRRGGBB, top row first.
struct Shot {
    explicit Shot(const RECT& area) : area(area), width(area.right - area.left), height(area.bottom - area.top) {
        pixels.resize(static_cast<std::size_t>(width * height));
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const win::UniqueGdiObject<HBITMAP> bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (bits != nullptr) {
            const win::ScopedSelectObject select(memory, bitmap.Get());
            BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
            GdiFlush();
            std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
        }
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }

    // The pixel at screen point (x, y).
    std::uint32_t At(int x, int y) const {
        const bool inside = x >= area.left && y >= area.top && x < area.right && y < area.bottom;
        return inside ? pixels[static_cast<std::size_t>((y - area.top) * width + x - area.left)] & 0xFFFFFF : 0;
    }
    // Dark pixels in [left, right) x [top, bottom), screen coordinates.
    int InkIn(int left, int top, int right, int bottom) const {
        int ink = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const std::uint32_t p = At(x, y);
                ink += (p >> 16 & 0xFF) < 100 && (p >> 8 & 0xFF) < 100 && (p & 0xFF) < 100;
            }
        }
        return ink;
    }

    // A 32-bit BMP file, for a look at what the test saw.
    void Save(const std::string& path) const {
        static_assert(sizeof(BITMAPFILEHEADER) == 14, "packed as on disk");
        const DWORD imageSize = static_cast<DWORD>(pixels.size() * 4);
        const BITMAPFILEHEADER file{0x4D42, 14 + 40 + imageSize, 0, 0, 14 + 40};
        const BITMAPINFOHEADER header{40, width, -height, 1, 32, BI_RGB, imageSize, 0, 0, 0, 0};
        std::vector<std::uint32_t> opaque(pixels);  // some readers take the fourth byte for alpha
        for (std::uint32_t& p : opaque) p |= 0xFF000000;
        if (FILE* out = std::fopen(path.c_str(), "wb")) {
            std::fwrite(&file, sizeof file, 1, out);
            std::fwrite(&header, sizeof header, 1, out);
            std::fwrite(opaque.data(), 4, opaque.size(), out);
            std::fclose(out);
        }
    }

    RECT area;
    int width, height;
    std::vector<std::uint32_t> pixels;
};

// A panel's client rectangle and its origin on the screen.
struct Panel {
    SurfaceRect client;
    POINT origin{};
};

Panel Locate(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    RECT client{};
    GetClientRect(control, &client);
    Panel panel{{client.left, client.top, client.right, client.bottom}, {0, 0}};
    ClientToScreen(control, &panel.origin);
    return panel;
}

// What a publisher (or none) should show: the header's crosses in drawing
// order, male to field missionary, and the preview's rows.
struct Expected {
    std::array<bool, 9> crosses{};
    std::array<PreviewMonth, kCardRows> rows{};
    int limitRow = 0;
};

Expected ExpectedFor(const gen::Congregation& c, const gen::PublisherInfo* p) {
    Expected e;
    e.limitRow = LimitRow(c.reportMonth);
    if (p == nullptr) return e;
    const bool baptised = !p->baptismDate.empty();
    const int status = p->months[static_cast<std::size_t>(c.reportMonth)][c.reportYear % 2].status;
    e.crosses = {p->male, !p->male, baptised && !p->anointed, baptised && p->anointed,
                 p->appointment == gen::Appointment::Elder, p->appointment == gen::Appointment::Servant,
                 status == 2, status == 3, p->fieldMissionary};
    for (int row = 0; row < kCardRows; ++row) {
        const int month = MonthOfRow(row);
        const gen::MonthFigures& m = p->months[static_cast<std::size_t>(month)][gen::CardYearSlot(c.serviceYear, month)];
        const bool hoursShown = m.status != 0 || p->fieldMissionary;
        e.rows[static_cast<std::size_t>(row)] = {m.shared, m.studies, m.status == 1, hoursShown ? m.hours : std::uint16_t{0}, m.remark};
    }
    return e;
}

// Where the panels put every box, figure and remark: drawings of the same
// panels with every box and cell filled.
struct Places {
    std::vector<test::DrawnBox> crosses, ticks;  // ticks: shared and auxiliary pioneer by row
    std::vector<Text> figures, remarks;          // figures: studies and hours by row
};

Places PlacesOf(const Panel& header, const Panel& preview) {
    const test::RcStringSource strings;
    PanelLook look;
    look.borderX = GetSystemMetrics(SM_CXBORDER);
    look.borderY = GetSystemMetrics(SM_CYBORDER);
    HDC screen = GetDC(nullptr);
    const unsigned ppi = static_cast<unsigned>(GetDeviceCaps(screen, LOGPIXELSX));
    ReleaseDC(nullptr, screen);

    test::RecordingSurface headerDrawing(ppi, ppi);
    DrawHeaderPanel(headerDrawing, header.client, {}, look, strings);
    CardPreviewData full{0, kCardRows, {}};
    full.rows.fill({true, 1, true, 1, "x"});
    test::RecordingSurface previewDrawing(ppi, ppi);
    DrawCardPreview(previewDrawing, preview.client, full, look, strings);
    return {test::DrawnBoxes(headerDrawing), test::DrawnBoxes(previewDrawing), previewDrawing.TextsEqualTo("1"),
            previewDrawing.TextsEqualTo("x")};
}

// The screen against `e`: what is wrong.
Problems CheckPanels(const Shot& shot, const Panel& header, const Panel& preview, const Places& at, const Expected& e) {
    if (at.crosses.size() != 9 || at.ticks.size() != 2 * kCardRows || at.figures.size() != 2 * kCardRows ||
        at.remarks.size() != kCardRows) {
        return {"the panels' places"};
    }
    Problems wrong;
    const auto expect = [&](bool ok, const std::string& what) {
        if (!ok) wrong.push_back(what);
    };
    // A box's outline and whether something is drawn inside it.
    const auto expectBox = [&](const POINT& origin, const test::DrawnBox& box, bool drawn, bool marked,
                               const std::string& what) {
        const int x = origin.x + box.right;
        const int y = origin.y + box.bottom;
        expect((shot.InkIn(x - box.width, y, x, y + 1) > box.width / 2) == drawn, what + " outline");
        expect((shot.InkIn(x - box.width + 2, y - box.height + 2, x - 1, y - 1) > 0) == marked, what + " mark");
    };
    for (std::size_t k = 0; k < e.crosses.size(); ++k) {
        std::string what = "header box ";   // appended, not "+": GCC 12 warns falsely about the latter here
        what += std::to_string(k);
        expectBox(header.origin, at.crosses[k], true, e.crosses[k], what);
    }
    const auto [left, top] = preview.origin;
    expect(shot.At(left + preview.client.right - 3, top + 1) == kLightGray, "grey heading band");
    for (std::size_t r = 0; r < kCardRows; ++r) {
        const std::string row = "row " + std::to_string(r);
        const PreviewMonth& cell = e.rows[r];
        const bool filled = static_cast<int>(r) <= e.limitRow;
        const int textTop = top + at.remarks[r].y;
        expect(shot.At(left + 2, textTop + 5) == kLightGray, row + " grey month column");
        expectBox(preview.origin, at.ticks[2 * r], filled, filled && cell.shared, row + " shared");
        expectBox(preview.origin, at.ticks[2 * r + 1], filled, filled && cell.auxiliaryPioneer, row + " pioneer");
        for (const auto& [place, value] : {std::pair{at.figures[2 * r], cell.studies}, {at.figures[2 * r + 1], cell.hours}}) {
            const int x = left + place.x;
            expect((shot.InkIn(x - 12, textTop + 3, x, textTop + 11) > 0) == (filled && value != 0),
                   row + " figure at " + std::to_string(place.x));
        }
        const int x = left + at.remarks[r].x;
        expect((shot.InkIn(x, textTop + 3, x + 30, textTop + 11) > 0) == (filled && !cell.remark.empty()), row + " remark");
    }
    return wrong;
}

class PanelsTest : public VorlantTest {
protected:
    // Waits until the screen shows `e` or the time is up; saves the last look
    // as `picture` beside the test program and returns what is still wrong.
    Problems WaitForPanels(const Expected& e, const std::string& picture) {
        const Panel header = Locate(mainWindow, IDC_HEADER_PANEL);
        const Panel preview = Locate(mainWindow, IDC_CARD_PREVIEW);
        const Places places = PlacesOf(header, preview);
        RECT frame{};
        GetWindowRect(mainWindow, &frame);
        Problems wrong;
        std::unique_ptr<Shot> shot;
        winauto::WaitUntil(
            [&] {
                shot = std::make_unique<Shot>(frame);
                wrong = CheckPanels(*shot, header, preview, places, e);
                return wrong.empty();
            },
            kPaintTimeoutMs);
        shot->Save(winauto::ModuleFolder() + picture);
        return wrong;
    }

    // What the publisher of list item `item` should show (its item data is
    // the table index).
    Expected ExpectedForItem(HWND list, int item) const {
        const LRESULT record = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0);
        const bool valid = record >= 1 && record <= static_cast<LRESULT>(congregation.publishers.size());
        return ExpectedFor(congregation, valid ? &congregation.publishers[static_cast<std::size_t>(record - 1)] : nullptr);
    }
};

TEST_F(PanelsTest, WithoutPublishersShowTheRuledYearAndEmptyBoxes) {
    WriteCongregation(0);
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(WaitForPanels(ExpectedFor(congregation, nullptr), "panels-no-publisher.bmp"), Problems{});
    ExitWithButton();
}

TEST_F(PanelsTest, ShowTheSelectedPublisherWhereTheDataPutIt) {
    WriteCongregation();
    ASSERT_NE(Start(), nullptr);
    HWND list = GetDlgItem(mainWindow, IDC_PUBLISHER_LIST);
    const int items = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    ASSERT_GT(items, 1);
    // The first item is selected at start.
    EXPECT_EQ(WaitForPanels(ExpectedForItem(list, 0), "panels-first-publisher.bmp"), Problems{});

    // Then another, the one who fills the panels most, selected as a click would.
    ASSERT_GE(items, 2);
    int best = 1;
    int bestScore = -1;
    for (int item = 1; item < items; ++item) {
        const Expected e = ExpectedForItem(list, item);
        int score = 0;
        for (int row = 0; row <= e.limitRow && row < kCardRows; ++row) {
            const PreviewMonth& m = e.rows[static_cast<std::size_t>(row)];
            score += m.shared + m.auxiliaryPioneer + (m.studies != 0) + (m.hours != 0) + !m.remark.empty();
        }
        if (score > bestScore) std::tie(best, bestScore) = std::pair(item, score);
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(best), 0);
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_PUBLISHER_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(WaitForPanels(ExpectedForItem(list, best), "panels-selected-publisher.bmp"), Problems{});
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
