// Any bytes as a layout file: reading it, falling back to the defaults and
// reading every slot stay inside the 400 bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/string_source.h"
#include "layout/card_layout.h"
#include "scratch_folder.h"

namespace {

// Default strings, every other one longer than a slot.
class FuzzStrings : public vorlant::StringSource {
public:
    std::string Load(unsigned id) const override { return id % 2 == 0 ? "2.62" : "123456789"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlant;
    using fuzz::Check;
    const int version = size > 0 ? data[0] % 6 : 0;
    fuzz::WriteScratchFile(LayoutFileName(version), data, size);

    CardLayout read;
    const bool whole = read.ReadFile(version, fuzz::ScratchFolder());
    Check(whole == (size >= card_layout::kSize));
    CardLayout layout;
    layout.LoadOrDefault(version, FuzzStrings{}, fuzz::ScratchFolder());
    Check(whole ? layout == read : layout.MonthlyTop() == "2.62" && layout.MonthlyHeight() == "1234567");
    for (std::size_t offset = 0; offset < card_layout::kSize; offset += card_layout::kSlotSize) {
        Check(read.Slot(offset).size() < card_layout::kSlotSize);
        Check(LayoutValueHundredths(layout.Slot(offset)) >= 0);
    }
    return 0;
}
