#include "dialogs/length_value.h"

#include "common/text.h"

namespace vorlant {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool NormalizeLength(std::string& text) {
    std::string value(Trim(text));
    if (value.empty()) {
        text = "0.00";
        return true;
    }

    int points = 0;
    std::size_t pointAt = std::string::npos;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '.') {
            if (points++ == 0) pointAt = i;
        } else if (!IsDigit(value[i])) {
            return false;
        }
    }
    // Two digits before the point would make the value 10 inches or more.
    if (points > 1 || (points == 1 && pointAt >= 2)) return false;

    if (value.front() == '.') value.insert(0, 1, '0');
    const bool hasPoint = points == 1;

    if (value.size() == 1) {
        value += ".00";
    } else if (value.size() == 2) {
        // "5." and "0." complete to whole inches; of "12" only the first digit counts.
        value.resize(1);
        value += ".00";
    } else if (hasPoint) {
        // The point stands at index 1 here; one decimal gets its second one,
        // more decimals stay as typed.
        if (value.size() == 3) value += '0';
    } else {
        // Digits only: the first is the inches, the next two the hundredths.
        value = std::string{value[0], '.', value[1], value[2]};
    }
    text = std::move(value);
    return true;
}

bool CommitOrRestore(std::string& value, std::string_view typed) {
    std::string text(typed);
    if (!NormalizeLength(text)) return false;
    value = std::move(text);
    return true;
}

}  // namespace vorlant
