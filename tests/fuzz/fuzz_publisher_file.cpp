// Any bytes as the publisher file: whole records count, every field reads safely a step beyond its range.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "scratch_folder.h"

using namespace vorlant;

// A first byte of 1 modulo 4 asks for a file near the 910-record limit: 900 + byte 1 % 16 records
// and byte 2 % 8 bytes more, the rest of the input at its start.
std::vector<std::uint8_t> MakeFile(const std::uint8_t* data, std::size_t size) {
    if (size < 3 || data[0] % 4 != 1) return {data, data + size};
    std::vector<std::uint8_t> file((900 + data[1] % 16) * publisher_record::kSize + data[2] % 8);
    std::copy_n(data + 3, std::min(size - 3, file.size()), file.begin());
    return file;
}

void ReadRecord(const PublisherTable& t, int i) {
    for (const auto text : {t.FirstName(i), t.LastName(i), t.BaptismDate(i), t.BirthDate(i)}) {
        fuzz::Check(std::string(text).size() <= 20);  // the copy reads every byte
    }
    static_cast<void>(t.Hope(i) + t.DetailsIndex(i) + t.PersonFlags(i) + t.GroupNumber(i) + t.OmitFromList(i));
    for (int month = -1; month <= 12; ++month) {
        for (int slot = -1; slot <= 3; ++slot) {
            static_cast<void>(static_cast<int>(t.MonthStatus(i, month, slot)) + t.RemarkNumber(i, month, slot));
            for (int kind = -1; kind <= 5; ++kind) static_cast<void>(t.MonthlyFigure(i, month, kind, slot));
        }
    }
    fuzz::Check(t.FindById(t.PublisherId(i)) < t.Count());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static PublisherTable table;
    static const bool allocated = table.Allocate();
    const std::vector<std::uint8_t> file = MakeFile(data, size);
    fuzz::WriteScratchFile(kPublisherFileName, file.data(), file.size());
    GroupFile groups;
    table.Load(groups, fuzz::ScratchFolder());
    const auto records = std::min<std::size_t>(file.size() / publisher_record::kSize, PublisherTable::kMaxRecords);
    fuzz::Check(allocated && table.Count() == std::max<int>(records, 1) && groups.Count() == 0);
    for (const int index : {-1, 0, 1, table.Count() / 2, table.Count() - 1, table.Count()}) ReadRecord(table, index);
    table.SwapRecords(0, table.Count());
    return 0;
}
