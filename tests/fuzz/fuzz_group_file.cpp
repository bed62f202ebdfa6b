// Feeds arbitrary bytes to the group file reader and checks that only the
// texts of the counted groups change.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "data/data_files.h"
#include "data/group_file.h"
#include "scratch_folder.h"

namespace {

using vorlant::fuzz::Check;

// Whether byte `offset` lies in a text entry of one of the first `groups` groups.
bool InCountedEntry(std::size_t offset, int groups) {
    for (const auto& table : vorlant::group_file::kTextTables) {
        const std::size_t end = table.offset + static_cast<std::size_t>(groups) * table.entryWidth;
        if (offset >= table.offset && offset < end) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = vorlant::fuzz::ScratchFolder::Get();
    folder.Write(vorlant::kGroupFileName, data, size);

    vorlant::GroupFile groups;
    Check(groups.Read(folder.Path()));
    const int count = size > 0 ? static_cast<std::int8_t>(data[0]) : 0;
    Check(groups.Count() == count);

    const int descrambled = count < 0 ? 0 : (count > 20 ? 20 : count);
    const auto image = groups.Image();
    for (std::size_t i = 0; i < image.size(); ++i) {
        const std::uint8_t read = i < size ? data[i] : 0;
        if (InCountedEntry(i, descrambled)) {
            Check((image[i] == 0) == (read == 0));
        } else {
            Check(image[i] == read);
        }
    }
    return 0;
}
