// The companion records program hides the texts of some of its files. These
// are the two keys it uses; they are shared with that program and must not
// change on our side alone.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorlant {

// Base of the additive scrambling of the publisher file and the extended
// details file: the byte at text position i is stored as
// (plain + i + ScrambleBase) modulo 256.
inline constexpr std::uint8_t ScrambleBase = 0x11;

// Key of the group file: each text byte is stored XORed with the key
// character at its position, cyclically.
inline constexpr std::string_view GroupKey = "Kite Orbit";

}  // namespace vorlant
