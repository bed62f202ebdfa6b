#include "layout/length.h"

#include <cstdio>
#include <limits>

#include "common/text.h"

namespace vorlant {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of the leading digits of `text` (at most `limit` of them).
int LeadingDigits(std::string_view text, std::size_t limit) {
    int value = 0;
    for (std::size_t i = 0; i < text.size() && i < limit && IsDigit(text[i]); ++i) value = value * 10 + (text[i] - '0');
    return value;
}

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

int PrintedLengthHundredths(std::string_view text) {
    const int whole = LeadingDigits(text, 1);
    const int hundredths = text.size() > 2 ? LeadingDigits(text.substr(2), 2) : 0;
    return 100 * whole + hundredths;
}

int LayoutValueHundredths(std::string_view text) {
    constexpr int kLimit = std::numeric_limits<int>::max();
    int value = 0;
    for (const char c : text) {
        if (c == '.') continue;
        if (!IsDigit(c)) break;
        const int digit = c - '0';
        if (value > (kLimit - digit) / 10) return kLimit;
        value = value * 10 + digit;
    }
    return value;
}

std::string LengthText(int hundredths) {
    // In long long, so that the smallest int has a magnitude too.
    const long long value = hundredths;
    const long long size = value < 0 ? -value : value;
    char text[32] = {};
    std::snprintf(text, sizeof(text), "%s%lld.%02lld", value < 0 ? "-" : "", size / 100, size % 100);
    return text;
}

}  // namespace vorlant
