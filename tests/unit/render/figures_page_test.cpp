// The printed page of a publisher whose every figure is known, composed on a
// recording surface: where each box, number and remark lands for the card's
// layout at printer resolutions, which rows are printed and which hours stay
// blank, for openings in several months.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "congregation.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "layout/card_layout.h"
#include "render/figures_page.h"
#include "support/rc_strings.h"
#include "support/recording_surface.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

using test::RecordingSurface;

constexpr const char* kLongRemark = "Przeprowadzka do Łodzi, zgłosi się jesienią";  // 43 letters

// One row per month, each with a case the page must tell apart; the numbers
// lie outside what the generator makes up, so a figure read from the wrong
// month or year shows.
gen::FixedPublisher KnownPublisher(bool fieldMissionary) {
    gen::FixedPublisher p;
    p.firstName = "Józef";
    p.lastName = "Wiśniewski";
    p.fieldMissionary = fieldMissionary;
    p.rows = {{
        {2, 250, 701, true, "Zażółć gęślą jaźń"},   // September
        {0, 241, 0, true, ""},                      // hours of a publisher
        {1, 232, 0, false, ""},                     // auxiliary; shared through the hours
        {0, 0, 0, false, ""},                       // nothing reported
        {3, 0, 4, true, ""},                        // special pioneer without hours
        {0, 0, 3, true, "Chory"},                   // 2048 + 3
        {1, 216, 12, false, "Pionier pomocniczy"},
        {2, 207, 1023, true, ""},
        {0, 198, 5, false, ""},
        {2, 189, 0, false, "Urlop"},
        {3, 180, 2, true, ""},
        {0, 0, 0, false, kLongRemark},              // August
    }};
    return p;
}

// What row i of the page shows; nullptr: not drawn at all.
struct RowOnPage {
    bool shared;
    const char* studies;
    bool auxiliary;
    const char* hours;
    const char* hoursOfFieldMissionary;
    const char* remark;
};

const RowOnPage kRows[12] = {
    {true, "701", false, "250", "250", "Zażółć gęślą jaźń"},
    {true, "", false, nullptr, "241", nullptr},
    {true, "", true, "232", "232", nullptr},
    {false, "", false, nullptr, "", nullptr},
    {true, "4", false, "", "", nullptr},
    {true, "3", false, nullptr, "", "Chory"},
    {true, "12", true, "216", "216", "Pionier pomocniczy"},
    {true, "1023", false, "207", "207", nullptr},
    {true, "5", false, nullptr, "198", nullptr},
    {true, "", false, "189", "189", "Urlop"},
    {true, "2", false, "180", "180", nullptr},
    {false, "", false, nullptr, "", kLongRemark},
};

// The data the main window would hold, opened on the first of `month`.
struct Congregation {
    Congregation(int year, int month, bool fieldMissionary) {
        gen::GeneratorOptions options;
        options.year = year;
        options.month = month;
        options.day = 1;
        options.firstPublisher = KnownPublisher(fieldMissionary);
        const test::TempFolder folder;
        EXPECT_TRUE(gen::WriteCongregation(gen::Generate(options), folder.Str()));
        EXPECT_TRUE(table.Allocate());
        table.Load(groups, folder.Str());
        remarks.Load(table, folder.Str());
        layout.LoadDefaults(0, test::RcStringSource());
    }
    PublisherTable table;
    GroupFile groups;
    RemarkTable remarks;
    CardLayout layout;
};

struct Opening {
    int year;
    int month;         // 1..12, the month in which the window was opened
    int reportMonth;   // the month before it, 0 = January
};

FiguresPage PageOf(const Congregation& c, const Opening& opening, std::string_view top, std::string_view left) {
    std::array<bool, kCardRows> all{};
    all.fill(true);
    return FiguresPage{c.table, c.remarks, 1, c.layout, top, left, opening.reportMonth, opening.year, all, false, 238};
}

// Device positions of the default card layout with the given margins.
struct Geometry {
    unsigned px, py;
    int rowTop, rowHeight;
    int serviceX, studiesX, auxiliaryX, hoursX, remarksX;
    int boxWidth, boxHeight, outlinePen, tickPen, fontHeight;
};

struct ExpectedText {
    int x, y;
    TextAlign align;
    std::string text;
};

std::string Cp(const char* utf8) { return gen::Utf8ToCp1250(utf8).value(); }

// Checks the whole page: for each row in `rows`, in order, its two boxes
// with their outline and tick, its texts at their places and alignments,
// all in the one figures font, which is selected back and deleted.
void ExpectPage(const RecordingSurface& s, const Geometry& g, const std::vector<int>& rows, bool fieldMissionary) {
    std::vector<ExpectedText> texts;
    std::size_t line = 0;
    const auto expectBox = [&](int x, int y, bool marked, const char* what, int row) {
        SCOPED_TRACE(testing::Message() << what << " box of row " << row);
        ASSERT_LE(line + 4 + (marked ? 2 : 0), s.lines.size());
        const RecordingSurface::Line outline[4] = {{x, y, x - g.boxWidth, y, 0},
                                                   {x - g.boxWidth, y, x - g.boxWidth, y - g.boxHeight, 0},
                                                   {x - g.boxWidth, y - g.boxHeight, x, y - g.boxHeight, 0},
                                                   {x, y - g.boxHeight, x, y, 0}};
        for (const auto& expected : outline) {
            RecordingSurface::Line drawn = s.lines[line++];
            EXPECT_EQ(s.PenWidthOf(drawn), g.outlinePen);
            drawn.pen = 0;
            EXPECT_EQ(drawn, expected);
        }
        if (marked) {
            for (int i = 0; i < 2; ++i) EXPECT_EQ(s.PenWidthOf(s.lines[line++]), g.tickPen);
        }
        // The next box starts where this one ends, so an unexpected tick shows
        // as a misplaced outline.
    };
    for (const int row : rows) {
        const RowOnPage& r = kRows[row];
        const int top = g.rowTop + row * g.rowHeight;
        const int boxBottom = top + g.rowHeight - g.rowHeight / 2;
        expectBox(g.serviceX, boxBottom, r.shared, "shared", row);
        texts.push_back({g.studiesX, top, TextAlign::Right, r.studies});
        expectBox(g.auxiliaryX, boxBottom, r.auxiliary, "auxiliary", row);
        if (const char* hours = fieldMissionary ? r.hoursOfFieldMissionary : r.hours) {
            texts.push_back({g.hoursX, top, TextAlign::Right, hours});
        }
        if (r.remark != nullptr) texts.push_back({g.remarksX, top, TextAlign::Left, Cp(r.remark)});
    }
    EXPECT_EQ(line, s.lines.size()) << "lines beyond the boxes";

    ASSERT_EQ(s.texts.size(), texts.size());
    const SurfaceObject font = s.texts.empty() ? 0 : s.texts.front().font;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const RecordingSurface::Text& drawn = s.texts[i];
        SCOPED_TRACE(testing::Message() << "text " << i << " \"" << texts[i].text << '"');
        EXPECT_EQ(drawn.x, texts[i].x);
        EXPECT_EQ(drawn.y, texts[i].y);
        EXPECT_EQ(drawn.align, texts[i].align);
        EXPECT_EQ(drawn.text, texts[i].text);
        EXPECT_FALSE(drawn.clipped);
        EXPECT_EQ(drawn.font, font);
    }
    if (font != 0) {
        const FontSpec& figuresFont = s.ObjectOf(font).font;
        EXPECT_EQ(figuresFont.faceName, "Arial");
        EXPECT_EQ(figuresFont.height, g.fontHeight);
        EXPECT_EQ(figuresFont.charSet, 238);
    }
    EXPECT_TRUE(s.textMapping);
    EXPECT_EQ(s.CurrentAlign(), TextAlign::Right);
    EXPECT_EQ(s.SelectedFont(), s.DefaultFont());
    EXPECT_EQ(s.SelectedPen(), s.DefaultPen());
    EXPECT_EQ(s.LiveObjects(), 0);
    EXPECT_TRUE(s.misuse.empty()) << s.misuse.front();
}

std::vector<int> RowsFrom(int first) {
    std::vector<int> rows;
    for (int row = first; row < 12; ++row) rows.push_back(row);
    return rows;
}

struct PageCase {
    const char* name;
    Opening opening;
    const char* topMargin;
    const char* leftMargin;
    MarginOffsets margins;
    Geometry geometry;
};

// Default layout: top 2.62, height 3.10, columns 1.60, 2.60, 3.35, 4.35 and
// 4.65 inches, each column from the left margin.
const PageCase kPages[] = {
    {"March2025At600", {2025, 3, 1}, "0.00", "0.20", {120, 0},
     {600, 600, 1572, 155, 1080, 1680, 2130, 2730, 2910, 85, 85, 5, 13, -83}},
    {"January2025At300", {2025, 1, 11}, "0.00", "0.20", {60, 0},
     {300, 300, 786, 77, 540, 840, 1065, 1365, 1455, 42, 42, 2, 6, -42}},
    {"October2024At600By300WithTopMargin", {2024, 10, 8}, "0.15", "0.05", {30, 45},
     {600, 300, 831, 77, 990, 1590, 2040, 2640, 2820, 85, 42, 5, 13, -42}},
    {"October2025At600", {2025, 10, 8}, "1.00", "0.00", {0, 600},
     {600, 600, 2172, 155, 960, 1560, 2010, 2610, 2790, 85, 85, 5, 13, -83}},
};

class FiguresPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(FiguresPageTest, PlacesEveryFigureOfEveryTickedRow) {
    const PageCase& c = GetParam();
    for (const bool fieldMissionary : {false, true}) {
        SCOPED_TRACE(fieldMissionary ? "field missionary" : "publisher");
        const Congregation data(c.opening.year, c.opening.month, fieldMissionary);
        RecordingSurface surface(c.geometry.px, c.geometry.py);
        EXPECT_EQ(ComposeFiguresPage(surface, PageOf(data, c.opening, c.topMargin, c.leftMargin)), c.margins);
        ExpectPage(surface, c.geometry, RowsFrom(0), fieldMissionary);
    }
}

INSTANTIATE_TEST_SUITE_P(Openings, FiguresPageTest, ::testing::ValuesIn(kPages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FiguresPageRows, PrintsOnlyTheTickedRows) {
    const Congregation data(2025, 3, false);
    struct Case { std::vector<int> ticked; };
    for (const Case& c : {Case{{}}, Case{{0, 1}}, Case{{3}}, Case{{4, 7, 11}}, Case{{11}}}) {
        SCOPED_TRACE(testing::PrintToString(c.ticked));
        FiguresPage page = PageOf(data, {2025, 3, 1}, "0.00", "0.20");
        page.rowTicked.fill(false);
        for (const int row : c.ticked) page.rowTicked[static_cast<std::size_t>(row)] = true;
        RecordingSurface surface(600, 600);
        ComposeFiguresPage(surface, page);
        ExpectPage(surface, kPages[0].geometry, c.ticked, false);
    }
}

TEST(FiguresPageRows, PreviousYearLeavesOutTheRowsBeforeTheMonthOfOpening) {
    struct Case { Opening opening; int firstRow; };
    for (const Case& c : {Case{{2025, 3, 1}, 6}, Case{{2025, 1, 11}, 4}, Case{{2024, 10, 8}, 1},
                          Case{{2025, 9, 7}, 12}, Case{{2025, 8, 6}, 11}}) {
        SCOPED_TRACE(testing::Message() << c.opening.year << "-" << c.opening.month);
        const Congregation data(c.opening.year, c.opening.month, false);
        FiguresPage page = PageOf(data, c.opening, "0.00", "0.20");
        page.previousYear = true;
        RecordingSurface surface(600, 600);
        ComposeFiguresPage(surface, page);
        ExpectPage(surface, kPages[0].geometry, RowsFrom(c.firstRow), false);
    }
}

TEST(ComputeMarginOffsetsTest, TurnsTheMarginTextsIntoDeviceUnitsPerAxis) {
    struct Case { unsigned px, py; const char* left; const char* top; MarginOffsets offsets; };
    for (const Case& c : {Case{600, 600, "0.20", "0.00", {120, 0}}, Case{300, 600, "0.20", "0.15", {60, 90}},
                          Case{96, 96, "1.5", "", {100, 0}}, Case{600, 300, "9.99", "x", {5994, 0}}}) {
        EXPECT_EQ(ComputeMarginOffsets(c.px, c.py, c.left, c.top), c.offsets) << c.left << " / " << c.top;
    }
}

}  // namespace
}  // namespace vorlant
