#include "support/polish_order.h"

#include <array>
#include <string_view>

namespace vorlant::test {
namespace {

// The alphabet in code page 1250, lower and upper case letter by letter:
// a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r s ś t u v w x y z ź ż.
constexpr std::string_view kLower = "a\xB9" "bc\xE6" "de\xEA" "fghijkl\xB3" "mn\xF1" "o\xF3" "pqrs\x9C" "tuvwxyz\x9F\xBF";
constexpr std::string_view kUpper = "A\xA5" "BC\xC6" "DE\xCA" "FGHIJKL\xA3" "MN\xD1" "O\xD3" "PQRS\x8C" "TUVWXYZ\x8F\xAF";
static_assert(kLower.size() == kUpper.size());

// Letters weigh more than every other byte, which keep their code order.
constexpr int kLetterWeight = 256;

constexpr std::array<int, 256> MakeWeights() {
    std::array<int, 256> weights{};
    for (int c = 0; c < 256; ++c) weights[static_cast<std::size_t>(c)] = c;
    for (std::size_t i = 0; i < kLower.size(); ++i) {
        const int weight = kLetterWeight + static_cast<int>(i);
        weights[static_cast<unsigned char>(kLower[i])] = weight;
        weights[static_cast<unsigned char>(kUpper[i])] = weight;
    }
    return weights;
}

constexpr std::array<int, 256> kWeights = MakeWeights();

}  // namespace

int ComparePolish(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const int wa = kWeights[static_cast<unsigned char>(*a)];
        const int wb = kWeights[static_cast<unsigned char>(*b)];
        if (wa != wb) return wa < wb ? -1 : 1;
        if (*a == '\0') return 0;
    }
}

}  // namespace vorlant::test
