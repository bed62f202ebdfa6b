// Case-insensitive Polish alphabetical order of code page 1250 texts, standing in for the platform's.
#pragma once

#include <array>
#include <string_view>

namespace vorlant::test {

// a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r s ś t u v w x y z ź ż, lower and upper case.
inline constexpr std::string_view kPolishLower =
    "a\xB9" "bc\xE6" "de\xEA" "fghijkl\xB3" "mn\xF1" "o\xF3" "pqrs\x9C" "tuvwxyz\x9F\xBF";
inline constexpr std::string_view kPolishUpper =
    "A\xA5" "BC\xC6" "DE\xCA" "FGHIJKL\xA3" "MN\xD1" "O\xD3" "PQRS\x8C" "TUVWXYZ\x8F\xAF";

// The sort weight of each byte: letters after all other bytes, upper and
// lower case alike; built once, as the platform keeps its tables.
inline constexpr auto kPolishWeight = [] {
    std::array<int, 256> weight{};
    for (int c = 0; c < 256; ++c) weight[static_cast<std::size_t>(c)] = c;
    for (std::size_t i = 0; i < kPolishLower.size(); ++i) {
        weight[static_cast<unsigned char>(kPolishLower[i])] = 256 + static_cast<int>(i);
        weight[static_cast<unsigned char>(kPolishUpper[i])] = 256 + static_cast<int>(i);
    }
    return weight;
}();

// Negative, 0 or positive as `a` sorts before, with or after `b`.
inline int ComparePolish(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const int wa = kPolishWeight[static_cast<unsigned char>(*a)];
        const int wb = kPolishWeight[static_cast<unsigned char>(*b)];
        if (wa != wb) return wa < wb ? -1 : 1;
        if (*a == '\0') return 0;
    }
}

}  // namespace vorlant::test
