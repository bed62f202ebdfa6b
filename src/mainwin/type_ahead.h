// The publisher list's keyboard search: typed letters grow a prefix, and the
// list selects its first entry that begins with it. A letter that continues
// no entry starts a new prefix on its own.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>

namespace vorlant {

// Whether byte `c` is a letter of code page 1250, the Polish ANSI code page
// of the data files: A to Z, a to z and the accented letters (Ą, Ł, Ś, ż,
// ...) and the caron, which the platform counts among them; not digits,
// blanks, punctuation, signs or the other lone accents.
constexpr bool IsCp1250Letter(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
    // From 0xC0 on all are letters but the multiplication and division signs
    // and the dot accent at the end.
    if (b >= 0xC0) return b != 0xD7 && b != 0xF7 && b != 0xFF;
    // Š Ś Ť Ž Ź š ś ť ž ź ˇ Ł Ą Ş Ż ł µ ą ş Ľ ľ ż
    constexpr std::string_view kBelowC0 =
        "\x8A\x8C\x8D\x8E\x8F\x9A\x9C\x9D\x9E\x9F\xA1\xA3\xA5\xAA\xAF\xB3\xB5\xB9\xBA\xBC\xBE\xBF";
    return kBelowC0.find(c) != std::string_view::npos;
}

class TypeAheadPrefix {
public:
    // The prefix holds at most this many letters; the search with the last
    // of them is still made, the next letter starts afresh.
    static constexpr std::size_t kMaxLetters = 31;

    // Whether a typed byte of the ANSI code page is a letter.
    using IsLetter = bool (*)(char c);

    // Selects the list's first entry that begins with `prefix` (a terminated
    // text), ignoring case; false when none does.
    using SelectFirst = std::function<bool(const char* prefix)>;

    // Letters as `isLetter` tells them: the program asks the platform about
    // its ANSI code page.
    explicit TypeAheadPrefix(IsLetter isLetter = IsCp1250Letter) : isLetter_(isLetter) {}

    // One typed character. Anything but a letter leaves the prefix alone and
    // searches nothing. Returns whether a search was made.
    bool Type(char c, const SelectFirst& selectFirst);

    // Forgets the letters typed so far: the list gained the focus.
    void Clear() { length_ = 0; }

    std::string_view Letters() const { return {letters_.data(), length_}; }

private:
    IsLetter isLetter_;
    std::array<char, kMaxLetters + 1> letters_{};
    std::size_t length_ = 0;
};

}  // namespace vorlant
