// Case-insensitive Polish alphabetical order of code page 1250 texts, standing in for the platform's.
#pragma once

#include <algorithm>
#include <string_view>

namespace vorlant::test {

// a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r s ś t u v w x y z ź ż, lower and upper case.
inline constexpr std::string_view kPolishLower =
    "a\xB9" "bc\xE6" "de\xEA" "fghijkl\xB3" "mn\xF1" "o\xF3" "pqrs\x9C" "tuvwxyz\x9F\xBF";
inline constexpr std::string_view kPolishUpper =
    "A\xA5" "BC\xC6" "DE\xCA" "FGHIJKL\xA3" "MN\xD1" "O\xD3" "PQRS\x8C" "TUVWXYZ\x8F\xAF";

// Negative, 0 or positive as `a` sorts before, with or after `b`; letters after all other bytes.
inline int ComparePolish(const char* a, const char* b) {
    const auto weight = [](char c) {
        const std::size_t letter = std::min(kPolishLower.find(c), kPolishUpper.find(c));
        return letter == std::string_view::npos ? static_cast<unsigned char>(c) : 256 + static_cast<int>(letter);
    };
    for (;; ++a, ++b) {
        if (weight(*a) != weight(*b)) return weight(*a) < weight(*b) ? -1 : 1;
        if (*a == '\0') return 0;
    }
}

}  // namespace vorlant::test
