// Feeds arbitrary bytes to the group file reader: the count is the first
// byte, signed, and descrambling leaves the count and the reserved tail as
// read and turns no byte into NUL or NUL into anything else.
#include <cstddef>
#include <cstdint>

#include "data/data_files.h"
#include "data/group_file.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlant;
    using fuzz::Check;
    fuzz::WriteScratchFile(kGroupFileName, data, size);
    GroupFile groups;
    Check(groups.Read(fuzz::ScratchFolder()));
    Check(groups.Count() == (size > 0 ? static_cast<std::int8_t>(data[0]) : 0));
    const auto image = groups.Image();
    for (std::size_t i = 0; i < image.size(); ++i) {
        const std::uint8_t read = i < size ? data[i] : 0;
        Check((image[i] == 0) == (read == 0));
        if (i == 0 || i >= group_file::kSize - 20) Check(image[i] == read);
    }
    return 0;
}
