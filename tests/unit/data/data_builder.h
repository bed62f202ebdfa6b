// Byte-by-byte builders of the congregation files for the reader tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/scramble.h"

namespace vorlant::test {

using Bytes = std::vector<std::uint8_t>;

// A fixed-size record whose fields are set at byte offsets.
class RecordBuilder {
public:
    explicit RecordBuilder(std::size_t size) : bytes_(size, 0) {}

    RecordBuilder& Text(std::size_t offset, std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) bytes_.at(offset + i) = static_cast<std::uint8_t>(text[i]);
        return *this;
    }
    // The text as the companion program stores it: byte i is plain + i + ScrambleBase.
    RecordBuilder& Scrambled(std::size_t offset, std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) bytes_.at(offset + i) = Scramble(text[i], i);
        return *this;
    }
    RecordBuilder& U8(std::size_t offset, std::uint8_t value) {
        bytes_.at(offset) = value;
        return *this;
    }
    RecordBuilder& U16(std::size_t offset, std::uint16_t value) {
        return U8(offset, static_cast<std::uint8_t>(value & 0xFF)).U8(offset + 1, static_cast<std::uint8_t>(value >> 8));
    }
    const Bytes& Get() const { return bytes_; }

    static std::uint8_t Scramble(char plain, std::size_t position) {
        return static_cast<std::uint8_t>(static_cast<std::uint8_t>(plain) + position + ScrambleBase);
    }

private:
    Bytes bytes_;
};

inline Bytes Concat(const std::vector<Bytes>& parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

}  // namespace vorlant::test
