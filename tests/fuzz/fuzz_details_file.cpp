// Any bytes to the details reader: 32 for eight publishers' identifiers and details indexes, then the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "data/extended_details.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlant;
    PublisherTable& table = fuzz::SmallPublisherTable(data, size, 4);
    const std::size_t used = std::min<std::size_t>(size, 4 * fuzz::kPublishers);
    fuzz::WriteScratchFile(kDetailsFileName, data + used, size - used);
    ExtendedDetails details;
    details.CountRecords(fuzz::ScratchFolder());
    fuzz::Check(details.Count() == std::min<int>((size - used) / details_record::kSize, details_record::kMaxCount));
    for (int index = -1; index <= table.Count(); ++index) {
        const std::uint16_t before = table.DetailsIndex(index);
        const unsigned flags = details.Lookup(table, index);
        fuzz::Check(flags <= 3 && details.LongName().size() <= 64 && (flags % 2 == 0 || !details.LongName().empty()));
        // An index is kept only when it points at a record of the file, or reset.
        const std::uint16_t after = table.DetailsIndex(index);
        fuzz::Check(after == 0 || (after == before && after < details.Count()));
    }
    return 0;
}
