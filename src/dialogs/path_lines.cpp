#include "dialogs/path_lines.h"

#include <algorithm>
#include <optional>

namespace vorlant {
namespace {

// The text is handled as a string of whole characters (code points), so that
// no cut falls inside a letter of several UTF-8 bytes; the width is measured
// on UTF-8 again.
using Chars = std::u32string;
using CharsView = std::u32string_view;

constexpr char32_t kSeparator = U'\\';
constexpr CharsView kEllipsisChars = U"...";
constexpr std::size_t kNone = CharsView::npos;
constexpr char32_t kReplacement = 0xFFFD;

// A byte that does not start a character: 10xxxxxx.
bool Continues(unsigned char b) { return (b & 0xC0) == 0x80; }

// The bytes of the character that `lead` starts; 0 when it starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF5) return 4;
    return 0;
}

// The characters of UTF-8 text; a byte that starts no valid character is
// one replacement character.
Chars Decode(std::string_view text) {
    Chars chars;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(b);
        bool whole = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k) whole = Continues(static_cast<unsigned char>(text[i + k]));
        if (!whole) {
            chars += kReplacement;
            ++i;
            continue;
        }
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        chars += c;
        i += length;
    }
    return chars;
}

std::string Encode(CharsView chars) {
    std::string text;
    for (const char32_t c : chars) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            text += static_cast<char>(0xE0 | (c >> 12));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (c >> 18));
            text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

int WidthOf(CharsView chars, const TextWidth& width) { return width(Encode(chars)); }

// The length of the longest start of `text` that fits into `maxWidth`, found
// by halving (widths grow with the length), so a line costs few measurements.
std::size_t LongestFittingStart(CharsView text, int maxWidth, const TextWidth& width) {
    std::size_t fits = 0, tooWide = text.size() + 1;
    while (tooWide - fits > 1) {
        const std::size_t middle = fits + (tooWide - fits) / 2;
        (WidthOf(text.substr(0, middle), width) <= maxWidth ? fits : tooWide) = middle;
    }
    return fits;
}

// `text` broken into at most `maxLines` lines, each as long as fits or, with
// `afterSeparators`, ending after its last separator; an ellipsis at
// `ellipsisAt` is not broken. Nothing when it needs more lines, or when a
// line would be empty.
std::optional<Chars> BreakIntoLines(CharsView text, int maxWidth, int maxLines, const TextWidth& width,
                                    bool afterSeparators, std::size_t ellipsisAt = kNone) {
    Chars lines;
    std::size_t start = 0;
    for (int line = 1;; ++line) {
        const CharsView rest = text.substr(start);
        if (WidthOf(rest, width) <= maxWidth) return lines.append(rest);
        if (line >= maxLines) return std::nullopt;
        std::size_t cut = LongestFittingStart(rest.substr(0, rest.size() - 1), maxWidth, width);
        const std::size_t separator = rest.substr(0, cut).rfind(kSeparator);
        if (afterSeparators && separator != kNone && separator > 0) cut = separator + 1;
        if (ellipsisAt != kNone && start + cut > ellipsisAt && start + cut < ellipsisAt + kEllipsisChars.size()) {
            cut = ellipsisAt - start;
        }
        if (cut == 0) return std::nullopt;
        lines.append(rest.substr(0, cut)).append(U"\r\n");
        start += cut;
    }
}

struct Shortening {
    Chars text;
    std::size_t ellipsisAt = 0;
};

// `text` shortened to `keep` of its characters around an ellipsis, the end
// given the larger half but at least `minTail`, the start at least `minHead`
// (keep >= minHead + minTail). One more character kept adds one to the
// start or to the end, so a longer shortening is never narrower.
Shortening Shortened(CharsView text, std::size_t keep, std::size_t minHead, std::size_t minTail) {
    const std::size_t tail = std::min(std::max((keep + 1) / 2, minTail), keep - minHead);
    Shortening s{Chars(text.substr(0, keep - tail)), keep - tail};
    s.text.append(kEllipsisChars).append(text.substr(text.size() - tail));
    return s;
}

std::string FitChars(CharsView text, int maxWidth, int maxLines, const TextWidth& width) {
    for (const bool afterSeparators : {true, false}) {
        if (auto lines = BreakIntoLines(text, maxWidth, maxLines, width, afterSeparators)) return Encode(*lines);
    }
    // The drive up to its separator, and the last folder from its separator on.
    const std::size_t first = text.find(kSeparator), last = text.rfind(kSeparator);
    std::size_t minHead = first == kNone ? 0 : first + 1;
    std::size_t minTail = last == kNone || last + 1 == text.size() ? 0 : text.size() - last;
    const auto fits = [&](std::size_t keep) {
        const Shortening s = Shortened(text, keep, minHead, minTail);
        return BreakIntoLines(s.text, maxWidth, maxLines, width, false, s.ellipsisAt).has_value();
    };
    if (minTail == 0 || minHead + minTail >= text.size() || !fits(minHead + minTail)) {
        minHead = minTail = 0;
        if (!fits(0)) return std::string(kEllipsis);
    }
    // The most characters kept that still fit (the whole text did not).
    std::size_t fitting = minHead + minTail, tooMany = text.size();
    while (tooMany - fitting > 1) {
        const std::size_t middle = fitting + (tooMany - fitting) / 2;
        (fits(middle) ? fitting : tooMany) = middle;
    }
    const Shortening s = Shortened(text, fitting, minHead, minTail);
    for (const bool afterSeparators : {true, false}) {
        if (auto lines = BreakIntoLines(s.text, maxWidth, maxLines, width, afterSeparators, s.ellipsisAt)) {
            return Encode(*lines);
        }
    }
    return Encode(s.text);  // not reached: it fitted when broken anywhere
}

}  // namespace

std::string FitToLines(std::string_view text, int maxWidth, int maxLines, const TextWidth& width) {
    if (text.empty()) return {};
    return FitChars(Decode(text), maxWidth, std::max(maxLines, 1), width);
}

}  // namespace vorlant
