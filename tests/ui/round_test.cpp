// The month's round and the record of what was printed, through the private
// PDF printer of the test scripts: which cards came out, for whom, and what
// the record holds after each step.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "dialog_driving.h"
#include "layout/file_message.h"
#include "mainwin/print_record.h"
#include "resources/resource.h"
#include "support/rc_strings.h"
#include "ui_support.h"

namespace vorlant::uitest {
namespace {

constexpr DWORD kPrintTimeoutMs = 60000;

// A card: who it is for, by record number, and the rows ticked.
using RecordRows = std::set<std::tuple<int, std::string, int, int>>;  // id, name, card year, month

class RoundTest : public VorlantTest {
protected:
    void SetUp() override {
        VorlantTest::SetUp();
        pdfFolder = std::getenv("VORLANT_PDF_DIR");
        if (pdfFolder == nullptr) GTEST_SKIP() << "no PDF printer: run under tools/test.sh as root";
        gen::GeneratorOptions options;
        options.publishers = 6;
        WriteCongregation(options);
        ASSERT_NE(Start(), nullptr);
        // The reported months of the card year, at most three: September up to last month.
        SYSTEMTIME now{};
        GetLocalTime(&now);
        const int reportMonth = now.wMonth > 1 ? now.wMonth - 2 : 11;
        const int limitRow = reportMonth <= 7 ? reportMonth + 5 : reportMonth - 7;
        for (int row = 0; row < std::min(limitRow, 3); ++row) {
            ticked.push_back(row);
            winauto::Click(mainWindow, IDC_MONTH_FIRST + row);
            ASSERT_TRUE(winauto::WaitUntil([&] { return winauto::ItemChecked(mainWindow, IDC_MONTH_FIRST + row); },
                                           5000));
        }
        entries = winauto::ListItems(mainWindow, IDC_PUBLISHER_LIST);
        ASSERT_GE(entries.size(), 4u);
        pdfsBefore = winauto::PdfFiles(pdfFolder);
    }

    const gen::PublisherInfo& PublisherOfEntry(int entry) const {
        const auto record = winauto::SendToItem(mainWindow, IDC_PUBLISHER_LIST, LB_GETITEMDATA,
                                                static_cast<WPARAM>(entry));
        return congregation.publishers.at(static_cast<std::size_t>(record) - 1);
    }

    // The words that the ticked rows of entry `entry`'s card carry, sorted.
    std::vector<std::string> CardWords(int entry) const {
        const gen::PublisherInfo& p = PublisherOfEntry(entry);
        std::vector<std::string> words;
        for (const int row : ticked) {
            const int month = (row + 8) % 12;
            const gen::MonthFigures& f =
                p.months[static_cast<std::size_t>(month)][gen::CardYearSlot(congregation.serviceYear, month)];
            if (f.studies != 0) words.push_back(std::to_string(f.studies));
            if ((p.fieldMissionary || f.status != 0) && f.hours != 0) words.push_back(std::to_string(f.hours));
            std::istringstream remark(f.remark);
            for (std::string word; remark >> word;) words.push_back(word);
        }
        std::ranges::sort(words);
        return words;
    }

    // The words of the next card that comes out, sorted.
    std::vector<std::string> NextCardWords(std::set<std::string>& seen) {
        const std::string pdf = winauto::WaitForNewPdf(pdfFolder, seen, kPrintTimeoutMs);
        EXPECT_FALSE(pdf.empty()) << "no card came out";
        if (pdf.empty()) return {"(none)"};
        seen.insert(pdf);
        const std::string q = "'" + pdf + "'";
        EXPECT_TRUE(RunUnixCommands("pdftotext " + q + " " + q + ".txt", pdf + ".status"));
        std::istringstream text(ReadWholeFile(pdf + ".txt"));
        std::vector<std::string> words;
        for (std::string word; text >> word;) words.push_back(word);
        std::ranges::sort(words);
        return words;
    }

    // The record's lines as the entries' people and the ticked months of this card year.
    RecordRows Expected(const std::vector<int>& printedEntries) const {
        RecordRows rows;
        for (const int entry : printedEntries) {
            const gen::PublisherInfo& p = PublisherOfEntry(entry);
            for (const int row : ticked) {
                rows.emplace(p.id, entries[static_cast<std::size_t>(entry)], congregation.serviceYear,
                             (row + 8) % 12 + 1);
            }
        }
        return rows;
    }

    PrintRecord ReadRecord() const {
        const std::vector<std::uint8_t> bytes = folder.Read(kPrintRecordFileName);
        return ParsePrintRecord(std::string(bytes.begin(), bytes.end()));
    }

    RecordRows Recorded() const {
        const PrintRecord record = ReadRecord();
        EXPECT_EQ(record.unreadableLines, 0u);
        RecordRows rows;
        for (const PrintedRow& r : record.rows) {
            rows.emplace(r.person.publisherId, r.person.name, r.cardYear, r.month);
        }
        EXPECT_EQ(rows.size(), record.rows.size()) << "a row recorded twice";
        return rows;
    }

    HWND WaitForCardDialog() {
        HWND dialog = WaitForOtherWindow(*program, mainWindow,
                                         [](HWND w) { return GetDlgItem(w, IDC_ROUND_SKIP) != nullptr; });
        EXPECT_NE(dialog, nullptr) << "no card asked for";
        return dialog;
    }

    std::string Summary(int printed, int passedOver, int skipped) const {
        std::string text = FillIn(strings.Load(IDS_ROUND_SUMMARY), std::to_string(printed));
        return FillIn(FillIn(text, std::to_string(passedOver)), std::to_string(skipped));
    }

    const test::RcStringSource strings;
    const char* pdfFolder = nullptr;
    std::set<std::string> pdfsBefore;
    std::vector<int> ticked;
    std::vector<std::string> entries;
};

TEST_F(RoundTest, ASecondPrintOfTheSameMonthsAsksAndNoPrintsNothing) {
    std::set<std::string> seen = pdfsBefore;
    winauto::Click(mainWindow, IDC_PRINT);
    EXPECT_EQ(NextCardWords(seen), CardWords(0));
    EXPECT_EQ(Recorded(), Expected({0}));

    for (const int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer == IDNO ? "Nie" : "Tak");
        PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_PRINT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(mainWindow, IDC_PRINT)));
        HWND box = WaitForMessageBox(*program);
        ASSERT_NE(box, nullptr) << "no warning";
        const std::string warning = winauto::ItemText(box, 0xFFFF);
        EXPECT_NE(warning.find(entries[0]), std::string::npos) << warning;
        for (const int row : ticked) {
            const std::string month = strings.Load(IDS_MONTH_FULL_BASE + static_cast<unsigned>((row + 8) % 12));
            EXPECT_NE(warning.find(month + " ("), std::string::npos) << warning;
        }
        CloseWith(box, answer);
        EXPECT_TRUE(WaitForFocus(mainWindow, IDC_PUBLISHER_LIST));
    }
    // Nie printed nothing: the card of Tak is the next one that came out, and the last.
    EXPECT_EQ(NextCardWords(seen), CardWords(0));

    // With one more month ticked the round asks for the card and names the months it prints again.
    std::vector<std::string> again;
    for (const int row : ticked) {
        again.push_back(strings.Load(IDS_MONTH_FULL_BASE + static_cast<unsigned>((row + 8) % 12)));
    }
    const int extra = static_cast<int>(ticked.size());
    winauto::Click(mainWindow, IDC_MONTH_FIRST + extra);
    ASSERT_TRUE(winauto::WaitUntil([&] { return winauto::ItemChecked(mainWindow, IDC_MONTH_FIRST + extra); }, 5000));
    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ROUND, 0);
    HWND dialog = WaitForCardDialog();
    ASSERT_NE(dialog, nullptr);
    std::string months;
    for (const std::string& month : again) months += (months.empty() ? "" : ", ") + month;
    EXPECT_EQ(winauto::ItemText(dialog, IDC_ROUND_AGAIN), FillIn(strings.Load(IDS_ROUND_AGAIN), months));
    CloseWith(dialog, IDCANCEL);
    EXPECT_EQ(TakeMessage(*program), Summary(0, 0, 0));
    ExitWithButton();
    EXPECT_EQ(winauto::PdfFiles(pdfFolder).size(), pdfsBefore.size() + 2);
    EXPECT_EQ(ReadRecord().rows.size(), 2 * ticked.size()) << "Tak records the rows again";
}

TEST_F(RoundTest, PrintsTheListsCardsOneAfterAnotherAndASecondRoundPassesOverThosePrinted) {
    const auto count = std::to_string(entries.size());
    std::set<std::string> seen = pdfsBefore;
    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ROUND, 0);
    for (const auto& [entry, answer] :
         {std::pair{0, IDOK}, std::pair{1, IDC_ROUND_SKIP}, std::pair{2, IDOK}, std::pair{3, IDCANCEL}}) {
        HWND dialog = WaitForCardDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(winauto::ListSelection(mainWindow, IDC_PUBLISHER_LIST), entry) << "the list shows whose card";
        const std::string card = FillIn(strings.Load(IDS_ROUND_CARD), entries[static_cast<std::size_t>(entry)]);
        EXPECT_EQ(winauto::ItemText(dialog, IDC_ROUND_CARD), FillIn(FillIn(card, std::to_string(entry + 1)), count));
        EXPECT_EQ(winauto::ItemText(dialog, IDC_ROUND_AGAIN), "");
        CloseWith(dialog, answer);
        if (answer == IDOK) {
            EXPECT_EQ(NextCardWords(seen), CardWords(entry)) << "the card of entry " << entry;
        }
    }
    EXPECT_EQ(TakeMessage(*program), Summary(2, 0, 1));
    EXPECT_EQ(Recorded(), Expected({0, 2}));

    // Entry 0 is passed over; entry 1 printed; entry 2 passed over; the round ends at entry 3.
    PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_ROUND, 0);
    for (const auto& [entry, answer] : {std::pair{1, IDOK}, std::pair{3, IDCANCEL}}) {
        HWND dialog = WaitForCardDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(winauto::ListSelection(mainWindow, IDC_PUBLISHER_LIST), entry);
        CloseWith(dialog, answer);
    }
    EXPECT_EQ(NextCardWords(seen), CardWords(1));
    EXPECT_EQ(TakeMessage(*program), Summary(1, 2, 0));
    EXPECT_EQ(Recorded(), Expected({0, 1, 2}));
    ExitWithButton();
    EXPECT_EQ(winauto::PdfFiles(pdfFolder).size(), pdfsBefore.size() + 3) << "one document per card, no more";
}

}  // namespace
}  // namespace vorlant::uitest
