// Feeds arbitrary bytes to the extended details reader. The first 32 bytes
// of the input give eight publishers their identifier and details index
// (two 16-bit values each); the rest is the details file, after a record 0
// of zeros (record 0 is never fetched).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/bytes.h"
#include "data/data_files.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "scratch_folder.h"

namespace {

using namespace vorlant;
using fuzz::Check;
using fuzz::kPublishers;

constexpr std::size_t kPrefix = 4 * kPublishers;

void AssignPublishers(PublisherTable& table, const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, kPrefix> prefix{};
    std::copy_n(data, std::min(size, kPrefix), prefix.begin());
    for (int i = 0; i < kPublishers; ++i) {
        const ByteSpan record = table.Record(i + 1);
        WriteU16(record, publisher_record::kPublisherId, ReadU16(prefix, 4 * static_cast<std::size_t>(i)));
        table.SetDetailsIndex(i + 1, ReadU16(prefix, 4 * static_cast<std::size_t>(i) + 2));
    }
}

void CheckLookup(ExtendedDetails& details, PublisherTable& table, int index) {
    const std::uint16_t before = table.DetailsIndex(index);
    const unsigned flags = details.Lookup(table, index);
    const std::uint16_t after = table.DetailsIndex(index);
    Check(flags <= 3);
    Check(details.LongName().size() <= 64);
    Check(after == before || after == 0);
    Check(after == 0 || after < details.Count());
    if ((flags & ExtendedDetails::kLongNameHasLetter) != 0) Check(!details.LongName().empty());
    volatile unsigned sink = 0;
    for (const std::uint8_t byte : details.Current()) sink = sink + byte;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = fuzz::ScratchFolder::Get();
    PublisherTable& table = fuzz::SmallPublisherTable();
    AssignPublishers(table, data, size);
    std::vector<std::uint8_t> file(details_record::kSize, 0);
    if (size > kPrefix) file.insert(file.end(), data + kPrefix, data + size);
    folder.Write(kDetailsFileName, file.data(), file.size());

    ExtendedDetails details;
    details.CountRecords(folder.Path());
    const std::size_t complete = file.size() / details_record::kSize;
    Check(details.Count() == static_cast<int>(std::min<std::size_t>(complete, details_record::kMaxCount)));
    for (int round = 0; round < 2; ++round) {
        for (int index = -1; index <= table.Count(); ++index) CheckLookup(details, table, index);
    }
    return 0;
}
