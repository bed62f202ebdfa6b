// The record of what was printed: its lines written and read back, and which ticked months it holds already.
#include "mainwin/print_record.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/temp_folder.h"

namespace vorlant {
namespace {

const RecordedPerson kLucja{17, "Żółkiewska-Łęcka, Łucja"};

auto Fields(const PrintedRow& r) {
    return std::tuple(r.printedAt, r.cardYear, r.month, r.person.publisherId, r.person.name);
}

// A line someone left without its line break stays as it is, and ours go on the next line; a missing file is empty.
TEST(PrintRecordTest, LinesAreAppendedAndReadBackAroundLinesThatCannotBeRead) {
    test::TempFolder folder;
    const std::string path = folder.File(kPrintRecordFileName);
    EXPECT_TRUE(ReadPrintRecord(path).rows.empty());
    const PrintedRow first{"2026-10-05 14:30", 2027, 9, kLucja};
    ASSERT_TRUE(AppendToPrintRecord(path, {first}));
    EXPECT_EQ(RecordLine(first), "2026-10-05 14:30\t2027\t9\t17\t" + kLucja.name + "\r\n");
    const auto bytes = folder.Read(kPrintRecordFileName);
    folder.Write(kPrintRecordFileName, std::string(bytes.begin(), bytes.end()) + "\xEF\xBB\xBFx\t2027");
    ASSERT_TRUE(AppendToPrintRecord(path, {{"2026-11-03 09:05", 2027, 10, {17, "Line\nbreak\tand tab"}}}));

    const PrintRecord record = ReadPrintRecord(path);
    EXPECT_EQ(record.unreadableLines, 1u);
    ASSERT_EQ(record.rows.size(), 2u);
    EXPECT_EQ(Fields(record.rows[0]), Fields(first));
    EXPECT_EQ(record.rows[1].person.name, "Line break and tab");
    for (const char* line : {"x\t2027\t9\t17", " \t2027\t9\t17\tA", "x\t2027\t13\t17\tA", "x\t-2027\t9\t17\tA",
                             "x\t2027\t9\t65536\tA", "x\t20 27\t9\t17\tA", "x\t2027\t9\t17\tA\tB"}) {
        EXPECT_FALSE(ParseRecordLine(line)) << line;
    }
    EXPECT_EQ(Fields(*ParseRecordLine("x\t1\t12\t65535\t\r")), std::tuple("x", 1, 12, 65535, ""));
}

// The same number with another name is another person; the last print of a month is the one said.
TEST(PrintRecordTest, TheTickedMonthsAlreadyPrintedAreThoseOfTheSamePersonAndCardYear) {
    PrintRecord record;
    record.rows = {{"a", 2027, 9, kLucja}, {"b", 2027, 1, kLucja}, {"c", 2027, 9, kLucja},
                   {"d", 2027, 10, {17, "Nowak, Anna"}}, {"e", 2026, 11, kLucja}, {"f", 2027, 12, {18, kLucja.name}}};
    const PrintedRows printed = PrintedRowsOf(record, kLucja, 2027);
    EXPECT_EQ(printed, (PrintedRows{"c", "", "", "", "b", "", "", "", "", "", "", ""}));

    TickedRows ticked{};
    EXPECT_FALSE(AllTickedPrinted(ticked, printed)) << "nothing ticked";
    ticked[0] = ticked[4] = true;
    EXPECT_TRUE(AllTickedPrinted(ticked, printed));
    ticked[1] = true;
    EXPECT_FALSE(AllTickedPrinted(ticked, printed));
    EXPECT_EQ(TickedAndPrinted(ticked, printed), (std::vector<int>{0, 4}));
    const std::vector<PrintedRow> card = RowsOfCard(kLucja, 2027, ticked, "g");
    ASSERT_EQ(card.size(), 3u);
    EXPECT_EQ(std::tuple(card[0].month, card[1].month, card[2].month), std::tuple(9, 10, 1));
}

}  // namespace
}  // namespace vorlant
