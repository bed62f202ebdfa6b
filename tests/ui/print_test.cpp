// Printing cards end to end, through the private PDF printer of tools/cups-env.sh, read back with poppler's tools.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <array>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "dialog_driving.h"
#include "printed_pdf.h"
#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemChecked;
using winauto::ItemEnabled;
using winauto::WaitUntil;

constexpr double kTolerancePt = 0.5;

// Ticked rows hold the odd cases; unticked ones numbers that must not appear.
struct Row { bool ticked; gen::FixedRow figures; };
const Row kRows[12] = {
    {true, {2, 73, 4, true, "Zażółć gęślą jaźń"}},   // September, regular pioneer
    {true, {0, 12, 2, true, ""}},                     // hours of a publisher: not printed
    {true, {1, 31, 0, false, "Pionier pomocniczy"}},  // auxiliary, shared through the hours
    {true, {0, 0, 0, false, ""}},                     // nothing to print but empty boxes
    {false, {3, 105, 7, true, "Nie drukować"}},
    {true, {0, 0, 3, true, "Chory – w szpitalu"}},
    {false, {2, 64, 1, true, ""}},
    {false, {1, 44, 6, true, "Też nie"}},
    {true, {0, 9, 0, false, ""}},
    {false, {2, 57, 8, true, ""}},
    {false, {3, 121, 5, true, ""}},
    {true, {2, 88, 12, true, "Łódź, ul. Świętokrzyska 5"}},  // August
};

// In hundredths of an inch: margins, monthly block, columns of shared box, studies, auxiliary box, hours, remark.
struct Placement { int top, left, monthlyTop, monthlyHeight; std::array<int, 5> x; };
// The default layout under the margins of the test's INI file, then as the dialogs set them (the hours moved).
constexpr Placement kFirstCard{30, 10, 262, 310, {160, 260, 335, 435, 465}};
constexpr Placement kMovedCard{55, 60, 262, 310, {160, 260, 335, 455, 465}};

// One row as it must come out: whether it is printed at all, its two marks and its texts (empty: none).
struct PrintedRow { bool printed, shared, auxiliary; std::string studies, hours, remark; };
using PrintedRows = std::array<PrintedRow, 12>;

// A month as the page prints it: hours only in the months of a pioneer, unless for a field missionary.
PrintedRow Printed(bool ticked, const gen::MonthFigures& f, bool fieldMissionary) {
    return {ticked, f.shared, f.status == 1, f.studies != 0 ? std::to_string(f.studies) : "",
            (fieldMissionary || f.status != 0) && f.hours != 0 ? std::to_string(f.hours) : "", f.remark};
}

// The rows as printed: of the known card, or of publisher `p`'s card in the service year ending in `serviceYear`.
PrintedRows CardRows(const gen::PublisherInfo* p = nullptr, int serviceYear = 0) {
    PrintedRows rows;
    for (std::size_t row = 0; row < 12; ++row) {
        const gen::FixedRow& f = kRows[row].figures;
        const auto month = static_cast<std::size_t>(row + 8) % 12;
        rows[row] = Printed(kRows[row].ticked,
                            p != nullptr ? p->months[month][gen::CardYearSlot(serviceYear, static_cast<int>(month))]
                                         : gen::MonthFigures{f.status, f.hours, f.studies, f.hours != 0 || f.sharedBit,
                                                             f.remark},
                            p != nullptr && p->fieldMissionary);
    }
    return rows;
}

// Whole inches and hundredths are converted apart, as the card's positions are.
int Device(int ppi, int hundredths) { return ppi * (hundredths / 100) + ppi * (hundredths % 100) / 100; }

// Words stand on their row's baseline, numbers ending at their column, remarks starting at theirs; boxes (lower
// right at the column and the row's middle) have four sides and a mark or none. `other` claims words not the rows'.
void ExpectCard(const Card& card, const Printer& p, const Placement& at, const PrintedRows& rows,
                const std::function<bool(const Word&)>& other = {}) {
    const int rowTop = Device(p.py, at.monthlyTop) + Device(p.py, at.top);
    const int rowHeight = Device(p.py, at.monthlyHeight) / 12;
    const int w = p.px / 7, h = p.py / 7;
    const auto column = [&](int k) { return Device(p.px, at.left) + Device(p.px, at.x[static_cast<std::size_t>(k)]); };
    const auto baseline = [&](int row) { return p.YPt(rowTop + row * rowHeight + p.ascent); };
    // By row and text: the x of a number's right or a remark's left edge (-1: anywhere), and which.
    std::map<std::pair<int, std::string>, std::pair<double, bool>> expected;
    for (int row = 0; row < 12; ++row) {
        const PrintedRow& r = rows[static_cast<std::size_t>(row)];
        const int y = rowTop + (row + 1) * rowHeight - rowHeight / 2 + p.offsetY;
        for (const auto& [k, marked] : {std::pair{0, r.shared}, std::pair{2, r.auxiliary}}) {
            SCOPED_TRACE(testing::Message() << "box in row " << row << ", column " << k);
            const int x = column(k) + p.offsetX;
            if (!r.printed) {
                EXPECT_FALSE(card.DarkIn(x - w - 3, y - h - 3, x + 3, y + 3)) << "in an unprinted row";
                continue;
            }
            for (auto [sx, sy] : {std::pair{x - w / 2, y}, {x - w / 2, y - h}, {x - w, y - h / 2}, {x, y - h / 2}}) {
                EXPECT_TRUE(card.DarkNear(sx, sy, 2)) << "no side at " << sx << "," << sy;
            }
            EXPECT_EQ(card.DarkIn(x - w + 4, y - h + 4, x - 4, y - 4), marked) << "the mark";
        }
        if (!r.printed) continue;
        if (!r.studies.empty()) expected[{row, r.studies}] = {p.XPt(column(1)), true};
        if (!r.hours.empty()) expected[{row, r.hours}] = {p.XPt(column(3)), true};
        std::istringstream remark(r.remark);
        double x = p.XPt(column(4));
        for (std::string text; remark >> text; x = -1) expected[{row, text}] = {x, false};
    }
    for (const Word& word : card.words) {
        if (other && other(word)) continue;
        const double y = card.Baseline(word);
        const int row = static_cast<int>((y - baseline(0)) / (baseline(1) - baseline(0)) + 0.5);
        SCOPED_TRACE(testing::Message() << word.text << " in row " << row);
        const auto found = expected.find({row, word.text});
        ASSERT_TRUE(found != expected.end()) << "printed but not expected";
        const auto [x, rightEdge] = found->second;
        EXPECT_NEAR(y, baseline(row), kTolerancePt);
        EXPECT_NEAR(x < 0 ? x : rightEdge ? word.xMax : word.xMin, x, kTolerancePt);
        expected.erase(found);
    }
    for (const auto& [key, edge] : expected) ADD_FAILURE() << "missing in row " << key.first << ": " << key.second;
}

// The known card's publisher first in the list, with the INI file's margins, and its rows ticked.
class PrintTest : public PrintingTest {
protected:
    void StartWithKnownCard() {
        gen::GeneratorOptions options;
        options.firstPublisher = gen::FixedPublisher{"Józef", "Wiśniewski"};
        for (std::size_t row = 0; row < 12; ++row) options.firstPublisher->rows[row] = kRows[row].figures;
        folder.Write("Vorlant.INI", std::string("[Margins]\r\nTop=0.30\r\nLeft=0.10\r\n"));
        ASSERT_NE(StartWith(options), nullptr);
        ASSERT_FALSE(ItemEnabled(mainWindow, IDC_PRINT));
        for (int row = 0; row < 12; ++row) {
            if (!kRows[row].ticked) continue;
            Toggle(row);
            ASSERT_TRUE(WaitUntil([&] { return ItemEnabled(mainWindow, IDC_PRINT); }, 5000)) << "row " << row;
        }
    }

    void Toggle(int row) {
        const bool was = ItemChecked(mainWindow, IDC_MONTH_FIRST + row);
        winauto::Click(mainWindow, IDC_MONTH_FIRST + row);
        ASSERT_TRUE(WaitUntil([&] { return ItemChecked(mainWindow, IDC_MONTH_FIRST + row) != was; }, 5000));
    }

    // With the focus on "&Drukuj" first, as a mouse click would leave it.
    void PressPrint() {
        PostMessageA(mainWindow, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(mainWindow, IDC_PRINT)), TRUE);
        ASSERT_TRUE(WaitForFocus(mainWindow, IDC_PRINT));
        winauto::Click(mainWindow, IDC_PRINT);
    }

    // A list entry after the first whose ticked rows hold figures and only remarks that end well inside a
    // page (a long one runs off it); 0 when there is none.
    int OtherPublisherEntry() const {
        const int entries = static_cast<int>(winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST).size());
        for (int entry = 1; entry < entries; ++entry) {
            const auto record = winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETITEMDATA,
                                                    static_cast<WPARAM>(entry));
            if (record < 1 || static_cast<std::size_t>(record) > congregation.publishers.size()) continue;
            const PrintedRows rows =
                CardRows(&congregation.publishers[static_cast<std::size_t>(record) - 1], congregation.serviceYear);
            bool figures = false, shortRemarks = true;
            for (const PrintedRow& row : rows) {
                if (!row.printed) continue;
                figures = figures || !row.studies.empty() || !row.hours.empty();
                shortRemarks = shortRemarks && row.remark.size() <= 20;
            }
            if (figures && shortRemarks) return entry;
        }
        return 0;
    }

};

TEST_F(PrintTest, PrintsTheTickedRowsWhereLayoutAndMarginsPutThemOrSaysWhyNot) {
    ASSERT_NO_FATAL_FAILURE(StartWithKnownCard());

    // A box ticked and unticked, and a round of the list's filter, leave the rest as it was.
    Toggle(4);
    Toggle(4);
    const std::string allShown = winauto::ItemText(mainWindow, IDC_FILTER);
    for (int step = 0; step == 0 || winauto::ItemText(mainWindow, IDC_FILTER) != allShown; ++step) {
        ASSERT_LT(step, 20) << "the filter never comes back";
        ASSERT_TRUE(winauto::SendAndWait(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_FILTER, BN_CLICKED),
                                         reinterpret_cast<LPARAM>(GetDlgItem(mainWindow, IDC_FILTER))));
    }
    for (int row = 0; row < 12; ++row) EXPECT_EQ(ItemChecked(mainWindow, IDC_MONTH_FIRST + row), kRows[row].ticked);
    EXPECT_TRUE(ItemEnabled(mainWindow, IDC_PRINT));

    const std::optional<Card> firstCard = Printed([&] { PressPrint(); });
    ASSERT_TRUE(firstCard) << "no card read from " << pdfFolder;
    EXPECT_EQ(firstCard->pages, 1);
    ExpectCard(*firstCard, *printer, kFirstCard, CardRows());

    // Another publisher, whose card is then in the printer, stays selected through "Opcje" closed with OK after
    // changes (the list is filled again) and with "Anuluj"; the next card carries his figures.
    const int chosen = OtherPublisherEntry();
    ASSERT_GT(chosen, 0) << "no other publisher with short remarks";
    ASSERT_TRUE(winauto::SelectListEntry(mainWindow, IDC_PUBLISHER_LIST, chosen));
    const auto record = static_cast<std::size_t>(winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETITEMDATA,
                                                                     static_cast<WPARAM>(chosen)));
    HWND options = OpenOptions(*program, mainWindow);
    ASSERT_NE(options, nullptr);
    Tick(options, IDC_OPT_DATE_FIRST + 1);
    TypeAndLeave(options, IDC_OPT_LEFT_MARGIN, "0.60");
    TypeAndLeave(options, IDC_OPT_TOP_MARGIN, "0.55");
    HWND layout = OpenLayout(*program, options);
    ASSERT_NE(layout, nullptr);
    TypeAndLeave(layout, IDC_LAY_COLUMN_FIRST + 3, "4.55");  // the hours
    CloseWith(layout, IDOK);
    CloseWith(options, IDOK);
    const auto stillChosen = [&] { return winauto::ListSelection(mainWindow, IDC_PUBLISHER_LIST) == chosen; };
    EXPECT_TRUE(WaitUntil(stillChosen, 5000)) << "after OK";
    options = OpenOptions(*program, mainWindow);
    ASSERT_NE(options, nullptr);
    CloseWith(options, IDCANCEL);
    EXPECT_TRUE(WaitUntil(stillChosen, 5000)) << "after Anuluj";
    const std::optional<Card> movedCard = Printed([&] { PressPrint(); });
    ASSERT_TRUE(movedCard) << "no second card";
    ExpectCard(*movedCard, *printer, kMovedCard,
               CardRows(&congregation.publishers.at(record - 1), congregation.serviceYear));

    // Gone from the system's list (until the next program starts), the held printer gives no device context.
    const std::string key = "System\\CurrentControlSet\\Control\\Print\\Printers\\" + printer->name;
    ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str()), ERROR_SUCCESS);
    PressPrint();
    // The same card a second time: asked first, and answered Tak.
    HWND printedBefore = WaitForMessageBox(*program);
    ASSERT_NE(printedBefore, nullptr) << "no warning before the same rows are printed again";
    CloseWith(printedBefore, IDYES);
    EXPECT_EQ(TakeMessage(*program), "no hdc");
    EXPECT_TRUE(WaitForFocus(mainWindow, IDC_PUBLISHER_LIST));
    ExitWithButton();
    EXPECT_EQ(winauto::PdfFiles(pdfFolder).size(), pdfsBefore.size() + 2) << "one document per card, no more";
}

// Where a test page's scales read 0, in its pixels: the September and the August row's top line, the five columns.
struct ScaleZeros { double september = 0, august = 0; std::array<double, 5> columns{}; };

// The middle of the dark run through (x, y) along x (or y), within `reach` pixels; -1 when (x, y) is not dark.
double RunMiddle(const Card& card, int x, int y, bool alongX, int reach) {
    const auto dark = [&](int d) { return alongX ? card.DarkIn(x + d, y, x + d, y) : card.DarkIn(x, y + d, x, y + d); };
    if (!dark(0)) return -1;
    int low = 0, high = 0;
    while (low < reach && dark(-low - 1)) ++low;
    while (high < reach && dark(high + 1)) ++high;
    return (alongX ? x : y) + (high - low) / 2.0;
}

// A scale's 0 is its long tick under (or beside) the label "0": a vertical scale's ticks reach right from its
// labels to the scale's line, a horizontal one's down from its labels.
std::optional<ScaleZeros> FindZeros(const Card& card, const Printer& p) {
    std::vector<Word> zeros;
    std::ranges::copy_if(card.words, std::back_inserter(zeros), [](const Word& w) { return w.text == "0"; });
    if (zeros.size() != 7) return std::nullopt;
    std::ranges::sort(zeros, {}, &Word::xMin);
    std::sort(zeros.begin(), zeros.begin() + 2, [](const Word& a, const Word& b) { return a.yMin < b.yMin; });
    ScaleZeros found;
    for (std::size_t i = 0; i < 7; ++i) {
        const Word& w = zeros[i];
        const bool vertical = i < 2;
        // A point of the long tick past its label and beyond the short ticks' reach (0.05 inch).
        // A column's scale under the rows hangs its ticks down from its line, its labels under them.
        const bool below = !vertical && w.yMin * p.py / 72 > found.august;
        const int x = vertical ? static_cast<int>(w.xMax * p.px / 72 + 0.05 * p.px)
                               : static_cast<int>((w.xMin + w.xMax) / 2 * p.px / 72);
        const int y = vertical ? static_cast<int>((w.yMin + w.yMax) / 2 * p.py / 72)
                      : below  ? static_cast<int>(w.yMin * p.py / 72 - 0.04 * p.py)
                               : static_cast<int>(w.yMax * p.py / 72 + 0.04 * p.py);
        double middle = -1;
        const int reach = (vertical ? p.py : p.px) / 25;
        for (int d = 0; d <= reach && middle < 0; ++d) {
            for (const int s : {d, -d}) {
                if (middle < 0) middle = RunMiddle(card, vertical ? x : x + s, vertical ? y + s : y, !vertical, reach);
            }
        }
        if (middle < 0) return std::nullopt;
        if (i == 0) found.september = middle;
        else if (i == 1) found.august = middle;
        else found.columns[i - 2] = middle;
    }
    return found;
}

// A card laid under the page, its lines in the page's pixels: the rows' top lines, and the five column lines.
struct CardGrid {
    double september = 0, pitch = 0;
    std::array<double, 5> columns{};
    double Row(int i) const { return september + i * pitch; }
};

CardGrid GridAt(const ScaleZeros& z) { return {z.september, (z.august - z.september) / 11, z.columns}; }

// The least distance in pixels (up to `limit`) from the rows' figures to a line of `grid`, each row's cells inked
// but the one between the hours' and the remarks' line; the figures lie from 0.28 inch left of the first column
// line (clear of the vertical scales) to an inch right of the last.
int Clearance(const Card& card, const Printer& p, const CardGrid& grid, int limit, bool inTheirBoxes = true) {
    const int left = static_cast<int>(grid.columns[0] - 0.28 * p.px), right = static_cast<int>(grid.columns[4] + p.px);
    int least = limit;
    for (int row = 0; row < 12; ++row) {
        std::array<bool, 6> inked{};
        const double top = grid.Row(row), bottom = grid.Row(row + 1);
        for (int y = static_cast<int>(std::ceil(top)); y <= static_cast<int>(bottom); ++y) {
            for (int x = left; x <= right; ++x) {
                if (!card.DarkIn(x, y, x, y)) continue;
                double distance = std::min(std::abs(y - top), std::abs(y - bottom));
                std::size_t cell = 0;
                while (cell < 5 && x >= grid.columns[cell]) ++cell;
                for (const double line : grid.columns) distance = std::min(distance, std::abs(x - line));
                inked[cell] = true;
                least = std::min(least, static_cast<int>(distance));
            }
        }
        for (std::size_t cell = 0; cell < 6 && inTheirBoxes; ++cell) {
            EXPECT_EQ(inked[cell], cell != 4) << "row " << row << ", box " << cell;
        }
    }
    return least;
}

// The calibration page needs no congregation: every row is filled where the user's own layout and margins put it,
// with the settings and the scales around the rows, and a card laid under it with its lines at the scales' zeros
// holds every figure in its box, 0.02 inch from its lines or more. Then a card of the secretary's own, placed as no
// layout yet knows, is read against the scales, the readings typed in, and a second page printed that fits it.
TEST_F(PrintTest, TheCalibrationPageAndItsReadingsFitTheNextPageToTheUsersCard) {
    // The user's margins, and a layout file: the monthly block's top and height, then the seven columns, from byte 320.
    const Placement at{40, 15, 240, 330, {150, 245, 320, 410, 450}};
    folder.Write("Vorlant.INI", std::string("[Margins]\r\nTop=0.40\r\nLeft=0.15\r\n"));
    const char* slots[] = {"2.40", "3.30", "1.50", "2.45", "3.20", "4.10", "3.30", "3.30", "4.50"};
    std::string layout(400, '\0');
    for (std::size_t k = 0; k < 9; ++k) layout.replace(320 + 8 * k, 4, slots[k]);
    folder.Write("cplot.dat", layout);
    ASSERT_NE(Start(), nullptr);
    ASSERT_TRUE(winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST).empty());

    const auto printTestPage = [&] { PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_CALIBRATION_PAGE, 0); };
    const std::string pdf = NextPdf(printTestPage);
    ASSERT_FALSE(pdf.empty()) << "no page printed";
    EXPECT_NE(pdf.find("Card_Test"), std::string::npos) << pdf;
    const std::optional<Card> first = ReadCard(pdf, *printer);
    ASSERT_TRUE(first) << "no page read from " << pdf;
    EXPECT_EQ(first->pages, 1);
    const char* abbreviations[] = {"Wrz", "Paź", "Lis", "Gru", "Sty", "Lut", "Mar", "Kwi", "Maj", "Cze", "Lip", "Sie"};
    PrintedRows rows;
    for (std::size_t row = 0; row < 12; ++row) {
        const int month = static_cast<int>(row + 8) % 12 + 1;
        rows[row] = {true, true, true, std::to_string(month), std::to_string(10 * month), abbreviations[row]};
    }
    // Besides the rows: the scales' labels, above and under the rows the scales' names, and last the settings in
    // one line (a line above it is dropped: the settings then do not read whole).
    const std::set<std::string> scaleLabels{"-40", "-30", "-20", "-10", "0", "+10", "+20", "+30", "+40"};
    const double firstRowTop = printer->YPt(Device(printer->py, at.monthlyTop) + Device(printer->py, at.top));
    const double lastRowBottom = printer->YPt(Device(printer->py, at.monthlyTop) + Device(printer->py, at.top) +
                                              Device(printer->py, at.monthlyHeight) / 12 * 12);
    std::vector<Word> settingsLine;
    int labels = 0;
    ExpectCard(*first, *printer, at, rows, [&](const Word& word) {
        if (scaleLabels.contains(word.text)) return ++labels, true;
        if (word.yMin > lastRowBottom + 0.25 * 72) return settingsLine.push_back(word), true;
        return word.yMax < firstRowTop || word.yMin > lastRowBottom;
    });
    EXPECT_EQ(labels, 7 * 9) << "nine labels on each of two vertical and five horizontal scales";
    ASSERT_FALSE(settingsLine.empty()) << "no settings line";
    const double settingsBaseline = std::ranges::max(settingsLine, {}, &Word::yMax).yMax;
    std::erase_if(settingsLine, [&](const Word& w) { return w.yMax < settingsBaseline - kTolerancePt; });
    std::ranges::sort(settingsLine, {}, &Word::xMin);
    std::string settings;
    for (const Word& word : settingsLine) {
        settings += (settings.empty() ? "" : " ") + word.text;
        EXPECT_LT(word.xMax, 7.9 * 72) << word.text << ": beyond the printable part of an A4 or Letter page";
    }
    EXPECT_EQ(settings, "Górny: 0.40 Lewy: 0.15 Start (Wrzesień): 2.40 Owoc Wysokość: 3.30 Służbie: 1.50 "
                        "Kursy biblijne: 2.45 Pionier Pomocniczy: 3.20 Godziny: 4.10 Uwagi: 4.50");
    const std::optional<ScaleZeros> zeros = FindZeros(*first, *printer);
    ASSERT_TRUE(zeros) << "the scales' zeros not found";
    const int spare = printer->py / 50;  // 0.02 inch
    const int atZeros = Clearance(*first, *printer, GridAt(*zeros), printer->py / 10);
    EXPECT_GE(atZeros, spare) << "a card at the zeros holds the figures with " << atZeros << " px";

    // The secretary's card, chosen before any page was looked at: its September line 0.13 inch lower and its
    // August line 0.19 inch lower than the zeros, its columns' lines moved by their own amounts.
    const std::array<double, 5> moved{0.08, -0.06, 0.11, -0.09, 0.04};
    CardGrid card{zeros->september + 0.13 * printer->py, 0, {}};
    card.pitch = (zeros->august + 0.19 * printer->py - card.september) / 11;
    for (std::size_t k = 0; k < 5; ++k) card.columns[k] = zeros->columns[k] + moved[k] * printer->px;
    EXPECT_LT(Clearance(*first, *printer, card, printer->py / 10, false), spare) << "the card should not fit yet";

    // Read where the card's lines cross the scales, to the hundredth, and type the readings in.
    const auto reading = [](double line, double zero, int ppi) {
        return static_cast<int>(std::lround((line - zero) * 100 / ppi));
    };
    std::array<int, 7> readings{reading(card.september, zeros->september, printer->py),
                                reading(card.Row(11), zeros->august, printer->py)};
    for (std::size_t k = 0; k < 5; ++k) readings[2 + k] = reading(card.columns[k], zeros->columns[k], printer->px);
    HWND dialog = OpenReadings(*program, mainWindow);
    ASSERT_NE(dialog, nullptr);
    for (int field = 0; field < 7; ++field) {
        SetText(dialog, IDC_READ_EDIT_FIRST + field, std::to_string(readings[static_cast<std::size_t>(field)]));
    }
    CloseWith(dialog, IDOK);

    // The check page: the card's lines now cross the scales at 0 (the August row within the dots the rows'
    // height moves by), and every figure sits in its box.
    const std::optional<Card> second = Printed(printTestPage);
    ASSERT_TRUE(second);
    const std::optional<ScaleZeros> after = FindZeros(*second, *printer);
    ASSERT_TRUE(after);
    EXPECT_EQ(reading(card.september, after->september, printer->py), 0);
    EXPECT_LE(std::abs(reading(card.Row(11), after->august, printer->py)), 2);
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(reading(card.columns[k], after->columns[k], printer->px), 0) << k;
    const int fitted = Clearance(*second, *printer, card, printer->py / 10);
    EXPECT_GE(fitted, spare) << "the card holds the figures with " << fitted << " px";
    std::cout << "figures from their box's lines: " << atZeros << " px at the zeros, " << fitted << " px after\n";
    ExitWithButton();
    EXPECT_EQ(winauto::PdfFiles(pdfFolder).size(), pdfsBefore.size() + 2) << "one document per page, no more";
}

// Run by ctest on its own, with no printing system to ask (tests/ui/CMakeLists.txt).
class NoPrinterTest : public PrintTest {
protected:
    void SetUp() override { VorlantTest::SetUp(); }
};

TEST_F(NoPrinterTest, SaysSoAndPrintsNothing) {
    ASSERT_NO_FATAL_FAILURE(StartWithKnownCard());
    PressPrint();
    EXPECT_EQ(TakeMessage(*program), "No Printer");
    ASSERT_TRUE(PostMessageA(mainWindow, WM_SYSCOMMAND, 32, 0));  // the test page
    EXPECT_EQ(TakeMessage(*program), "No Printer");
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
