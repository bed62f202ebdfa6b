#include "dialogs/length_value.h"

namespace vorlant {

bool CommitOrRestore(std::string& value, std::string_view typed) {
    std::string text(typed);
    if (!NormalizeLength(text)) return false;
    value = std::move(text);
    return true;
}

}  // namespace vorlant
