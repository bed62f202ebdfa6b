// Little-endian fields at named offsets of fixed-size byte records.
//
// Every record of the data files is a block of bytes; fields are decoded
// through these helpers instead of casting the bytes to packed structs.
// A field that would lie outside the span reads as zero and is not written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vorlant {

using ByteSpan = std::span<std::uint8_t>;
using ConstByteSpan = std::span<const std::uint8_t>;

inline std::uint8_t ReadU8(ConstByteSpan bytes, std::size_t offset) {
    return offset < bytes.size() ? bytes[offset] : 0;
}

inline std::int8_t ReadI8(ConstByteSpan bytes, std::size_t offset) {
    return static_cast<std::int8_t>(ReadU8(bytes, offset));
}

inline std::uint16_t ReadU16(ConstByteSpan bytes, std::size_t offset) {
    if (offset + 2 > bytes.size()) return 0;
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline void WriteU8(ByteSpan bytes, std::size_t offset, std::uint8_t value) {
    if (offset < bytes.size()) bytes[offset] = value;
}

inline void WriteU16(ByteSpan bytes, std::size_t offset, std::uint16_t value) {
    if (offset + 2 > bytes.size()) return;
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Length of the NUL-terminated text at `offset`, never looking further than
// `width` bytes nor past the end of the span.
inline std::size_t BoundedTextLength(ConstByteSpan bytes, std::size_t offset, std::size_t width) {
    if (offset >= bytes.size()) return 0;
    const std::size_t limit = bytes.size() - offset < width ? bytes.size() - offset : width;
    std::size_t n = 0;
    while (n < limit && bytes[offset + n] != 0) ++n;
    return n;
}

// The text of a fixed-width field of `width` bytes whose last byte counts as
// its terminator: at most width - 1 characters, up to the first NUL.
inline std::string_view TextField(ConstByteSpan bytes, std::size_t offset, std::size_t width) {
    if (width == 0) return {};
    const std::size_t n = BoundedTextLength(bytes, offset, width - 1);
    if (n == 0) return {};
    return {reinterpret_cast<const char*>(bytes.data() + offset), n};
}

}  // namespace vorlant
