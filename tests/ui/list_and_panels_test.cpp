// The main window's list and panels as the user sees them: the items, the filter's steps, the search by typed
// letters, and the panels' pixels checked against the data and kept as a picture beside the test program.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "render/card_preview.h"
#include "render/header_panel.h"
#include "resources/resource.h"
#include "support/drawn_boxes.h"
#include "support/rc_strings.h"
#include "dialog_driving.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using Problems = std::vector<std::string>;
constexpr std::uint32_t kLightGray = 0xC0C0C0;  // the stock light grey brush

// A panel's client rectangle and its origin on the screen.
struct Panel {
    Panel(HWND dialog, int id) {
        RECT r{};
        GetClientRect(GetDlgItem(dialog, id), &r);
        client = {r.left, r.top, r.right, r.bottom};
        ClientToScreen(GetDlgItem(dialog, id), &origin);
    }
    SurfaceRect client;
    POINT origin{};
};

// The screen against the publisher's data: the header's crosses, the preview's rows up to the month of opening and
// the hours of the months reported, placed as drawings of the panels with every box and cell filled place them.
Problems Check(const Shot& shot, const Panel& header, const Panel& preview, const gen::Congregation& c,
               const gen::PublisherInfo& p) {
    const test::RcStringSource strings;
    PanelLook look;
    look.borderX = GetSystemMetrics(SM_CXBORDER);
    look.borderY = GetSystemMetrics(SM_CYBORDER);
    test::RecordingSurface headerDrawing(shot.ppi, shot.ppi), previewDrawing(shot.ppi, shot.ppi);
    DrawHeaderPanel(headerDrawing, header.client, {}, look, strings);
    CardYear full{0, kCardRows, {}};
    full.rows.fill({true, 1, true, 1, "x"});
    DrawCardPreview(previewDrawing, preview.client, full, look, strings);
    const auto crosses = test::DrawnBoxes(headerDrawing), ticks = test::DrawnBoxes(previewDrawing);
    const auto figures = previewDrawing.TextsEqualTo("1"), remarks = previewDrawing.TextsEqualTo("x");
    const auto total = previewDrawing.TextsEqualTo(std::to_string(kCardRows));  // of twelve hours of 1
    const bool placed = crosses.size() == 9 && ticks.size() == 2 * kCardRows && figures.size() == 2 * kCardRows;
    if (!placed || remarks.size() != kCardRows || total.size() != 1) return {"the panels' places"};
    Problems wrong;
    const auto expect = [&](bool ok, const std::string& what) { if (!ok) wrong.push_back(what); };
    const auto expectBox = [&](const POINT& o, const test::DrawnBox& box, bool marked, const std::string& what) {
        const int x = o.x + box.right, y = o.y + box.bottom;
        expect((shot.InkIn(x - box.width + 2, y - box.height + 2, x - 1, y - 1) > 0) == marked, what);
    };
    const bool baptised = !p.baptismDate.empty();
    const int status = p.months[static_cast<std::size_t>(c.reportMonth)][c.reportYear % 2].status;
    const bool crossed[9] = {p.male, !p.male, baptised && !p.anointed, baptised && p.anointed,
                             p.appointment == gen::Appointment::Elder, p.appointment == gen::Appointment::Servant,
                             status == 2, status == 3, p.fieldMissionary};
    for (std::size_t k = 0; k < 9; ++k) expectBox(header.origin, crosses[k], crossed[k], "cross " + std::to_string(k));

    const auto [left, top] = preview.origin;
    int totalHours = 0;
    for (std::size_t r = 0; r < kCardRows; ++r) {
        const int month = MonthOfRow(static_cast<int>(r));
        const gen::MonthFigures& m = p.months[static_cast<std::size_t>(month)][gen::CardYearSlot(c.serviceYear, month)];
        const bool filled = static_cast<int>(r) <= LimitRow(c.reportMonth);
        const int hours = m.status != 0 || p.fieldMissionary ? m.hours : 0;
        if (static_cast<int>(r) < LimitRow(c.reportMonth)) totalHours += hours;  // the months reported
        const std::string row = "row " + std::to_string(r);
        const int y = top + remarks[r].y;
        expect(shot.At(left + 2, y + 5) == kLightGray, row + " grey month column");
        expectBox(preview.origin, ticks[2 * r], filled && m.shared, row + " shared");
        expectBox(preview.origin, ticks[2 * r + 1], filled && m.status == 1, row + " pioneer");
        for (const auto& [place, value] : {std::pair{figures[2 * r], int{m.studies}}, {figures[2 * r + 1], hours}}) {
            const int x = left + place.x;  // the figure's right edge
            expect((shot.InkIn(x - 12, y + 3, x, y + 11) > 0) == (filled && value != 0), row + " figure");
        }
        const int x = left + remarks[r].x;  // the remark's left edge
        expect((shot.InkIn(x, y + 3, x + 30, y + 11) > 0) == (filled && !m.remark.empty()), row + " remark");
    }
    const int x = left + total[0].x, y = top + total[0].y;
    expect((shot.InkIn(x - 12, y + 3, x, y + 11) > 0) == (totalHours != 0), "the year's hours");
    return wrong;
}

using Items = std::vector<std::string>;
constexpr int kAll = -2, kPioneers = -1;  // the filter's steps besides the groups (0: none)

class ListAndPanelsTest : public VorlantTest {
protected:
    // The list texts of a step's publishers in file order; full-time pioneers are left out of the groups.
    Items Expected(int step) const {
        Items items;
        for (const gen::PublisherInfo& p : congregation.publishers) {
            const bool pioneer = p.months[congregation.reportMonth][congregation.reportYear % 2].status >= 2;
            if (!p.omitted && (step == kAll || (step == kPioneers ? pioneer : !pioneer && p.group == step))) {
                items.push_back(p.lastName + ", " + p.firstName);
            }
        }
        return items;
    }

    // The items, the first one selected and the list in the focus.
    void ExpectList(const Items& expected, const std::string& step) {
        EXPECT_EQ(winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST), expected) << step;
        EXPECT_EQ(winauto::ListSelection(mainWindow, IDC_PUBLISHER_LIST), 0) << step;
        EXPECT_EQ(winauto::FocusedWindow(mainWindow), GetDlgItem(mainWindow, IDC_PUBLISHER_LIST)) << step;
    }
};

TEST_F(ListAndPanelsTest, ShowTheDataAndFilterTheList) {
    // A first publisher with every kind of mark and figure from the first row on.
    gen::GeneratorOptions options;
    options.groups = 3;
    gen::FixedPublisher& fixed = options.firstPublisher.emplace(gen::FixedPublisher{"Józef", "Wiśniewski"});
    for (int r = 0; r < 12; ++r) {
        fixed.rows[static_cast<std::size_t>(r)] = {(r + 1) % 4, static_cast<std::uint16_t>(17 * (r % 3 + 1)),
                                                   static_cast<std::uint16_t>((r + 2) % 5), r % 2 == 0,
                                                   r % 3 ? "" : "Łódź"};
    }
    ASSERT_NE(StartWith(options), nullptr);
    const Items all = Expected(kAll);
    ASSERT_LT(all.size(), congregation.publishers.size()) << "the data should leave someone out";
    ExpectList(all, "start");  // the first name carries letters of code page 1250

    RECT frame{};
    GetWindowRect(mainWindow, &frame);
    Problems wrong;
    winauto::WaitUntil(
        [&] {
            const Shot shot(frame);
            wrong = Check(shot, Panel(mainWindow, IDC_HEADER_PANEL), Panel(mainWindow, IDC_CARD_PREVIEW), congregation,
                          congregation.publishers.front());
            shot.SaveBmp(winauto::ModuleFolder() + "panels-first-publisher.bmp");
            return wrong.empty();
        },
        5000);
    EXPECT_EQ(wrong, Problems{});

    const std::pair<const char*, int> steps[] = {{"Pionierzy (Peł i Spe)", kPioneers}, {"Grupa 1", 1}, {"Grupa 2", 2},
                                                 {"Grupa 3", 3}, {"Nie przydzieleni do Grup", 0}, {"Wszyscy", kAll}};
    for (const auto& [caption, step] : steps) {
        winauto::Click(mainWindow, IDC_FILTER);
        EXPECT_TRUE(WaitForText(mainWindow, IDC_FILTER, caption)) << caption;
        ExpectList(Expected(step), caption);
    }
    ExitWithButton();
}

// The search by typed letters in any case, Polish ones included: the first entry from the top whose start matches,
// as the platform folds both, whatever the list box's own search does. Each row starts afresh from another entry;
// so does a letter after a pause (twice the double-click time), and one after the list lost the focus and regained it.
TEST_F(ListAndPanelsTest, TypedLettersSelectTheFirstEntryWithTheirStartInAnyCase) {
    gen::GeneratorOptions options;
    options.firstPublisher = gen::FixedPublisher{"Łukasz", "Śliwa"};
    ASSERT_NE(StartWith(options), nullptr);
    ASSERT_EQ(Expected(kAll).front(), "Śliwa, Łukasz");
    const wchar_t* const above[] = {L"KÓŁKO, Jan", L"Kółko, Anna", L"Łukowska, Ewa", L"Łąkowa, Irena",
                                    L"Ółkowski, Piotr", L"Anna Kowal", L"Kalina, Ewa"};
    HWND list = GetDlgItem(mainWindow, IDC_PUBLISHER_LIST);
    for (int at = 0; at < 7; ++at) ASSERT_EQ(Send(list, LB_INSERTSTRING, WPARAM(at), LPARAM(above[at])), at);
    const int last = static_cast<int>(winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST).size()) - 1;
    const DWORD pause = 2 * GetDoubleClickTime();
    const auto waitOutThePause = [&] {
        const DWORD typed = GetTickCount();
        // The pause itself: the clock has to pass it.
        ASSERT_TRUE(winauto::WaitUntil([&] { return GetTickCount() - typed > pause + 200; }, pause + 5000));
    };
    const auto leaveTheListAndComeBack = [&] {
        winauto::Click(mainWindow, IDC_MONTH_FIRST);
        ASSERT_TRUE(WaitForFocus(mainWindow, IDC_MONTH_FIRST));
        PostMessageA(mainWindow, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(mainWindow, IDC_PUBLISHER_LIST)),
                     TRUE);
        ASSERT_TRUE(WaitForFocus(mainWindow, IDC_PUBLISHER_LIST));
    };
    const struct {
        std::wstring typed;
        std::function<void()> afterTheFirst;
        int selected;
    } rows[] = {
        {L"Ś", {}, 7},                        // "Śliwa, Łukasz" of the data
        {L"Ka", waitOutThePause, 5},          // "a" alone after the pause: "Anna Kowal", where "Ka" is "Kalina"
        {L"kół", {}, 0},                      // the capitals above "Kółko", which the list box's search would take
        {L"łą", {}, 3},                       // "Łukowska", then the prefix kept: its "ą" matches the typed one
        {L"Kó", leaveTheListAndComeBack, 4},  // "ó" alone: "Ółkowski", not "KÓŁKO"
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(winauto::SelectListEntry(mainWindow, IDC_PUBLISHER_LIST, last));
        for (std::size_t i = 0; i < row.typed.size(); ++i) {
            winauto::TypeCharacter(mainWindow, IDC_PUBLISHER_LIST, row.typed[i]);
            if (i == 0 && row.afterTheFirst) row.afterTheFirst();
        }
        EXPECT_EQ(winauto::ListSelection(mainWindow, IDC_PUBLISHER_LIST), row.selected) << winauto::Utf8(row.typed);
    }
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
