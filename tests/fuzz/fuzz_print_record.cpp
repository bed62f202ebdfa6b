// Any bytes as the record of what was printed: each line read is written back as itself, and a card's lines
// appended read back after all that was readable before.
#include "mainwin/print_record.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlant;
    fuzz::WriteScratchFile(kPrintRecordFileName, data, size);
    const std::string path = fuzz::ScratchFolder() + "/" + kPrintRecordFileName;
    const PrintRecord before = ReadPrintRecord(path);
    for (const PrintedRow& row : before.rows) {
        const auto again = ParseRecordLine(RecordLine(row));
        fuzz::Check(again && RecordLine(*again) == RecordLine(row));
    }
    const TickedRows ticked{true, false, false, false, false, false, false, false, false, false, false, true};
    const RecordedPerson person{7, before.rows.empty() ? "Nowak, Jan" : before.rows.back().person.name};
    fuzz::Check(AppendToPrintRecord(path, RowsOfCard(person, 2027, ticked, "2026-12-07 16:45")));
    const PrintRecord after = ReadPrintRecord(path);
    fuzz::Check(after.rows.size() == before.rows.size() + 2 && after.unreadableLines == before.unreadableLines);
    fuzz::Check(AllTickedPrinted(ticked, PrintedRowsOf(after, person, 2027)));
    return 0;
}
