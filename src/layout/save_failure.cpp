#include "layout/save_failure.h"

namespace vorlant {

std::string SaveFailedMessage(std::string_view pattern, std::string_view fileName) {
    std::string text(pattern);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, fileName);
    return text;
}

}  // namespace vorlant
