// The month's round and the record of what was printed, through the private PDF printer of the test scripts.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

#include "common/text.h"
#include "dialog_driving.h"
#include "layout/file_message.h"
#include "mainwin/print_record.h"
#include "printed_pdf.h"
#include "resources/resource.h"
#include "support/rc_strings.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

class RoundTest : public PrintingTest {
protected:
    // The words of the ticked rows of entry `entry`'s card, or of the next card out for -1, sorted.
    std::vector<std::string> CardWords(int entry) {
        std::vector<std::string> words;
        if (entry < 0) {
            const std::string pdf = winauto::WaitForNewPdf(pdfFolder, pdfsBefore, 60000);
            pdfsBefore.insert(pdf);  // now the documents seen
            const std::string q = "'" + pdf + "'";
            EXPECT_TRUE(!pdf.empty() && RunUnixCommands("pdftotext " + q + " " + q + ".txt", pdf + ".status"));
            std::istringstream text(ReadWholeFile(pdf + ".txt"));
            for (std::string word; text >> word;) words.push_back(word);
        } else {
            const gen::PublisherInfo& p = Publisher(entry);
            for (int row = 0; row < ticked; ++row) {
                const int m = (row + 8) % 12;
                const gen::MonthFigures& f = p.months[std::size_t(m)][gen::CardYearSlot(congregation.serviceYear, m)];
                if (f.studies != 0) words.push_back(std::to_string(f.studies));
                if ((p.fieldMissionary || f.status != 0) && f.hours != 0) words.push_back(std::to_string(f.hours));
                std::istringstream remark(f.remark);
                for (std::string word; remark >> word;) words.push_back(word);
            }
        }
        std::ranges::sort(words);
        return words;
    }
    const gen::PublisherInfo& Publisher(int entry) const {
        const auto record = winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETITEMDATA, WPARAM(entry));
        return congregation.publishers.at(std::size_t(record) - 1);
    }
    // The record's lines as (id, name, card year, month); those of the ticked rows of `entries`' cards.
    using Rows = std::multiset<std::tuple<int, std::string, int, int>>;
    Rows Recorded() const {
        const std::vector<std::uint8_t> bytes = folder.Read(kPrintRecordFileName);
        Rows rows;
        for (const PrintedRow& r : ParsePrintRecord(std::string(bytes.begin(), bytes.end())).rows) {
            rows.emplace(r.person.publisherId, r.person.name, r.cardYear, r.month);
        }
        return rows;
    }
    Rows Expected(std::initializer_list<int> entries) const {
        Rows rows;
        for (const int e : entries) {
            for (int row = 0; row < ticked; ++row) {
                rows.emplace(Publisher(e).id, names[std::size_t(e)], congregation.serviceYear, (row + 8) % 12 + 1);
            }
        }
        return rows;
    }
    // Answers the round's card dialog, which names entry `entry`.
    void Answer(int entry, int button) {
        HWND dialog = WaitForOtherWindow(*program, mainWindow, [](HWND w) { return GetDlgItem(w, IDC_ROUND_SKIP); });
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(winauto::ListSelection(mainWindow, IDC_PUBLISHER_LIST), entry) << "the list shows whose card";
        const std::string card = FillIn(FillIn(FillIn(strings.Load(IDS_ROUND_CARD), names[std::size_t(entry)]),
                                               std::to_string(entry + 1)), std::to_string(names.size()));
        EXPECT_EQ(winauto::ItemText(dialog, IDC_ROUND_CARD), card);
        EXPECT_EQ(winauto::ItemText(dialog, IDC_ROUND_AGAIN), "");
        CloseWith(dialog, button);
        if (button != IDOK) return;
        EXPECT_EQ(CardWords(-1), CardWords(entry)) << "the card of entry " << entry;
    }
    std::string Summary(int printed, int passedOver, int skipped) const {
        return FillIn(FillIn(FillIn(strings.Load(IDS_ROUND_SUMMARY), std::to_string(printed)),
                             std::to_string(passedOver)), std::to_string(skipped));
    }
    std::string Month(int row) const { return strings.Load(IDS_MONTH_FULL_BASE + unsigned(row + 8) % 12); }

    const test::RcStringSource strings;
    int ticked = 0;  // rows from September
    std::vector<std::string> names;
};

TEST_F(RoundTest, PrintsTheListsCardsOnceEachAndAsksBeforeAMonthIsPrintedTwice) {
    gen::GeneratorOptions options;
    options.publishers = 6;
    ASSERT_NE(StartWith(options), nullptr);
    // The months reported, at most three: September up to last month.
    const int reportMonth = congregation.reportMonth;
    for (ticked = 0; ticked < std::min(reportMonth <= 7 ? reportMonth + 5 : reportMonth - 7, 3); ++ticked) {
        ASSERT_NO_FATAL_FAILURE(Tick(mainWindow, IDC_MONTH_FIRST + ticked));
    }
    names = winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST);
    ASSERT_GE(names.size(), 4u);

    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ROUND, 0);
    for (const auto& [entry, button] : {std::pair{0, IDOK}, {1, IDC_ROUND_SKIP}, {2, IDOK}, {3, IDCANCEL}}) {
        ASSERT_NO_FATAL_FAILURE(Answer(entry, button));
    }
    EXPECT_EQ(TakeMessage(*program), Summary(2, 0, 1));
    EXPECT_EQ(Recorded(), Expected({0, 2}));
    // The next round passes over the cards printed.
    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ROUND, 0);
    ASSERT_NO_FATAL_FAILURE(Answer(1, IDOK));
    ASSERT_NO_FATAL_FAILURE(Answer(3, IDCANCEL));
    EXPECT_EQ(TakeMessage(*program), Summary(1, 2, 0));
    EXPECT_EQ(Recorded(), Expected({0, 1, 2}));

    // "Drukuj" for entry 0: the warning names the months printed with when; Nie prints nothing, Tak prints.
    ASSERT_TRUE(winauto::SelectListEntry(mainWindow, IDC_PUBLISHER_LIST, 0));
    for (const int answer : {IDNO, IDYES}) {
        PostMessageA(mainWindow, WM_COMMAND, IDC_PRINT, LPARAM(GetDlgItem(mainWindow, IDC_PRINT)));
        HWND box = WaitForMessageBox(*program);
        ASSERT_NE(box, nullptr) << "no warning";
        const std::string warning = winauto::ItemText(box, 0xFFFF);
        for (int row = 0; row < ticked; ++row) EXPECT_NE(warning.find(Month(row) + " ("), std::string::npos) << warning;
        CloseWith(box, answer);
    }
    EXPECT_EQ(CardWords(-1), CardWords(0)) << "the card of Tak is the next one out";
    EXPECT_EQ(Recorded(), Expected({0, 0, 1, 2})) << "Tak records the months again";
    ExitWithButton();
    EXPECT_EQ(winauto::PdfFiles(pdfFolder), pdfsBefore) << "one document per card, no more";
}

}  // namespace
}  // namespace vorlant::uitest
