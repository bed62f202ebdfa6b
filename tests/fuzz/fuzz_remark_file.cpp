// Feeds arbitrary bytes to the remarks reader. The first 16 bytes of the
// input give eight publishers their identifiers (16 bits each); the rest is
// the remarks file.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/bytes.h"
#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "scratch_folder.h"

namespace {

using namespace vorlant;
using fuzz::Check;
using fuzz::kPublishers;

constexpr std::size_t kPrefix = 2 * kPublishers;

void AssignIds(PublisherTable& table, const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, kPrefix> prefix{};
    std::copy_n(data, std::min(size, kPrefix), prefix.begin());
    for (int i = 0; i < kPublishers; ++i) {
        const std::uint16_t id = ReadU16(prefix, 2 * static_cast<std::size_t>(i));
        WriteU16(table.Record(i + 1), publisher_record::kPublisherId, id);
    }
}

void CheckTexts(const RemarkTable& remarks, const PublisherTable& table, int index) {
    for (int month = -1; month <= 12; ++month) {
        for (const int year : {-1, 0, 1, 2025}) {
            std::array<char, RemarkTable::kTextBufferSize> out;
            out.fill('#');
            const bool found = remarks.Text(table, index, month, year, out);
            const auto end = std::find(out.begin(), out.end(), '\0');
            Check(end != out.end());
            Check(found == (end != out.begin()));
        }
    }
}

// The publishers' remark numbers all point into the table.
void CheckNumbers(const RemarkTable& remarks, const PublisherTable& table) {
    for (int index = 1; index < table.Count(); ++index) {
        for (int month = 0; month < 12; ++month) {
            for (int slot = 0; slot < 3; ++slot) Check(table.RemarkNumber(index, month, slot) < remarks.Count());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = fuzz::ScratchFolder::Get();
    PublisherTable& table = fuzz::SmallPublisherTable();
    AssignIds(table, data, size);
    const std::size_t fileSize = size > kPrefix ? size - kPrefix : 0;
    folder.Write(kRemarkFileName, data + (size > kPrefix ? kPrefix : size), fileSize);

    static RemarkTable remarks;
    remarks.Load(table, folder.Path());
    Check(remarks.Count() >= 1 && remarks.Count() <= RemarkTable::kCountLimit);
    CheckNumbers(remarks, table);
    for (int index = -1; index <= table.Count(); ++index) CheckTexts(remarks, table, index);
    return 0;
}
