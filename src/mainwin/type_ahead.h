// The publisher list's keyboard search: typed letters grow a prefix, and the
// list selects its first entry that begins with it. A letter that continues
// no entry starts a new prefix on its own.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>

namespace vorlant {

class TypeAheadPrefix {
public:
    // The prefix holds at most this many letters; the search with the last
    // of them is still made, the next letter starts afresh.
    static constexpr std::size_t kMaxLetters = 31;

    // Selects the list's first entry that begins with `prefix` (a terminated
    // text), ignoring case; false when none does.
    using SelectFirst = std::function<bool(const char* prefix)>;

    // One typed character. Anything but a letter (as the current locale
    // classifies it) leaves the prefix alone and searches nothing. Returns
    // whether a search was made.
    bool Type(char c, const SelectFirst& selectFirst);

    // Forgets the letters typed so far: the list gained the focus.
    void Clear() { length_ = 0; }

    std::string_view Letters() const { return {letters_.data(), length_}; }

private:
    std::array<char, kMaxLetters + 1> letters_{};
    std::size_t length_ = 0;
};

}  // namespace vorlant
