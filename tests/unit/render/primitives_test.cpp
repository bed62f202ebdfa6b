// Lengths on the paper in device units, the two mark boxes and the fonts,
// drawn on a recording surface at screen and printer resolutions.
#include <gtest/gtest.h>

#include <vector>

#include "render/primitives.h"
#include "support/recording_surface.h"

namespace vorlant {
namespace {

using test::RecordingSurface;
using Line = RecordingSurface::Line;

TEST(LayoutLengthToDeviceTest, ReadsOneDigitOfInchesAndTwoOfHundredths) {
    struct Case { const char* text; unsigned ppi; unsigned units; };
    for (const Case c : {Case{"2.62", 600, 1572}, {"0.20", 96, 19}, {"3.10", 600, 1860}, {"3.10", 300, 930},
                         {"9.99", 600, 5994}, {"0.00", 600, 0}, {"1.5", 600, 630}, {"", 600, 0},
                         {"7", 100, 700}, {"x.50", 100, 50}, {"1.2x", 100, 102}, {"12.5", 100, 100},
                         {"0.33", 96, 31}}) {
        EXPECT_EQ(LayoutLengthToDevice(c.ppi, c.text), c.units) << '"' << c.text << "\" at " << c.ppi;
    }
}

TEST(MulDivRoundTest, RoundsToTheNearestAndFailsOnZero) {
    struct Case { int a, b, c, result; };
    for (const Case c : {Case{10, 600, 72, 83}, {10, 300, 72, 42}, {10, 96, 72, 13}, {1, 1, 2, 1},
                         {-1, 1, 2, -1}, {3, 1, -2, -2}, {7, 5, 0, -1}, {1 << 20, 1 << 20, 1 << 20, 1 << 20}}) {
        EXPECT_EQ(MulDivRound(c.a, c.b, c.c), c.result) << c.a << " * " << c.b << " / " << c.c;
    }
}

// The lines of a box outline of w x h with its lower-right corner at (x, y).
std::vector<Line> Outline(int x, int y, int w, int h) {
    return {{x, y, x - w, y, 0}, {x - w, y, x - w, y - h, 0}, {x - w, y - h, x, y - h, 0}, {x, y - h, x, y, 0}};
}

struct DrawnLine {
    Line line;
    int penWidth;
};

std::vector<DrawnLine> Drawn(const RecordingSurface& surface) {
    std::vector<DrawnLine> drawn;
    for (Line line : surface.lines) {
        const int width = surface.PenWidthOf(line);
        line.pen = 0;
        drawn.push_back({line, width});
    }
    return drawn;
}

void ExpectLines(const RecordingSurface& surface, const std::vector<Line>& lines, const std::vector<int>& widths) {
    const std::vector<DrawnLine> drawn = Drawn(surface);
    ASSERT_EQ(drawn.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(drawn[i].line, lines[i]) << "line " << i;
        EXPECT_EQ(drawn[i].penWidth, widths[i]) << "line " << i;
    }
}

// Whatever was drawn, the surface is left as it was found.
void ExpectCleanedUp(const RecordingSurface& surface) {
    EXPECT_EQ(surface.SelectedPen(), surface.DefaultPen());
    EXPECT_EQ(surface.SelectedFont(), surface.DefaultFont());
    EXPECT_EQ(surface.LiveObjects(), 0);
    EXPECT_TRUE(surface.misuse.empty()) << surface.misuse.front();
}

struct TickCase {
    unsigned ppi;
    unsigned divisor;
    int size;          // the box's side
    int outlineWidth;  // 0: one pixel
    int tickWidth;
    std::vector<Line> tick;  // relative to the lower-right corner (0, 0)
};

TEST(DrawTickBoxTest, DrawsTheBoxAndTheTickWithTheirPens) {
    const std::vector<TickCase> cases = {
        {96, 9, 10, 0, 2, {{-8, -5, -5, -1, 0}, {-5, -1, -2, -8, 0}}},
        {600, 7, 85, 5, 13, {{-68, -42, -42, -12, 0}, {-42, -12, -15, -70, 0}}},
        {300, 7, 42, 2, 6, {{-34, -21, -21, -6, 0}, {-21, -6, -7, -35, 0}}},
    };
    for (const TickCase& c : cases) {
        for (const bool marked : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.ppi << " ppi, divisor " << c.divisor << (marked ? ", marked" : ""));
            RecordingSurface surface(c.ppi, c.ppi);
            const int x = 1000, y = 2000;
            DrawTickBox(surface, x, y, marked, c.divisor);

            std::vector<Line> lines = Outline(x, y, c.size, c.size);
            std::vector<int> widths(4, c.outlineWidth);
            if (marked) {
                for (const Line& t : c.tick) lines.push_back({x + t.x1, y + t.y1, x + t.x2, y + t.y2, 0});
                widths.insert(widths.end(), 2, c.tickWidth);
            }
            ExpectLines(surface, lines, widths);
            ExpectCleanedUp(surface);
        }
    }
}

TEST(DrawCrossBoxTest, DrawsTheBoxAndBothDiagonals) {
    struct Case { unsigned ppi; unsigned divisor; int size; int width; };
    for (const Case c : {Case{96, 10, 9, 0}, {96, 9, 10, 0}, {600, 7, 85, 5}}) {
        for (const bool marked : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.ppi << " ppi, divisor " << c.divisor << (marked ? ", marked" : ""));
            RecordingSurface surface(c.ppi, c.ppi);
            const int x = 50, y = 60;
            DrawCrossBox(surface, x, y, marked, c.divisor);

            std::vector<Line> lines = Outline(x, y, c.size, c.size);
            if (marked) {
                lines.push_back({x, y, x - c.size, y - c.size, 0});
                lines.push_back({x, y - c.size, x - c.size, y, 0});
            }
            ExpectLines(surface, lines, std::vector<int>(lines.size(), c.width));
            ExpectCleanedUp(surface);
        }
    }
}

TEST(MarkBoxTest, APenThatCannotBeMadeLeavesTheSurfaceAsItWas) {
    for (const int refused : {5, 13}) {
        SCOPED_TRACE(refused);
        RecordingSurface surface(600, 600);
        surface.refusedPenWidths = {refused};
        DrawTickBox(surface, 500, 500, true, 7);
        EXPECT_EQ(surface.lines.size(), 6u);
        ExpectCleanedUp(surface);
    }
}

TEST(FontTest, FiguresFontIsTenPointArialInTheCardCharset) {
    struct Case { unsigned py; int charset; int height; std::uint8_t charSet; };
    for (const Case c : {Case{600, 238, -83, 238}, {300, 238, -42, 238}, {96, 0, -13, 0}, {600, 0x1CC, -83, 0xCC}}) {
        FontSpec expected;
        expected.height = c.height;
        expected.weight = 400;
        expected.charSet = c.charSet;
        expected.pitchAndFamily = 0x20;
        expected.faceName = "Arial";
        EXPECT_EQ(FiguresFontSpec(c.py, c.charset), expected) << c.py << " ppi, charset " << c.charset;

        RecordingSurface surface(c.py, c.py);
        const SurfaceObject font = CreateFiguresFont(surface, c.py, c.charset);
        EXPECT_EQ(surface.ObjectOf(font).font, expected);
        surface.Delete(font);
    }
}

TEST(FontTest, PanelFontIsTheDialogFontWithTheCardCharset) {
    FontSpec dialog;
    dialog.height = -13;
    dialog.weight = 700;
    dialog.italic = 1;
    dialog.charSet = 0;
    dialog.pitchAndFamily = 0x22;
    dialog.faceName = "MS Sans Serif";

    FontSpec expected = dialog;
    expected.charSet = 238;
    EXPECT_EQ(PanelFontSpec(dialog, 238), expected);
    RecordingSurface surface(96, 96);
    const SurfaceObject font = CreatePanelFont(surface, dialog, 238 + 256);
    EXPECT_EQ(surface.ObjectOf(font).font, expected);
}

}  // namespace
}  // namespace vorlant
