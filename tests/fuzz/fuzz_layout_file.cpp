// Any bytes as a layout file: reading, falling back to the defaults and
// reading every slot must stay inside the 400 bytes.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "common/string_source.h"
#include "layout/card_layout.h"
#include "scratch_folder.h"

namespace {

// Default strings of every version, some of them longer than a slot.
class FuzzStrings : public vorlant::StringSource {
public:
    FuzzStrings() {
        for (unsigned v = 0; v < 5; ++v) {
            for (unsigned k = 0; k < 12; ++k) {
                strings_[500 + 20 * v + k] = "0.60";
                strings_[600 + 20 * v + k] = "0.22";
            }
            strings_[700 + 20 * v] = "2.62";
            strings_[701 + 20 * v] = "3.10";
            for (unsigned j = 0; j < 7; ++j) strings_[702 + 20 * v + j] = j == 6 ? "123456789" : "1.60";
        }
    }
    std::string Load(unsigned id) const override {
        const auto it = strings_.find(id);
        return it == strings_.end() ? std::string() : it->second;
    }

private:
    std::map<unsigned, std::string> strings_;
};

long Consume(const vorlant::CardLayout& layout) {
    long sum = 0;
    for (std::size_t offset = 0; offset < vorlant::card_layout::kSize; offset += vorlant::card_layout::kSlotSize) {
        const std::string_view text = layout.Slot(offset);
        if (text.size() >= vorlant::card_layout::kSlotSize) abort();
        sum += vorlant::LayoutValueHundredths(text);
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = vorlant::fuzz::ScratchFolder::Get();
    static const FuzzStrings strings;
    const int version = size > 0 ? data[0] % 6 : 0;
    const std::string name = vorlant::LayoutFileName(version);
    folder.Write(name.c_str(), data, size);

    vorlant::CardLayout read;
    const bool whole = read.ReadFile(version, folder.Path());
    if (whole != (size >= vorlant::card_layout::kSize)) abort();

    vorlant::CardLayout layout;
    layout.LoadOrDefault(version, strings, folder.Path());
    if (whole && !(layout == read)) abort();
    if (!whole && layout.MonthlyTop() != "2.62") abort();

    volatile long sink = Consume(read) + Consume(layout);
    (void)sink;
    folder.Remove(name.c_str());
    return 0;
}
