// Printing a card end to end: month boxes ticked in the real program,
// "&Drukuj" pressed, the page taken from the private PDF printer that the
// test scripts set up (tools/cups-env.sh), and every figure looked for
// where the layout and the margins put it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "congregation.h"
#include "dialog_driving.h"
#include "pdf_page.h"
#include "resources/resource.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

constexpr DWORD kPrintTimeoutMs = 60000;
constexpr double kTolerancePt = 0.5;

// One row per month. The rows ticked in the test are the odd cases; the
// others hold numbers that must not appear.
struct Row {
    bool ticked;
    gen::FixedRow figures;
};
const Row kRows[12] = {
    {true, {2, 73, 4, true, "Zażółć gęślą jaźń"}},     // September, regular pioneer
    {true, {0, 12, 2, true, ""}},                       // hours of a publisher: not printed
    {true, {1, 31, 0, false, "Pionier pomocniczy"}},    // auxiliary, shared through the hours
    {true, {0, 0, 0, false, ""}},                       // nothing to print but empty boxes
    {false, {3, 105, 7, true, "Nie drukować"}},
    {true, {0, 0, 3, true, "Chory – w szpitalu"}},
    {false, {2, 64, 1, true, ""}},
    {false, {1, 44, 6, true, "Też nie"}},
    {true, {0, 9, 0, false, ""}},
    {false, {2, 57, 8, true, ""}},
    {false, {3, 121, 5, true, ""}},
    {true, {2, 88, 12, true, "Łódź, ul. Świętokrzyska 5"}},  // August
};

// A row's hours are printed for pioneers only.
bool PrintsHours(const Row& row) { return row.ticked && row.figures.status != 0 && row.figures.hours != 0; }

// The default card layout (inches in hundredths) and the margins of the INI
// file the test writes.
constexpr int kMonthlyTop = 262, kMonthlyHeight = 310;
constexpr int kServiceX = 160, kStudiesX = 260, kAuxiliaryX = 335, kHoursX = 435, kRemarksX = 465;
constexpr int kTopMargin = 30, kLeftMargin = 10;
constexpr const char* kIni = "[Margins]\r\nTop=0.30\r\nLeft=0.10\r\n";

// A length of the card in device units, whole inches and hundredths apart,
// as the card's positions are defined.
int Device(int ppi, int hundredths) { return ppi * (hundredths / 100) + ppi * (hundredths % 100) / 100; }

// What the test needs to know of the default printer.
struct Printer {
    std::string name;
    int px = 0, py = 0;
    int offsetX = 0, offsetY = 0;  // of the printable area on the page
    int ascent = 0;                // of the figures font, in device units
    double XPt(int x) const { return (x + offsetX) * 72.0 / px; }
    double YPt(int y) const { return (y + offsetY) * 72.0 / py; }
};

std::optional<Printer> DefaultPrinter() {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!PrintDlgA(&dialog) || dialog.hDC == nullptr) return std::nullopt;
    Printer p;
    if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames))) {
        p.name = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
        GlobalUnlock(dialog.hDevNames);
    }
    p.px = GetDeviceCaps(dialog.hDC, LOGPIXELSX);
    p.py = GetDeviceCaps(dialog.hDC, LOGPIXELSY);
    p.offsetX = GetDeviceCaps(dialog.hDC, PHYSICALOFFSETX);
    p.offsetY = GetDeviceCaps(dialog.hDC, PHYSICALOFFSETY);
    HFONT font = CreateFontA(-MulDiv(10, p.py, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, 0,
                             0, 0, FF_SWISS, "Arial");
    HGDIOBJ previous = SelectObject(dialog.hDC, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dialog.hDC, &metrics);
    p.ascent = metrics.tmAscent;
    SelectObject(dialog.hDC, previous);
    DeleteObject(font);
    DeleteDC(dialog.hDC);
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    return p;
}

using winauto::PdfFiles;

struct PrintedPdf {
    std::string path;  // Unix path
    PdfPage page;
};

// The first PDF that is not in `before` and reads as a finished document.
std::optional<PrintedPdf> WaitForNewPdf(const std::string& folder, const std::set<std::string>& before) {
    std::optional<PrintedPdf> printed;
    winauto::WaitUntil(
        [&] {
            for (const std::string& file : PdfFiles(folder)) {
                if (before.count(file) != 0) continue;
                const std::optional<PdfPage> page = ReadPdfPage(file);
                if (page && page->pages > 0) printed = PrintedPdf{file, *page};
            }
            return printed.has_value();
        },
        kPrintTimeoutMs);
    return printed;
}

// Whether a dark pixel lies within `reach` of (x, y).
bool DarkNear(const GrayImage& image, int x, int y, int reach) {
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (image.At(x + dx, y + dy) < 128) return true;
        }
    }
    return false;
}

bool DarkIn(const GrayImage& image, int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (image.At(x, y) < 128) return true;
        }
    }
    return false;
}

// A box of w x h with its lower-right corner at (x, y) in image pixels: its
// four sides drawn, and inside either the tick through its lowest point or
// nothing.
void ExpectBox(const GrayImage& image, int x, int y, int w, int h, int tickDepth, bool marked) {
    for (const double t : {0.25, 0.5, 0.75}) {
        const int alongX = x - static_cast<int>(t * w), alongY = y - static_cast<int>(t * h);
        EXPECT_TRUE(DarkNear(image, alongX, y, 2)) << "bottom side at " << alongX;
        EXPECT_TRUE(DarkNear(image, alongX, y - h, 2)) << "top side at " << alongX;
        EXPECT_TRUE(DarkNear(image, x - w, alongY, 2)) << "left side at " << alongY;
        EXPECT_TRUE(DarkNear(image, x, alongY, 2)) << "right side at " << alongY;
    }
    if (marked) {
        EXPECT_TRUE(DarkNear(image, x - w / 2, y - tickDepth, 3)) << "no tick";
    } else {
        EXPECT_FALSE(DarkIn(image, x - w + 4, y - h + 4, x - 4, y - 4)) << "a mark in an empty box";
    }
}

// A message box of the program: a dialog of its own whose text control
// carries the message.
std::string MessageBoxText(const winauto::Program& program) {
    constexpr int kMessageTextId = 0xFFFF;
    for (HWND window : program.Windows()) {
        if (winauto::WindowText(window) == "Vorlant" && GetDlgItem(window, kMessageTextId) != nullptr) {
            return winauto::ItemText(window, kMessageTextId);
        }
    }
    return {};
}

class PrintTest : public VorlantTest {
protected:
    void WriteKnownCongregation() {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        gen::GeneratorOptions options;
        options.year = now.wYear;
        options.month = now.wMonth;
        options.day = now.wDay;
        gen::FixedPublisher publisher;
        publisher.firstName = "Józef";
        publisher.lastName = "Wiśniewski";
        for (int row = 0; row < 12; ++row) publisher.rows[static_cast<std::size_t>(row)] = kRows[row].figures;
        options.firstPublisher = publisher;
        ASSERT_TRUE(gen::WriteCongregation(gen::Generate(options), folder.Str()));
        folder.Write("Vorlant.INI", std::string(kIni));
    }

    // Presses "&Drukuj" after moving the focus to it, as a mouse click would.
    void PressPrint() {
        HWND button = GetDlgItem(mainWindow, IDC_PRINT);
        ASSERT_TRUE(IsWindowEnabled(button));
        PostMessageA(mainWindow, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
        ASSERT_TRUE(winauto::WaitUntil([&] { return winauto::FocusedWindow(mainWindow) == button; }, 5000));
        winauto::Click(mainWindow, IDC_PRINT);
    }

    // Waits for the program's message box, closes it and returns its text.
    std::string TakeMessage() {
        std::string message;
        EXPECT_TRUE(winauto::WaitUntil([&] { return !(message = MessageBoxText(*program)).empty(); },
                                       kPrintTimeoutMs));
        for (HWND window : program->Windows()) {
            if (winauto::WindowText(window) == "Vorlant") winauto::Click(window, IDOK);
        }
        EXPECT_TRUE(winauto::WaitUntil([&] { return MessageBoxText(*program).empty(); }, 5000));
        return message;
    }

    bool FocusOnList() const {
        return winauto::WaitUntil(
            [&] { return winauto::FocusedWindow(mainWindow) == GetDlgItem(mainWindow, IDC_PUBLISHER_LIST); }, 5000);
    }

    // With the PDF printer of the test scripts: the known congregation, its
    // rows ticked and printed. Skips the test without that printer.
    void StartAndPrint() {
        const char* folderOfPdfs = std::getenv("VORLANT_PDF_DIR");
        if (folderOfPdfs == nullptr) GTEST_SKIP() << "no PDF printer: run under tools/test.sh as root";
        pdfFolder = folderOfPdfs;
        printer = DefaultPrinter();
        ASSERT_TRUE(printer) << "no default printer";
        WriteKnownCongregation();
        pdfsBefore = PdfFiles(pdfFolder);
        ASSERT_NE(Start(), nullptr);
        TickRows();
        PressPrint();
    }

    void TickRows() {
        for (int row = 0; row < 12; ++row) {
            if (!kRows[row].ticked) continue;
            winauto::Click(mainWindow, IDC_MONTH_FIRST + row);
            ASSERT_TRUE(winauto::WaitUntil([&] { return winauto::ItemChecked(mainWindow, IDC_MONTH_FIRST + row); },
                                           5000));
        }
    }

    std::string pdfFolder;
    std::optional<Printer> printer;
    std::set<std::string> pdfsBefore;
};

TEST_F(PrintTest, MonthBoxesEnableThePrintButtonAndKeepTheirState) {
    WriteCongregation();
    ASSERT_NE(Start(), nullptr);
    const auto printEnabled = [&](bool enabled) {
        return winauto::WaitUntil([&] { return winauto::ItemEnabled(mainWindow, IDC_PRINT) == enabled; }, 5000);
    };
    EXPECT_TRUE(printEnabled(false));
    winauto::Click(mainWindow, 1019);
    EXPECT_TRUE(printEnabled(true));
    winauto::Click(mainWindow, 1026);
    winauto::Click(mainWindow, 1019);
    EXPECT_TRUE(winauto::WaitUntil([&] { return !winauto::ItemChecked(mainWindow, 1019); }, 5000));
    EXPECT_TRUE(printEnabled(true));  // August is still ticked
    // Another step of the list's filter changes nothing of the boxes.
    winauto::Click(mainWindow, IDC_FILTER);
    winauto::Click(mainWindow, 1026);
    EXPECT_TRUE(printEnabled(false));
    winauto::Click(mainWindow, 1015);
    EXPECT_TRUE(printEnabled(true));
    EXPECT_TRUE(winauto::ItemChecked(mainWindow, 1015));
    ExitWithButton();
}

TEST_F(PrintTest, PrintsTheTickedRowsWhereTheLayoutPutsThem) {
    StartAndPrint();
    if (IsSkipped() || HasFatalFailure()) return;
    const std::optional<PrintedPdf> printed = WaitForNewPdf(pdfFolder, pdfsBefore);
    ASSERT_TRUE(printed) << "no PDF appeared in " << pdfFolder;
    const PdfPage& page = printed->page;
    EXPECT_EQ(page.title, "Card Header");
    EXPECT_EQ(page.pages, 1);
    EXPECT_TRUE(MessageBoxText(*program).empty());
    EXPECT_TRUE(FocusOnList());
    ExitWithButton();
    EXPECT_EQ(PdfFiles(pdfFolder).size(), pdfsBefore.size() + 1) << "more than one document";

    const Printer& p = *printer;
    const int rowTop = Device(p.py, kMonthlyTop) + Device(p.py, kTopMargin);
    const int rowHeight = Device(p.py, kMonthlyHeight) / 12;
    const auto columnX = [&](int x) { return Device(p.px, kLeftMargin) + Device(p.px, x); };

    // Every word expected, with the x its edge must have (the right edge of a
    // number, the left edge of a remark's first word; -1: any) and the top
    // of its row.
    struct Expected { double x; bool rightEdge; int top; };
    std::multimap<std::string, Expected> expected;
    for (int row = 0; row < 12; ++row) {
        const gen::FixedRow& f = kRows[row].figures;
        if (!kRows[row].ticked) continue;
        const int top = rowTop + row * rowHeight;
        if (f.studies != 0) expected.insert({std::to_string(f.studies), {p.XPt(columnX(kStudiesX)), true, top}});
        if (PrintsHours(kRows[row])) {
            expected.insert({std::to_string(f.hours), {p.XPt(columnX(kHoursX)), true, top}});
        }
        for (std::size_t at = 0; at < f.remark.size();) {
            const std::size_t end = std::min(f.remark.find(' ', at), f.remark.size());
            expected.insert({f.remark.substr(at, end - at), {at == 0 ? p.XPt(columnX(kRemarksX)) : -1, false, top}});
            at = end + 1;
        }
    }
    ASSERT_GT(page.ascent, 0) << "no font descriptor in the PDF";
    // A text's top lies its font's ascent above its baseline.
    const auto baselineOf = [&](const Expected& e) { return p.YPt(e.top + p.ascent); };
    for (const PdfWord& word : page.words) {
        SCOPED_TRACE(word.text);
        const auto [first, last] = expected.equal_range(word.text);
        ASSERT_NE(first, last) << "printed but not expected";
        const double baseline = page.Baseline(word);
        auto best = first;
        for (auto it = first; it != last; ++it) {
            if (std::abs(baselineOf(it->second) - baseline) < std::abs(baselineOf(best->second) - baseline)) best = it;
        }
        EXPECT_NEAR(baseline, baselineOf(best->second), kTolerancePt);
        if (best->second.x >= 0) {
            EXPECT_NEAR(best->second.rightEdge ? word.xMax : word.xMin, best->second.x, kTolerancePt);
        }
        expected.erase(best);
    }
    for (const auto& [text, where] : expected) ADD_FAILURE() << "missing on the page: " << text;

    // The tick boxes, a seventh of an inch, stand on the middle of their row;
    // rendered at the printer's resolution, image pixels are device units.
    const std::optional<GrayImage> image = RenderPdfPage(printed->path, p.px, p.py);
    ASSERT_TRUE(image);
    const int w = p.px / 7, h = p.py / 7;
    for (int row = 0; row < 12; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const gen::FixedRow& f = kRows[row].figures;
        const int bottom = rowTop + (row + 1) * rowHeight - rowHeight / 2 + p.offsetY;
        for (const auto& [x, marked] : {std::pair{columnX(kServiceX), f.hours != 0 || f.sharedBit},
                                        std::pair{columnX(kAuxiliaryX), f.status == 1}}) {
            const int right = x + p.offsetX;
            if (kRows[row].ticked) {
                ExpectBox(*image, right, bottom, w, h, p.py / 50, marked);
            } else {
                EXPECT_FALSE(DarkIn(*image, right - w - 3, bottom - h - 3, right + 3, bottom + 3)) << "a box";
            }
        }
    }
}

TEST_F(PrintTest, ChangedMarginsAndColumnMoveTheFiguresOfTheNextCard) {
    StartAndPrint();
    if (IsSkipped() || HasFatalFailure()) return;
    const std::optional<PrintedPdf> first = WaitForNewPdf(pdfFolder, pdfsBefore);
    ASSERT_TRUE(first) << "no PDF appeared in " << pdfFolder;

    // Both margins and the hours column a little further in. The hours stay
    // clear of the remarks, which start at 4.65.
    HWND options = OpenOptions(*program, mainWindow);
    ASSERT_NE(options, nullptr);
    TypeAndLeave(options, IDC_OPT_LEFT_MARGIN, "0.60");
    ASSERT_TRUE(WaitForText(options, IDC_OPT_LEFT_MARGIN, "0.60"));
    TypeAndLeave(options, IDC_OPT_TOP_MARGIN, "0.55");
    ASSERT_TRUE(WaitForText(options, IDC_OPT_TOP_MARGIN, "0.55"));
    HWND layout = OpenLayout(*program, options);
    ASSERT_NE(layout, nullptr);
    constexpr int kHoursColumnField = IDC_LAY_COLUMN_FIRST + 3;
    ASSERT_EQ(winauto::ItemText(layout, kHoursColumnField), "4.35");
    TypeAndLeave(layout, kHoursColumnField, "4.55");
    ASSERT_TRUE(WaitForText(layout, kHoursColumnField, "4.55"));
    CloseWith(layout, IDOK);
    CloseWith(options, IDOK);

    const std::set<std::string> printedBefore = PdfFiles(pdfFolder);
    PressPrint();
    const std::optional<PrintedPdf> second = WaitForNewPdf(pdfFolder, printedBefore);
    ASSERT_TRUE(second) << "no second PDF appeared";
    ExitWithButton();

    constexpr double kLeftMove = 0.50 * 72, kTopMove = 0.25 * 72, kHoursMove = 0.20 * 72;
    std::set<std::string> hours;
    for (const Row& row : kRows) {
        if (PrintsHours(row)) hours.insert(std::to_string(row.figures.hours));
    }
    // Each word of the first card against the word of the same text on the
    // second: the words of a row may come in another order there.
    std::multimap<std::string, PdfWord> moved;
    for (const PdfWord& word : second->page.words) moved.emplace(word.text, word);
    ASSERT_FALSE(first->page.words.empty());
    for (const PdfWord& word : first->page.words) {
        SCOPED_TRACE(word.text);
        const auto found = moved.find(word.text);
        ASSERT_NE(found, moved.end()) << "missing on the second card";
        const PdfWord& after = found->second;
        const double across = kLeftMove + (hours.count(word.text) != 0 ? kHoursMove : 0.0);
        EXPECT_NEAR(after.xMin - word.xMin, across, kTolerancePt);
        EXPECT_NEAR(after.xMax - word.xMax, across, kTolerancePt);
        EXPECT_NEAR(second->page.Baseline(after) - first->page.Baseline(word), kTopMove, kTolerancePt);
        moved.erase(found);
    }
    for (const auto& [text, word] : moved) ADD_FAILURE() << "only on the second card: " << text;
}

// Run by ctest on its own, with the printing system asked at a socket where
// nobody listens (tests/ui/CMakeLists.txt).
class NoPrinterTest : public PrintTest {};

TEST_F(NoPrinterTest, SaysSoAndPrintsNothing) {
    WriteKnownCongregation();
    ASSERT_NE(Start(), nullptr);
    TickRows();
    PressPrint();
    EXPECT_EQ(TakeMessage(), "No Printer");
    ExitWithButton();
}

TEST_F(PrintTest, WithoutADeviceContextSaysSoAndStartsNoDocument) {
    StartAndPrint();  // the program now holds on to the printer
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_TRUE(WaitForNewPdf(pdfFolder, pdfsBefore));

    // The printer vanishes from the system's list (the next program to start
    // finds it again): no device context can be made for it any more.
    const std::string key = "System\\CurrentControlSet\\Control\\Print\\Printers\\" + printer->name;
    ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str()), ERROR_SUCCESS);
    PressPrint();
    EXPECT_EQ(TakeMessage(), "no hdc");
    EXPECT_TRUE(FocusOnList());
    ExitWithButton();
    EXPECT_EQ(PdfFiles(pdfFolder).size(), pdfsBefore.size() + 1);
}

}  // namespace
}  // namespace vorlant::uitest
