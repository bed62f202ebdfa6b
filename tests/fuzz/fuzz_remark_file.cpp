// Any bytes to the remarks reader: 16 for eight publishers' identifiers, then the remarks file.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "data/remark_table.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlant;
    PublisherTable& table = fuzz::SmallPublisherTable(data, size, 2);
    const std::size_t used = std::min<std::size_t>(size, 2 * fuzz::kPublishers);
    fuzz::WriteScratchFile(kRemarkFileName, data + used, size - used);
    static RemarkTable remarks;
    remarks.Load(table, fuzz::ScratchFolder());
    fuzz::Check(remarks.Count() >= 1 && remarks.Count() <= RemarkTable::kCountLimit);
    for (int index = -1; index <= table.Count(); ++index) {
        for (int month = -1; month <= 12; ++month) {
            // Numbers point into the table; the header record keeps what it held.
            for (int slot = 0; slot < 3 && index != 0; ++slot) {
                fuzz::Check(table.RemarkNumber(index, month, slot) < remarks.Count());
            }
            for (const int year : {-1, 0, 1, 2025}) {
                std::array<char, RemarkTable::kTextBufferSize> out{'#'};
                const bool found = remarks.Text(table, index, month, year, out);
                fuzz::Check(std::find(out.begin(), out.end(), '\0') != out.end() && found == (out[0] != '\0'));
            }
        }
    }
    return 0;
}
