// The publisher list's keyboard search: typed letters grow a prefix, and the
// list selects its first entry that begins with it. A letter that continues
// no entry starts a new prefix on its own, and so does a letter typed after
// a pause, as in the system's own lists.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vorlant {

class TypeAheadPrefix {
public:
    // The prefix holds at most this many letters; the search with the last
    // of them is still made, the next letter starts afresh.
    static constexpr std::size_t kMaxLetters = 31;
    static constexpr std::uint32_t kBackwards = 0x80000000u;

    // Selects the list's first entry that begins with `prefix` (a terminated
    // text of the language's code page), ignoring case; false when none does.
    using SelectFirst = std::function<bool(const char* prefix)>;

    // When a character was typed: `now` in milliseconds of one clock that
    // wraps around (the platform's tick count), and the pause after which
    // the next letter no longer continues the prefix. A `now` that lies
    // kBackwards or more after the previous letter's is taken as earlier
    // than it: no time passed.
    struct Timing {
        std::uint32_t now = 0;
        std::uint32_t pause = 0;
    };

    // One typed character, `c` in the language's code page, which the
    // platform counts among the letters when `isLetter`. Anything but a
    // letter leaves the prefix alone and searches nothing. A letter that
    // comes more than the pause after the previous one starts a new prefix.
    // Returns whether a search was made.
    bool Type(char c, bool isLetter, Timing timing, const SelectFirst& selectFirst);

    // Forgets the letters typed so far: the list gained the focus.
    void Clear() { length_ = 0; }

    std::string_view Letters() const { return {letters_.data(), length_}; }

private:
    std::array<char, kMaxLetters + 1> letters_{};
    std::size_t length_ = 0;
    std::uint32_t lastLetter_ = 0;  // when the last letter was typed
};

// Turns a text in place into the form in which case plays no part (the
// platform's capitals); one UTF-16 unit stays one.
using FoldCase = std::function<void(std::u16string& text)>;

// The list's entry at `index` (0 at the top) in UTF-16; nothing past the last.
using EntryAt = std::function<std::optional<std::u16string>(int index)>;

// The search the prefix asks for: the index of the first entry from the top
// whose beginning equals `prefix` once both are folded; -1 when none does.
// The program's own search, so that one rule holds on every platform (the
// list box's own one folds only A to Z on some).
int FirstEntryWithPrefix(std::u16string_view prefix, const EntryAt& entryAt, const FoldCase& fold);

}  // namespace vorlant
