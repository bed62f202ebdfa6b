#include "printed_pdf.h"

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "dialog_driving.h"
#include "resources/resource.h"
#include "winauto.h"

namespace vorlant::uitest {
namespace {

double NumberAfter(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key);
    return at == std::string::npos ? 0.0 : std::atof(text.c_str() + at + key.size());
}

}  // namespace

std::optional<Printer> DefaultPrinter() {
    char name[256];
    DWORD size = sizeof(name);
    HDC dc = GetDefaultPrinterA(name, &size) ? CreateDCA("WINSPOOL", name, nullptr, nullptr) : nullptr;
    if (dc == nullptr) return std::nullopt;
    Printer p{name, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, PHYSICALOFFSETX),
              GetDeviceCaps(dc, PHYSICALOFFSETY), 0, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    HGDIOBJ previous = SelectObject(dc, CreateFontA(-MulDiv(10, p.py, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                                    EASTEUROPE_CHARSET, 0, 0, 0, FF_SWISS, "Arial"));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
    p.ascent = metrics.tmAscent;
    return p;
}

std::optional<Card> ReadCard(const std::string& pdf, const Printer& p) {
    const std::string q = "'" + pdf + "'";
    if (!RunUnixCommands("pdftotext -bbox " + q + " " + q + ".html && pdftoppm -singlefile -gray -rx " +
                             std::to_string(p.px) + " -ry " + std::to_string(p.py) + " " + q + " " + q,
                         pdf + ".status")) {
        return std::nullopt;
    }
    const std::string boxes = ReadWholeFile(pdf + ".html"), pgm = ReadWholeFile(pdf + ".pgm");
    const std::string bytes = ReadWholeFile(pdf);
    const std::regex pageTag("<page ");
    Card card{std::distance(std::sregex_iterator(boxes.begin(), boxes.end(), pageTag), {}), {},
              NumberAfter(bytes, "/Ascent "), NumberAfter(bytes, "/Descent "), 0, 0, {}};
    // A subset of digits only has a descriptor whose descent is 0; poppler then takes its default.
    if (card.descent == 0) card.descent = -350;
    const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)<)re");
    std::vector<std::size_t> pageStarts;
    for (std::size_t at = boxes.find("<page "); at != std::string::npos; at = boxes.find("<page ", at + 1)) {
        pageStarts.push_back(at);
    }
    // The font's hyphen (a minus sign too) reads back as a soft hyphen.
    const std::regex softHyphen("\xC2\xAD");
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), word); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        const auto position = static_cast<std::size_t>(m.position(0));
        const auto page = std::ranges::count_if(pageStarts, [&](std::size_t start) { return start < position; }) - 1;
        card.words.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]),
                              std::regex_replace(m[5].str(), softHyphen, "-"), static_cast<int>(page)});
    }
    // Binary PGM: "P5", width, height, maximum value, one white-space byte, pixels.
    std::istringstream header(pgm);
    std::string magic;
    int maximum = 0;
    header >> magic >> card.width >> card.height >> maximum;
    card.pixels = pgm.substr(static_cast<std::size_t>(header.tellg()) + 1);
    if (magic != "P5" || maximum != 255 || card.pixels.size() < std::size_t(card.width) * card.height) return {};
    return card;
}

void PrintingTest::SetUp() {
    VorlantTest::SetUp();
    pdfFolder = std::getenv("VORLANT_PDF_DIR");
    if (pdfFolder == nullptr) GTEST_SKIP() << "no PDF printer: run under tools/test.sh as root";
    printer = DefaultPrinter();
    ASSERT_TRUE(printer) << "no default printer";
    pdfsBefore = winauto::PdfFiles(pdfFolder);
}

std::string PrintingTest::NextPdf(const std::function<void()>& print) {
    const std::set<std::string> before = winauto::PdfFiles(pdfFolder);
    print();
    const std::string pdf = winauto::WaitForNewPdf(pdfFolder, before, 60000);
    EXPECT_TRUE(WaitForFocus(mainWindow, IDC_PUBLISHER_LIST));
    return pdf;
}

std::optional<Card> PrintingTest::Printed(const std::function<void()>& print) {
    const std::string pdf = NextPdf(print);
    return pdf.empty() ? std::nullopt : ReadCard(pdf, *printer);
}

}  // namespace vorlant::uitest
