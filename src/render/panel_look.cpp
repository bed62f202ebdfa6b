#include "render/panel_look.h"

#include <charconv>

#include "render/primitives.h"

namespace vorlant {

int operator*(int count, BorderUnit unit) {
    return MulDivRound(count * unit.pixels, static_cast<int>(unit.ppi), 96);
}

unsigned NumberAt(std::string_view text, std::size_t offset, std::size_t count) {
    if (offset >= text.size()) return 0;
    const std::string_view field = text.substr(offset, count);
    unsigned value = 0;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

}  // namespace vorlant
