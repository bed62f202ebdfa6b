// A printed PDF read back as a reader of the paper would: the words with their boxes (pdftotext -bbox) and the first
// page's pixels at the printer's resolution (pdftoppm); and the printing tests' fixture.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui_support.h"

namespace vorlant::uitest {

struct Printer {
    std::string name;
    int px, py, offsetX, offsetY, ascent;  // offsets of the printable area, ascent of the figures font
    int width, height;                     // of the printable area
    double XPt(int x) const { return (x + offsetX) * 72.0 / px; }
    double YPt(int y) const { return (y + offsetY) * 72.0 / py; }
    // A point (1/72 inch from the paper's corner) in device units of the printable area.
    int XDevice(double pt) const { return static_cast<int>(pt * px / 72) - offsetX; }
    int YDevice(double pt) const { return static_cast<int>(pt * py / 72) - offsetY; }
};

// The default printer's resolution and offsets; none without a printer.
std::optional<Printer> DefaultPrinter();

// A word in points from its page's top-left corner, and its page (0 = the first).
struct Word { double xMin, yMin, xMax, yMax; std::string text; int page = 0; };

// A printed PDF: its words, its first page in grey at the printer's resolution (pixels are device units).
struct Card {
    std::ptrdiff_t pages = 0;
    std::vector<Word> words;
    double ascent = 0, descent = 0;  // of the font descriptor, per 1000 of the size
    int width = 0, height = 0;
    std::string pixels;

    // pdftotext boxes a word from the ascent above to the descent below its baseline.
    double Baseline(const Word& w) const { return w.yMin + (w.yMax - w.yMin) * ascent / (ascent - descent); }
    bool DarkIn(int left, int top, int right, int bottom) const {
        for (int y = std::max(top, 0); y <= std::min(bottom, height - 1); ++y) {
            for (int x = std::max(left, 0); x <= std::min(right, width - 1); ++x) {
                if (static_cast<unsigned char>(pixels[static_cast<std::size_t>(y * width + x)]) < 128) return true;
            }
        }
        return false;
    }
    bool DarkNear(int x, int y, int reach) const { return DarkIn(x - reach, y - reach, x + reach, y + reach); }
};

// The PDF `pdf` (a Unix path) read back; none when poppler's tools fail.
std::optional<Card> ReadCard(const std::string& pdf, const Printer& p);

// Run under tools/test.sh as root, with the PDF printer of tools/cups-env.sh the default one; skipped without it.
class PrintingTest : public VorlantTest {
protected:
    void SetUp() override;
    // The next document out after `print`, a Unix path (empty: none came); the focus is back on the list.
    std::string NextPdf(const std::function<void()>& print);
    // That document read back.
    std::optional<Card> Printed(const std::function<void()>& print);

    const char* pdfFolder = nullptr;
    std::optional<Printer> printer;
    std::set<std::string> pdfsBefore;  // at the start
};

}  // namespace vorlant::uitest
