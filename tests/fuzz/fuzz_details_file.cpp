// Feeds arbitrary bytes to the extended details reader. The first 32 bytes
// give eight publishers their identifier and details index (two 16-bit values
// each); the rest is the details file, after a record 0 of zeros.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/data_files.h"
#include "data/extended_details.h"
#include "data/publisher_table.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlant;
    using fuzz::Check;
    PublisherTable& table = fuzz::SmallPublisherTable(data, size, 4);
    const std::size_t used = std::min<std::size_t>(size, 4 * fuzz::kPublishers);
    std::vector<std::uint8_t> file(details_record::kSize, 0);
    file.insert(file.end(), data + used, data + size);
    fuzz::WriteScratchFile(kDetailsFileName, file.data(), file.size());

    ExtendedDetails details;
    details.CountRecords(fuzz::ScratchFolder());
    const std::size_t records = std::min<std::size_t>(file.size() / details_record::kSize, details_record::kMaxCount);
    Check(details.Count() == static_cast<int>(records));
    // A second round finds the indexes that the first one reset.
    for (int round = 0; round < 2; ++round) {
        for (int index = -1; index <= table.Count(); ++index) {
            const std::uint16_t before = table.DetailsIndex(index);
            const unsigned flags = details.Lookup(table, index);
            const std::uint16_t after = table.DetailsIndex(index);
            Check(flags <= 3 && details.LongName().size() <= 64);
            Check((flags & ExtendedDetails::kLongNameHasLetter) == 0 || !details.LongName().empty());
            Check(after == 0 || (after == before && after < details.Count()));
        }
    }
    return 0;
}
