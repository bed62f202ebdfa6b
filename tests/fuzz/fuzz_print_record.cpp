// Any bytes as the record of what was printed: read, then a card's lines
// appended, which must read back after all that was readable before.
#include <cstddef>
#include <cstdint>
#include <string>

#include "mainwin/print_record.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlant;
    fuzz::WriteScratchFile(kPrintRecordFileName, data, size);
    const std::string path = fuzz::ScratchFolder() + "/" + kPrintRecordFileName;
    const PrintRecord before = ReadPrintRecord(path);
    for (const PrintedRow& row : before.rows) {
        // What was read is written back as the same line.
        const auto again = ParseRecordLine(RecordLine(row));
        fuzz::Check(again && again->printedAt == row.printedAt && again->person.name == row.person.name &&
                    again->cardYear == row.cardYear && again->month == row.month &&
                    again->person.publisherId == row.person.publisherId);
        const PrintedRows printed = PrintedRowsOf(before, row.person, row.cardYear);
        fuzz::Check(!printed[static_cast<std::size_t>((row.month + 3) % 12)].empty());
    }
    TickedRows ticked{};
    ticked[0] = ticked[11] = true;
    const RecordedPerson person{7, before.rows.empty() ? std::string("Nowak, Jan") : before.rows.back().person.name};
    fuzz::Check(AppendToPrintRecord(path, RowsOfCard(person, 2027, ticked, "2026-12-07 16:45")));
    const PrintRecord after = ReadPrintRecord(path);
    fuzz::Check(after.rows.size() == before.rows.size() + 2 && after.unreadableLines == before.unreadableLines);
    fuzz::Check(AllTickedPrinted(ticked, PrintedRowsOf(after, person, 2027)));
    return 0;
}
