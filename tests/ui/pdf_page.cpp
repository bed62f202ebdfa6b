#include "pdf_page.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "winauto.h"

namespace vorlant::uitest {
namespace {

using winauto::WindowsPathOf;

constexpr DWORD kToolTimeoutMs = 30000;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::optional<std::string> ReadWholeFile(const std::string& unixPath) {
    std::ifstream in(WindowsPathOf(unixPath), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

double Number(const std::string& text, const std::string& after) {
    const std::size_t at = text.find(after);
    return at == std::string::npos ? 0.0 : std::atof(text.c_str() + at + after.size());
}

std::string Unescaped(std::string text) {
    const std::pair<const char*, const char*> entities[] = {{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""},
                                                            {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, std::strlen(entity), plain);
        }
    }
    return text;
}

}  // namespace

std::optional<std::string> RunUnixCommand(const std::string& command, const std::string& unixOutput) {
    // The exit status lands in a file of its own once the output is complete.
    const std::string status = unixOutput + ".status";
    DeleteFileA(WindowsPathOf(status).c_str());
    std::string commandLine = "/bin/sh -c \"" + command + " > " + Quoted(unixOutput) + " 2>/dev/null; echo $? > " +
                              Quoted(status + ".part") + " && mv " + Quoted(status + ".part") + " " + Quoted(status) +
                              "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // Wine starts a Unix program given by its path on drive Z: natively.
    if (!CreateProcessA("Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return std::nullopt;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::optional<std::string> exitStatus;
    winauto::WaitUntil([&] { return (exitStatus = ReadWholeFile(status)).has_value(); }, kToolTimeoutMs);
    if (!exitStatus || exitStatus->rfind("0", 0) != 0) return std::nullopt;
    return ReadWholeFile(unixOutput);
}

double PdfPage::Baseline(const PdfWord& word) const {
    // pdftotext puts a word's box from ascent above to descent below its
    // baseline, both scaled by the font size.
    const double size = (word.yMax - word.yMin) / ((ascent - descent) / 1000.0);
    return word.yMin + size * ascent / 1000.0;
}

std::optional<PdfPage> ReadPdfPage(const std::string& unixPath) {
    // The tools' answers are kept beside the PDF.
    const auto info = RunUnixCommand("pdfinfo " + Quoted(unixPath), unixPath + ".info");
    const auto boxes = RunUnixCommand("pdftotext -f 1 -l 1 -bbox " + Quoted(unixPath) + " -", unixPath + ".html");
    const auto bytes = ReadWholeFile(unixPath);
    if (!info || !boxes || !bytes) return std::nullopt;

    PdfPage page;
    std::smatch match;
    if (std::regex_search(*info, match, std::regex("Title: +([^\\n]*)"))) page.title = match[1];
    page.pages = static_cast<int>(Number(*info, "Pages:"));
    const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    for (auto it = std::sregex_iterator(boxes->begin(), boxes->end(), word); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        page.words.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), Unescaped(m[5])});
    }
    page.ascent = Number(*bytes, "/Ascent ");
    page.descent = Number(*bytes, "/Descent ");
    return page;
}

int GrayImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 255;
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
}

std::optional<GrayImage> RenderPdfPage(const std::string& unixPath, int dpiX, int dpiY) {
    const auto pgm = RunUnixCommand("pdftoppm -f 1 -l 1 -rx " + std::to_string(dpiX) + " -ry " +
                                        std::to_string(dpiY) + " -gray " + Quoted(unixPath),
                                    unixPath + ".pgm");
    if (!pgm) return std::nullopt;
    // Binary PGM: "P5", width, height, maximum value, one white-space byte, pixels.
    std::istringstream header(*pgm);
    std::string magic;
    GrayImage image;
    int maximum = 0;
    header >> magic >> image.width >> image.height >> maximum;
    const auto start = static_cast<std::size_t>(header.tellg()) + 1;
    const auto size = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (magic != "P5" || maximum != 255 || pgm->size() < start + size) return std::nullopt;
    image.pixels.assign(pgm->begin() + static_cast<long>(start), pgm->begin() + static_cast<long>(start + size));
    return image;
}

}  // namespace vorlant::uitest
