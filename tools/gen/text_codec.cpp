// Code page 1250 and the companion program's two ways of hiding texts.
#include <array>
#include <cstddef>
#include <cstdint>

#include "congregation.h"
#include "data/scramble.h"

namespace vorlant::gen {
namespace {

// Unicode code points of the bytes 0x80..0xFF of code page 1250; 0 where the
// code page has no character.
constexpr std::array<char32_t, 128> kCp1250High = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr std::uint8_t kKept = 204;

// Decodes one UTF-8 sequence at `pos`, advancing it; nothing when the bytes
// are not a well-formed, shortest-form sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    int extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        value = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
    } else {
        return std::nullopt;  // beyond the Basic Multilingual Plane: not in the code page anyway
    }
    if (pos + 1 + static_cast<std::size_t>(extra) > text.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<std::uint8_t>(text[pos + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    if ((extra == 1 && value < 0x80) || (extra == 2 && value < 0x800)) return std::nullopt;
    pos += 1 + static_cast<std::size_t>(extra);
    return value;
}

std::optional<char> ToCp1250(char32_t code) {
    if (code == 0) return std::nullopt;
    if (code < 0x80) return static_cast<char>(code);
    for (std::size_t i = 0; i < kCp1250High.size(); ++i) {
        if (kCp1250High[i] == code) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

bool Keeps204(Kept204 kept, std::size_t position) {
    switch (kept) {
        case Kept204::Everywhere: return true;
        case Kept204::First30: return position < 30;
        case Kept204::Nowhere: return false;
    }
    return false;
}

// What a reader makes of stored bytes: the length is taken up to the first
// NUL, then every byte loses its position and the base, except a kept 204.
std::string ReadBack(std::string_view stored, Kept204 kept) {
    std::string plain;
    for (std::size_t i = 0; i < stored.size() && stored[i] != '\0'; ++i) {
        const auto b = static_cast<std::uint8_t>(stored[i]);
        if (b == kKept && Keeps204(kept, i)) {
            plain.push_back(static_cast<char>(b));
        } else {
            plain.push_back(static_cast<char>(b - i - ScrambleBase));
        }
    }
    const std::size_t end = plain.find('\0');
    return end == std::string::npos ? plain : plain.substr(0, end);
}

}  // namespace

std::optional<std::string> Utf8ToCp1250(std::string_view utf8) {
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto code = NextCodePoint(utf8, pos);
        if (!code) return std::nullopt;
        const auto byte = ToCp1250(*code);
        if (!byte) return std::nullopt;
        out.push_back(*byte);
    }
    return out;
}

std::optional<std::string> ScrambleText(std::string_view plain, Kept204 kept) {
    std::string stored;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(plain[i]);
        stored.push_back(static_cast<char>(b + i + ScrambleBase));
    }
    if (ReadBack(stored, kept) != plain) return std::nullopt;
    return stored;
}

std::string ScrambleGroupText(std::string_view plain) {
    std::string stored;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char key = GroupKey[i % GroupKey.size()];
        stored.push_back(plain[i] == key ? key : static_cast<char>(plain[i] ^ key));
    }
    return stored;
}

}  // namespace vorlant::gen
