// Feeds arbitrary bytes to the publisher file reader and reads fields back
// with indexes, months, kinds and slots a step beyond their ranges. An odd
// first byte asks for a spread file, so that files near the 910-record limit
// come from short inputs: byte 1 gives the whole records (0-15, or 900-915
// with bit 1 of byte 0 set), byte 2 a partial record of 3 bytes a unit, and
// the rest goes in 256-byte chunks to the start of the records 0, 1, 2, ...
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "scratch_folder.h"

namespace {

using vorlant::PublisherTable;
using vorlant::fuzz::Check;

constexpr std::size_t kRecordSize = vorlant::publisher_record::kSize;

std::vector<std::uint8_t> MakeFile(const std::uint8_t* data, std::size_t size) {
    if (size < 3 || (data[0] & 1) == 0) return {data, data + size};
    const std::size_t records = ((data[0] & 2) != 0 ? 900 : 0) + data[1] % 16;
    std::vector<std::uint8_t> file(records * kRecordSize + data[2] * std::size_t{3}, 0);
    for (std::size_t from = 3, to = 0; from < size && to < file.size(); from += 256, to += kRecordSize) {
        const std::size_t n = std::min({std::size_t{256}, size - from, file.size() - to});
        std::copy_n(data + from, n, file.begin() + static_cast<std::ptrdiff_t>(to));
    }
    return file;
}

// Reads every field of record `i`, each text byte by byte.
unsigned ReadRecord(const PublisherTable& t, int i) {
    unsigned sum = t.Hope(i) + t.DetailsIndex(i) + t.PersonFlags(i) +
                   static_cast<unsigned>(t.GroupNumber(i) + t.OmitFromList(i) + t.IsFieldMissionary(i));
    for (const auto text : {t.FirstName(i), t.LastName(i), t.BaptismDate(i), t.BirthDate(i)}) {
        Check(text.size() <= 20);
        for (const char c : text) sum += static_cast<unsigned char>(c);
    }
    for (int month = -1; month <= 12; ++month) {
        for (int slot = -1; slot <= 3; ++slot) {
            sum += static_cast<unsigned>(t.MonthStatus(i, month, slot)) + t.RemarkNumber(i, month, slot) +
                   (t.SharedInMinistry(i, month, slot) ? 1 : 0);
            for (int kind = -1; kind <= 5; ++kind) sum += t.MonthlyFigure(i, month, kind, slot);
        }
    }
    const int found = t.FindById(t.PublisherId(i));
    Check(found >= 0 && found < t.Count());
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static PublisherTable table;
    static const bool allocated = table.Allocate();
    Check(allocated);
    const std::vector<std::uint8_t> file = MakeFile(data, size);
    vorlant::fuzz::WriteScratchFile(vorlant::kPublisherFileName, file.data(), file.size());

    vorlant::GroupFile groups;
    table.Load(groups, vorlant::fuzz::ScratchFolder());
    // Whole records count, at most 910; without one the table holds the default header.
    const std::size_t records = std::min<std::size_t>(file.size() / kRecordSize, PublisherTable::kMaxRecords);
    Check(table.Count() == std::max(static_cast<int>(records), 1));
    Check(groups.Count() == 0);

    const int count = table.Count();
    volatile unsigned sink = 0;
    for (const int index : {-1, 0, 1, count / 2, count - 1, count}) sink = sink + ReadRecord(table, index);
    table.SwapRecords(1, count - 1);
    table.SwapRecords(0, count);
    return 0;
}
