// Any bytes as the group file: the count byte and the reserved tail stay as read; no NUL made nor undone.
#include <cstddef>
#include <cstdint>

#include "data/group_file.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlant;
    fuzz::WriteScratchFile(kGroupFileName, data, size);
    GroupFile groups;
    fuzz::Check(groups.Read(fuzz::ScratchFolder()));
    for (std::size_t i = 0; i < group_file::kSize; ++i) {
        const std::uint8_t read = i < size ? data[i] : 0;
        fuzz::Check((groups.Image()[i] == 0) == (read == 0));
        if (i == 0 || i >= group_file::kSize - 20) fuzz::Check(groups.Image()[i] == read);
    }
    return 0;
}
