// The record of what was printed: "wydrukowane.txt" in the working folder,
// the program's own file beside the layout. Every figures page that went to
// the printer adds one line per row it filled:
//
//   2026-12-07 16:45<TAB>2027<TAB>11<TAB>17<TAB>Kowalski, Jan
//
// when it was printed, the card year (the year in which the card's service
// year ends), the month (1 = January), the publisher's number in the records
// program and the name as the list shows it, in UTF-8, one line ending in
// CR LF. The file is read once at the start and only ever appended to; a line
// that cannot be read is passed over and left as it stands.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/service_year.h"

namespace vorlant {

class StringSource;

inline constexpr const char* kPrintRecordFileName = "wydrukowane.txt";

// The publisher as the record knows him: the same number with another name
// is another person (the records program gives a freed number again).
struct RecordedPerson {
    std::uint16_t publisherId = 0;
    std::string name;  // UTF-8, as the list shows it
};

struct PrintedRow {
    std::string printedAt;  // "2026-12-07 16:45"
    int cardYear = 0;
    int month = 0;          // 1 = January ... 12 = December
    RecordedPerson person;
};

struct PrintRecord {
    std::vector<PrintedRow> rows;
    std::size_t unreadableLines = 0;
};

// One line of the file, with its CR LF. Line breaks and tabs in the texts
// become blanks, so that the line reads back as written.
std::string RecordLine(const PrintedRow& row);
// A line without its line break; nothing when it is not one of ours.
std::optional<PrintedRow> ParseRecordLine(std::string_view line);
// Every line of the file's bytes; empty lines count as nothing.
PrintRecord ParsePrintRecord(std::string_view bytes);
// The file at `path`; a missing file means that nothing was printed.
PrintRecord ReadPrintRecord(const std::string& path);
// Adds the lines of `rows` to the end of the file at `path` (made when
// missing) and hands them to the disk before it returns. A last line that
// someone left without its line break gets one first, so that ours stays
// whole. False when anything of it failed.
bool AppendToPrintRecord(const std::string& path, const std::vector<PrintedRow>& rows);

// For each card row of `cardYear`, when it was last printed for `person`;
// the empty text when never.
using PrintedRows = std::array<std::string, kCardRows>;
PrintedRows PrintedRowsOf(const PrintRecord& record, const RecordedPerson& person, int cardYear);

using TickedRows = std::array<bool, kCardRows>;
// The ticked rows that the record already holds, September first.
std::vector<int> TickedAndPrinted(const TickedRows& ticked, const PrintedRows& printed);
// Whether every ticked row is printed already (false when none is ticked).
bool AllTickedPrinted(const TickedRows& ticked, const PrintedRows& printed);

// The lines that printing the ticked rows of `person`'s card adds.
std::vector<PrintedRow> RowsOfCard(const RecordedPerson& person, int cardYear, const TickedRows& ticked,
                                   const std::string& printedAt);

// The rows by their month names from `strings`, in the strings' code page:
// a line each with when it was printed, "wrzesień (2026-10-05 14:30)", or
// the names alone, "wrzesień, październik".
std::string PrintedMonthsText(const std::vector<int>& rows, const PrintedRows& printed, const StringSource& strings,
                              bool withDates = true);

}  // namespace vorlant
