// The whole card on plain paper through the real spooler: one publisher's, then the whole list's in one
// document, read back with pdftotext -bbox as words on the paper.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "dialog_driving.h"
#include "printed_pdf.h"
#include "resources/resource.h"
#include "support/rc_strings.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

using winauto::ItemChecked;
using winauto::WaitUntil;

constexpr DWORD kPrintTimeoutMs = 60000;

// The known publisher's rows from September: the ticked ones (September, October and August) and one that is
// not. Fields: pioneer status, hours, studies, shared, remark.
const std::map<int, gen::FixedRow> kRows{{0, {2, 73, 4, true, "Chory"}},
                                         {1, {0, 12, 2, true, ""}},  // a publisher's hours: not printed
                                         {2, {1, 31, 9, false, "Nie"}},
                                         {11, {3, 65, 1, true, "Łódź"}}};
constexpr int kTicked[] = {0, 1, 11};
// Where each word must stand: its row (12: "Ogółem") and column (0: month .. 5: remarks).
const std::map<std::string, std::pair<int, int>> kFigures{{"4", {0, 2}},  {"73", {0, 4}}, {"Chory", {0, 5}},
                                                          {"2", {1, 2}},  {"1", {11, 2}}, {"65", {11, 4}},
                                                          {"Łódź", {11, 5}}, {"138", {12, 4}}};

// The words of one page.
std::vector<Word> PageWords(const Card& card, int page) {
    std::vector<Word> words;
    std::ranges::copy_if(card.words, std::back_inserter(words), [&](const Word& w) { return w.page == page; });
    return words;
}

bool HasWord(const std::vector<Word>& words, const std::string& text) {
    return std::ranges::any_of(words, [&](const Word& w) { return w.text == text || w.text == text + ","; });
}

class FullCardTest : public VorlantTest {
protected:
    void SetUp() override {
        VorlantTest::SetUp();
        pdfFolder = std::getenv("VORLANT_PDF_DIR");
        if (pdfFolder == nullptr) GTEST_SKIP() << "no PDF printer: run under tools/test.sh as root";
        printer = DefaultPrinter();
        ASSERT_TRUE(printer) << "no default printer";
    }

    void StartTicked(const gen::GeneratorOptions& options) {
        WriteCongregation(options);
        ASSERT_NE(Start(), nullptr);
        for (const int row : kTicked) {
            winauto::Click(mainWindow, IDC_MONTH_FIRST + row);
            ASSERT_TRUE(WaitUntil([&] { return ItemChecked(mainWindow, IDC_MONTH_FIRST + row); }, 5000));
        }
    }

    // The document that `print` makes, read back.
    std::optional<Card> Printed(const std::function<void()>& print) {
        const std::set<std::string> before = winauto::PdfFiles(pdfFolder);
        print();
        const std::string pdf = winauto::WaitForNewPdf(pdfFolder, before, kPrintTimeoutMs);
        EXPECT_TRUE(WaitForFocus(mainWindow, IDC_PUBLISHER_LIST));
        return pdf.empty() ? std::nullopt : ReadCard(pdf, *printer);
    }

    const test::RcStringSource strings;
    const char* pdfFolder = nullptr;
    std::optional<Printer> printer;
};

TEST_F(FullCardTest, PrintsTheSelectedPublishersCompleteCardWithEveryFigureInItsRowAndColumn) {
    gen::GeneratorOptions options;
    options.publishers = 4;
    options.firstPublisher = gen::FixedPublisher{"Józef", "Wiśniewski"};
    for (const auto& [row, figures] : kRows) options.firstPublisher->rows[static_cast<std::size_t>(row)] = figures;
    ASSERT_NO_FATAL_FAILURE(StartTicked(options));
    ASSERT_TRUE(winauto::ItemVisible(mainWindow, IDC_PRINT_FULL_CARD));
    ASSERT_FALSE(ItemChecked(mainWindow, IDC_PRINT_FULL_CARD)) << "unticked at the start";
    winauto::Click(mainWindow, IDC_PRINT_FULL_CARD);
    ASSERT_TRUE(WaitUntil([&] { return ItemChecked(mainWindow, IDC_PRINT_FULL_CARD); }, 5000));
    const auto record = static_cast<std::size_t>(
        winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETITEMDATA,
                            static_cast<WPARAM>(winauto::ListSelection(mainWindow, IDC_PUBLISHER_LIST))));
    ASSERT_EQ(congregation.publishers.at(record - 1).lastName, "Wiśniewski");

    const std::optional<Card> card = Printed([&] { winauto::Click(mainWindow, IDC_PRINT); });
    ASSERT_TRUE(card) << "no card read from " << pdfFolder;
    EXPECT_EQ(card->pages, 1);
    const std::vector<Word>& words = card->words;
    EXPECT_TRUE(HasWord(words, "Józef") && HasWord(words, "Wiśniewski"));
    const gen::PublisherInfo& p = congregation.publishers[record - 1];
    for (const std::string& date : {p.birthDate, p.baptismDate}) {
        const std::string shown = date.size() == 8 ? date.substr(0, 2) + "/" + date.substr(2, 2) + "/" + date.substr(4) : "";
        if (!shown.empty()) {
            EXPECT_TRUE(HasWord(words, shown)) << shown;
        }
    }
    std::ostringstream year;
    year << congregation.serviceYear - 1 << "/" << congregation.serviceYear;
    EXPECT_TRUE(HasWord(words, year.str())) << "the service year";

    // Rows by the months' names down the first column; columns by the headings, centred in them, from the
    // table's left line, 0.06 inch before the months' names.
    std::vector<double> rowY, columnX;
    double tableLeft = 1e9;
    for (int row = 0; row < 12; ++row) {
        const std::string month = strings.Load(IDS_FULL_CARD_MONTH_BASE + static_cast<unsigned>(row));
        const auto found = std::ranges::find(words, month, &Word::text);
        ASSERT_NE(found, words.end()) << month;
        rowY.push_back((found->yMin + found->yMax) / 2);
        tableLeft = std::min(tableLeft, found->xMin - 0.06 * 72);
    }
    rowY.push_back(2 * rowY[11] - rowY[10]);  // "Ogółem"
    std::istringstream headings(strings.Load(IDS_FULL_CARD_HEADINGS));
    for (std::string heading; std::getline(headings, heading, '|');) {
        const std::string first = heading.substr(0, heading.find(' '));
        const auto found = std::ranges::find_if(words, [&](const Word& w) {
            return w.text == first && w.yMax < rowY[0] && w.yMin > rowY[0] - 72;
        });
        ASSERT_NE(found, words.end()) << first;
        columnX.push_back((found->xMin + found->xMax) / 2);
    }
    std::vector<double> edges{tableLeft};
    for (const double centre : columnX) edges.push_back(2 * centre - edges.back());
    const auto column = [&](double x) {
        return static_cast<int>(std::ranges::upper_bound(edges, x) - edges.begin()) - 1;
    };
    const auto nearest = [](const std::vector<double>& at, double v) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < at.size(); ++i) best = std::abs(at[i] - v) < std::abs(at[best] - v) ? i : best;
        return static_cast<int>(best);
    };
    // Under the headings only the months' names, "Ogółem" and the figures.
    std::set<std::string> labels{strings.Load(IDS_PREVIEW_TOTAL)};
    for (int row = 0; row < 12; ++row) labels.insert(strings.Load(IDS_FULL_CARD_MONTH_BASE + static_cast<unsigned>(row)));
    std::set<std::string> seen;
    for (const Word& w : words) {
        if (w.yMax < rowY[0] - 10 || labels.contains(w.text)) continue;
        const std::pair<int, int> at{nearest(rowY, (w.yMin + w.yMax) / 2), column((w.xMin + w.xMax) / 2)};
        const auto expected = kFigures.find(w.text);
        ASSERT_NE(expected, kFigures.end()) << w.text << " in row " << at.first << ", column " << at.second;
        EXPECT_EQ(at, expected->second) << w.text;
        seen.insert(w.text);
    }
    EXPECT_EQ(seen.size(), kFigures.size()) << "a figure is missing";
    ExitWithButton();
}

TEST_F(FullCardTest, PrintsEveryoneOnTheListInOneDocumentInTheListsOrderAfterAsking) {
    gen::GeneratorOptions options;
    options.publishers = 6;
    options.groups = 1;
    WriteCongregation(options);
    ASSERT_NE(Start(), nullptr);

    // Without a ticked month it says so and prints nothing.
    const std::set<std::string> before = winauto::PdfFiles(pdfFolder);
    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_FULL_CARDS, 0);
    EXPECT_EQ(TakeMessage(*program), strings.Load(IDS_FULL_CARD_NO_MONTH));
    ExitWithButton();
    ASSERT_NO_FATAL_FAILURE(StartTicked(options));

    const int entries = static_cast<int>(winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST).size());
    ASSERT_GT(entries, 1);
    const std::optional<Card> cards = Printed([&] {
        PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_FULL_CARDS, 0);
        HWND question = WaitForMessageBox(*program);
        ASSERT_NE(question, nullptr);
        EXPECT_NE(winauto::ItemText(question, 0xFFFF).find(std::to_string(entries)), std::string::npos);
        CloseWith(question, IDYES);
    });
    ASSERT_TRUE(cards) << "no document read from " << pdfFolder;
    EXPECT_EQ(cards->pages, entries) << "one page per publisher";
    for (int entry = 0; entry < entries && entry < cards->pages; ++entry) {
        const auto record = winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETITEMDATA,
                                                static_cast<WPARAM>(entry));
        const gen::PublisherInfo& p = congregation.publishers.at(static_cast<std::size_t>(record) - 1);
        const std::vector<Word> page = PageWords(*cards, entry);
        const bool longName = p.details == gen::DetailsCase::LongName;
        std::istringstream name(longName ? p.longName : p.firstName + " " + p.lastName);
        for (std::string word; name >> word;) EXPECT_TRUE(HasWord(page, word)) << word << " on page " << entry;
    }
    EXPECT_EQ(winauto::PdfFiles(pdfFolder).size(), before.size() + 1) << "one document";
    ExitWithButton();
}

}  // namespace
}  // namespace vorlant::uitest
