// A small random source whose sequence is the same on every platform and
// compiler (the standard distributions are not), so that a seed always
// yields the same files.
#pragma once

#include <cstdint>
#include <span>

namespace vorlant::gen {

// Combines two values into a well-spread seed, so that every publisher and
// every month can have a source of its own that does not depend on how many
// values were drawn elsewhere.
constexpr std::uint64_t MixSeed(std::uint64_t a, std::uint64_t b) {
    std::uint64_t z = a * 0x9E3779B97F4A7C15ULL + b + 0x632BE59BD9B4E019ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        return MixSeed(state_, 0);
    }

    // 0 .. n - 1; 0 when n <= 0.
    int Below(int n) {
        if (n <= 0) return 0;
        return static_cast<int>((Next() >> 11) % static_cast<std::uint64_t>(n));
    }

    // lo .. hi, both included.
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

    bool Percent(int percent) { return Below(100) < percent; }

    template <typename T>
    const T& Pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

private:
    std::uint64_t state_;
};

}  // namespace vorlant::gen
