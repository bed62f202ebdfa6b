// The record of what was printed: its lines written and read back, and
// which ticked months the record already holds for a person's card year.
#include "mainwin/print_record.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "resources/resource.h"
#include "support/rc_strings.h"
#include "support/temp_folder.h"

namespace vorlant {
namespace {

const RecordedPerson kLucja{17, "Żółkiewska-Łęcka, Łucja"};

auto Fields(const PrintedRow& row) {
    return std::tuple(row.printedAt, row.cardYear, row.month, row.person.publisherId, row.person.name);
}

std::string FileText(const test::TempFolder& folder) {
    const auto bytes = folder.Read(kPrintRecordFileName);
    return std::string(bytes.begin(), bytes.end());
}

TEST(PrintRecordTest, LinesAreAppendedAndReadBackAroundLinesThatCannotBeRead) {
    test::TempFolder folder;
    const std::string path = folder.File(kPrintRecordFileName);
    EXPECT_TRUE(ReadPrintRecord(path).rows.empty()) << "a missing file: nothing printed";
    EXPECT_FALSE(folder.Exists(kPrintRecordFileName)) << "reading makes no file";

    const std::vector<PrintedRow> first = {{"2026-10-05 14:30", 2027, 9, kLucja},
                                           {"2026-10-05 14:30", 2027, 10, kLucja}};
    ASSERT_TRUE(AppendToPrintRecord(path, first));
    // Someone's own line, without its line break at the end of the file: kept as it stands, ours on a line after it.
    const std::string garbled = "2026-11-02\tzepsute\t3\t17\tKtoś";
    folder.Write(kPrintRecordFileName, FileText(folder) + garbled);
    const PrintedRow again{"2026-11-03 09:05", 2027, 10, {17, "Line\nbreak\tand tab"}};
    ASSERT_TRUE(AppendToPrintRecord(path, {again}));

    const std::string text = FileText(folder);
    EXPECT_NE(text.find("\r\n" + garbled + "\r\n"), std::string::npos) << text;
    EXPECT_EQ(RecordLine(first[0]), "2026-10-05 14:30\t2027\t9\t17\t" + kLucja.name + "\r\n");
    const PrintRecord record = ReadPrintRecord(path);
    EXPECT_EQ(record.unreadableLines, 1u);
    ASSERT_EQ(record.rows.size(), 3u);
    EXPECT_EQ(Fields(record.rows[0]), Fields(first[0]));
    EXPECT_EQ(Fields(record.rows[1]), Fields(first[1]));
    EXPECT_EQ(record.rows[2].person.name, "Line break and tab");
}

TEST(PrintRecordTest, LinesThatAreNotOursAreUnreadable) {
    for (const char* line : {"", "2026-10-05\t2027\t9\t17", "\t2027\t9\t17\tA", "  \t2027\t9\t17\tA",
                             "x\t2027\t0\t17\tA", "x\t2027\t13\t17\tA", "x\t-2027\t9\t17\tA", "x\t2027\t9\t65536\tA",
                             "x\t2027\t9\t-1\tA", "x\t20 27\t9\t17\tA", "x\t2027\t9\t17\tA\tB", "x\t99999\t9\t17\tA"}) {
        EXPECT_FALSE(ParseRecordLine(line)) << line;
    }
    // A line ending in CR LF, an empty name, the file's UTF-8 mark and its empty lines.
    EXPECT_EQ(Fields(*ParseRecordLine("x\t1\t12\t65535\t\r")), std::tuple("x", 1, 12, 65535, ""));
    const PrintRecord record = ParsePrintRecord("\xEF\xBB\xBFx\t2027\t9\t17\tA\r\n\r\n\nx\t2027\t9\t17\tB");
    EXPECT_EQ(std::tuple(record.rows.size(), record.unreadableLines), std::tuple(2u, 0u));
}

// Rows of the same number and name in the same card year, the last print said; the same number with another name
// is another person.
TEST(PrintRecordTest, TheTickedMonthsAlreadyPrintedAreThoseOfTheSamePersonAndCardYear) {
    PrintRecord record;
    record.rows = {{"a", 2027, 9, kLucja},          {"b", 2027, 1, kLucja},  {"c", 2027, 9, kLucja},
                   {"d", 2027, 10, {17, "Nowak, Anna"}}, {"e", 2026, 11, kLucja}, {"f", 2027, 12, {18, kLucja.name}}};
    const PrintedRows printed = PrintedRowsOf(record, kLucja, 2027);
    PrintedRows expected{};
    expected[0] = "c";  // September
    expected[4] = "b";  // January
    EXPECT_EQ(printed, expected);

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

    const test::RcStringSource strings;
    EXPECT_EQ(PrintedMonthsText({0, 4}, printed, strings),
              strings.Load(IDS_MONTH_FULL_BASE + 8) + " (c)\n" + strings.Load(IDS_MONTH_FULL_BASE) + " (b)");
    EXPECT_EQ(PrintedMonthsText({0, 4}, printed, strings, false),
              strings.Load(IDS_MONTH_FULL_BASE + 8) + ", " + strings.Load(IDS_MONTH_FULL_BASE));
}

}  // namespace
}  // namespace vorlant
