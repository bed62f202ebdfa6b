// Reading a printed PDF page from a Windows test under wine: the Linux
// tools of poppler (pdfinfo, pdftotext, pdftoppm) run as Unix programs,
// their answers are read back as files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlant::uitest {

// Runs `command` under /bin/sh with its standard output into the file
// `unixOutput`; the output when the command succeeded in time.
std::optional<std::string> RunUnixCommand(const std::string& command, const std::string& unixOutput);

// A word of the page in points from the top-left corner.
struct PdfWord {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;  // UTF-8
};

struct PdfPage {
    std::string title;
    int pages = 0;
    std::vector<PdfWord> words;  // of the first page, in reading order
    // The Ascent and Descent of the font descriptor, per 1000 of the font
    // size: where each word's box lies about its baseline.
    double ascent = 0;
    double descent = 0;
    // The baseline of a word, in points.
    double Baseline(const PdfWord& word) const;
};

// Reads the PDF at `unixPath`; nothing when a tool fails.
std::optional<PdfPage> ReadPdfPage(const std::string& unixPath);

// The first page rendered in shades of grey (0 black .. 255 white).
struct GrayImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    // The pixel, or white outside the image.
    int At(int x, int y) const;
};

std::optional<GrayImage> RenderPdfPage(const std::string& unixPath, int dpiX, int dpiY);

}  // namespace vorlant::uitest
