// The whole card on plain paper through the real spooler: one publisher's, then the whole list's in one document.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "dialog_driving.h"
#include "printed_pdf.h"
#include "render/full_card_page.h"
#include "resources/resource.h"
#include "support/rc_strings.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

// The known publisher's rows from September (status, hours, studies, shared, remark); November is not ticked.
// October's hours are a publisher's: not printed.
const std::map<int, gen::FixedRow> kRows{{0, {2, 73, 4, true, "Chory"}}, {1, {0, 12, 2, true, ""}},
                                         {2, {1, 31, 9, false, "Nie"}}, {11, {3, 65, 1, true, "Łódź"}}};
constexpr int kTicked[] = {0, 1, 11};
// Each word of the table but the months' names, in its row (kTotalRow: "Ogółem") and column (5: remarks).
const std::map<std::string, std::pair<int, int>> kFigures{{"4", {0, 2}}, {"73", {0, 4}}, {"Chory", {0, 5}},
    {"2", {1, 2}}, {"1", {11, 2}}, {"65", {11, 4}}, {"Łódź", {11, 5}}, {"138", {kTotalRow, 4}}};

bool HasWord(const Card& card, int page, const std::string& text) {
    return std::ranges::any_of(card.words, [&](const Word& w) { return w.page == page && w.text == text; });
}

class FullCardTest : public PrintingTest {
protected:
    const test::RcStringSource strings;
};

TEST_F(FullCardTest, PrintsTheSelectedPublishersCompleteCardWithEveryFigureInItsRowAndColumn) {
    gen::GeneratorOptions options;
    options.publishers = 4;
    options.firstPublisher = gen::FixedPublisher{"Józef", "Wiśniewski"};
    for (const auto& [row, figures] : kRows) options.firstPublisher->rows[static_cast<std::size_t>(row)] = figures;
    ASSERT_NE(StartWith(options), nullptr);
    for (const int row : kTicked) Tick(mainWindow, IDC_MONTH_FIRST + row);
    ASSERT_TRUE(winauto::ItemVisible(mainWindow, IDC_PRINT_FULL_CARD));
    ASSERT_FALSE(winauto::ItemChecked(mainWindow, IDC_PRINT_FULL_CARD)) << "unticked at the start";
    Tick(mainWindow, IDC_PRINT_FULL_CARD);

    const std::optional<Card> card = Printed([&] { winauto::Click(mainWindow, IDC_PRINT); });
    ASSERT_TRUE(card) << "no card read from " << pdfFolder;
    EXPECT_EQ(card->pages, 1);
    EXPECT_TRUE(HasWord(*card, 0, "Józef") && HasWord(*card, 0, "Wiśniewski"));
    for (const std::string& d : {congregation.publishers[0].birthDate, congregation.publishers[0].baptismDate}) {
        EXPECT_TRUE(d.size() != 8 || HasWord(*card, 0, d.substr(0, 2) + "/" + d.substr(2, 2) + "/" + d.substr(4))) << d;
    }
    const int year = congregation.serviceYear;
    EXPECT_TRUE(HasWord(*card, 0, std::to_string(year - 1) + "/" + std::to_string(year))) << "the service year";

    // Every word below the headings in its cell: the months' names down the first column, the figures as above.
    std::map<std::string, std::pair<int, int>> expected = kFigures;
    for (int row = 0; row < kCardRows; ++row) expected[FullMonthName(row, strings)] = {row, 0};
    expected[strings.Load(IDS_PREVIEW_TOTAL)] = {kTotalRow, 0};
    const FullCardGeometry g = ComputeFullCardGeometry(printer->px, printer->py, printer->width, printer->height);
    for (const Word& w : card->words) {
        const int x = printer->XDevice((w.xMin + w.xMax) / 2), y = printer->YDevice((w.yMin + w.yMax) / 2);
        if (y < g.headingBottom) continue;
        const auto found = expected.find(w.text);
        ASSERT_NE(found, expected.end()) << w.text << " printed in the table";
        const SurfaceRect cell = g.Cell(found->second.first, found->second.second);
        EXPECT_TRUE(x > cell.left && x < cell.right && y > cell.top && y < cell.bottom) << w.text;
        expected.erase(found);
    }
    for (const auto& [text, at] : expected) ADD_FAILURE() << "missing: " << text;
    ExitWithButton();
}

TEST_F(FullCardTest, PrintsEveryoneOnTheListInOneDocumentInTheListsOrderAfterAsking) {
    gen::GeneratorOptions options;
    options.publishers = 40;
    options.groups = 1;
    ASSERT_NE(StartWith(options), nullptr);
    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_FULL_CARDS, 0);
    EXPECT_EQ(TakeMessage(*program), strings.Load(IDS_FULL_CARD_NO_MONTH)) << "without a ticked month";
    for (const int row : kTicked) Tick(mainWindow, IDC_MONTH_FIRST + row);
    const int entries = static_cast<int>(winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST).size());
    ASSERT_GT(entries, 1);
    const auto printList = [&](bool stop) {
        return Printed([&] {
            PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_FULL_CARDS, 0);
            HWND question = WaitForMessageBox(*program);
            ASSERT_NE(question, nullptr);
            EXPECT_NE(winauto::ItemText(question, 0xFFFF).find(std::to_string(entries)), std::string::npos);
            CloseWith(question, IDYES);
            if (!stop) return;  // else "Przerwij" in the window that counts the pages
            const auto counting = [](HWND w) { return GetDlgItem(w, IDC_FULL_CARD_COUNT) != nullptr; };
            CloseWith(WaitForOtherWindow(*program, mainWindow, counting), IDCANCEL);
        });
    };
    const std::optional<Card> stopped = printList(true);
    ASSERT_TRUE(stopped) << "no stopped document read from " << pdfFolder;
    EXPECT_TRUE(stopped->pages >= 1 && stopped->pages < entries) << "the pages up to the stop: " << stopped->pages;
    const std::optional<Card> cards = printList(false);
    ASSERT_TRUE(cards) << "no document read from " << pdfFolder;
    EXPECT_EQ(cards->pages, entries) << "one page per publisher";
    for (int entry = 0; entry < entries && entry < cards->pages; ++entry) {
        const auto record = winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETITEMDATA,
                                                static_cast<WPARAM>(entry));
        const gen::PublisherInfo& p = congregation.publishers.at(static_cast<std::size_t>(record) - 1);
        std::istringstream name(p.details == gen::DetailsCase::LongName ? p.longName : p.firstName + " " + p.lastName);
        for (std::string word; name >> word;) EXPECT_TRUE(HasWord(*cards, entry, word)) << word << " on page " << entry;
    }
    EXPECT_EQ(winauto::PdfFiles(pdfFolder).size(), pdfsBefore.size() + 2) << "one document each, none without a month";
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
