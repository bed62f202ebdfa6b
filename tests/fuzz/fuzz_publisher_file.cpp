// Feeds arbitrary bytes to the publisher file reader and reads back every
// accessor over a band of indexes, months, kinds and slots around the table.
//
// An input whose first byte is even is the file itself. An odd first byte
// asks for a spread file instead, so that files of many records are reached
// from short inputs: its first three bytes give the number of whole records
// (0 to 15, or 900 to 915 around the table's limit) and the length of a
// trailing partial record, and the rest is laid out in chunks of 256 bytes
// at the start of the records 0, 1, 2, ...
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "scratch_folder.h"

namespace {

using vorlant::PublisherTable;
using vorlant::fuzz::Check;

constexpr std::size_t kRecordSize = vorlant::publisher_record::kSize;
constexpr std::size_t kSpreadHeader = 3;
constexpr std::size_t kChunk = 256;

struct FuzzFile {
    std::vector<std::uint8_t> bytes;
    int count;  // the record count that the reader must come to
};

int ExpectedCount(std::size_t fileSize) {
    const std::size_t records = fileSize / kRecordSize;
    if (records == 0) return 1;
    return static_cast<int>(records < PublisherTable::kMaxRecords ? records : PublisherTable::kMaxRecords);
}

FuzzFile MakeFile(const std::uint8_t* data, std::size_t size) {
    if (size < kSpreadHeader || (data[0] & 1) == 0) {
        std::vector<std::uint8_t> bytes(data, data + size);
        return {bytes, ExpectedCount(size)};
    }
    const std::size_t records = ((data[0] & 2) != 0 ? 900 : 0) + data[1] % 16;
    const std::size_t partial = data[2] * std::size_t{3};
    std::vector<std::uint8_t> bytes(records * kRecordSize + partial, 0);
    for (std::size_t from = kSpreadHeader, to = 0; from < size && to < bytes.size(); from += kChunk, to += kRecordSize) {
        const std::size_t n = std::min({kChunk, size - from, bytes.size() - to});
        std::copy_n(data + from, n, bytes.begin() + static_cast<std::ptrdiff_t>(to));
    }
    return {bytes, ExpectedCount(bytes.size())};
}

unsigned ReadTexts(const PublisherTable& table, int index) {
    unsigned sum = 0;
    for (const auto text : {table.FirstName(index), table.LastName(index), table.BaptismDate(index),
                            table.BirthDate(index)}) {
        Check(text.size() <= 20);
        for (const char c : text) sum += static_cast<unsigned char>(c);
    }
    return sum;
}

unsigned ReadMonths(const PublisherTable& table, int index) {
    unsigned sum = 0;
    for (int month = -1; month <= 12; ++month) {
        for (int slot = -1; slot <= 3; ++slot) {
            sum += static_cast<unsigned>(table.MonthStatus(index, month, slot));
            sum += table.SharedInMinistry(index, month, slot) ? 1 : 0;
            sum += table.RemarkNumber(index, month, slot);
            for (int kind = -1; kind <= 5; ++kind) sum += table.MonthlyFigure(index, month, kind, slot);
            Check(table.MonthlyFigure(index, month, 4, slot) < 1024);
        }
    }
    return sum;
}

unsigned ReadRecord(const PublisherTable& table, int index) {
    unsigned sum = ReadTexts(table, index) + ReadMonths(table, index);
    sum += table.Hope(index) + static_cast<unsigned>(table.GroupNumber(index)) + table.DetailsIndex(index) +
           table.PersonFlags(index) + (table.OmitFromList(index) ? 1 : 0) + (table.IsFieldMissionary(index) ? 1 : 0);
    const std::uint16_t id = table.PublisherId(index);
    const int found = table.FindById(id);
    Check(found >= 0 && found < table.Count());
    if (index >= 1 && index < table.Count() && id >= 10) Check(found >= 1 && found <= index);
    return sum + static_cast<unsigned>(found);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static PublisherTable table;
    static const bool allocated = table.Allocate();
    if (!allocated) std::abort();
    const auto& folder = vorlant::fuzz::ScratchFolder::Get();
    const FuzzFile file = MakeFile(data, size);
    folder.Write(vorlant::kPublisherFileName, file.bytes.data(), file.bytes.size());

    vorlant::GroupFile groups;
    table.Load(groups, folder.Path());
    Check(table.Count() == file.count);
    Check(groups.Count() == 0);

    volatile unsigned sink = 0;
    const int count = table.Count();
    for (int index = 0; index < count; ++index) sink = sink + ReadTexts(table, index);
    for (const int index : {-1, 0, 1, 2, count / 2, count - 2, count - 1, count, count + 1}) {
        sink = sink + ReadRecord(table, index);
    }
    table.SwapRecords(1, table.Count() - 1);
    table.SwapRecords(0, table.Count());
    table.SwapRecords(-1, 0);
    return 0;
}
