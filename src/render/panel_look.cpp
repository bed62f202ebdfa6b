#include "render/panel_look.h"

#include <charconv>

namespace vorlant {

unsigned NumberAt(std::string_view text, std::size_t offset, std::size_t count) {
    if (offset >= text.size()) return 0;
    const std::string_view field = text.substr(offset, count);
    unsigned value = 0;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

}  // namespace vorlant
