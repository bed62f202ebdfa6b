// Any bytes as a layout file: reading it, falling back to defaults longer than a slot and reading every slot,
// each as a length in both readings and brought into the canonical form, which it then keeps.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/string_source.h"
#include "layout/card_layout.h"
#include "scratch_folder.h"

using namespace vorlant;

struct FuzzStrings : StringSource {
    std::string Load(unsigned id) const override { return id % 2 == 0 ? "2.62" : "123456789"; }
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int version = size > 0 ? data[0] % 6 : 0;
    fuzz::WriteScratchFile(LayoutFileName(version), data, size);
    CardLayout read, layout;
    const bool whole = read.ReadFile(version, fuzz::ScratchFolder());
    layout.LoadOrDefault(version, FuzzStrings{}, fuzz::ScratchFolder());
    fuzz::Check(whole == (size >= card_layout::kSize));
    fuzz::Check(whole ? layout == read : layout.MonthlyTop() == "2.62" && layout.MonthlyHeight() == "1234567");
    for (std::size_t offset = 0; offset < card_layout::kSize; offset += card_layout::kSlotSize) {
        fuzz::Check(read.Slot(offset).size() < card_layout::kSlotSize);
        const std::string_view slot = layout.Slot(offset);
        fuzz::Check(LayoutValueHundredths(slot) >= 0 && IsLengthInRange(PrintedLengthHundredths(slot)));
        std::string text(slot);
        if (NormalizeLength(text)) {
            std::string again = text;
            fuzz::Check(text.size() >= 4 && text[1] == '.' && NormalizeLength(again) && again == text);
            fuzz::Check(LengthText(PrintedLengthHundredths(text)) == text.substr(0, 4));
        }
    }
    return 0;
}
