#include "mainwin/type_ahead.h"

namespace vorlant {

bool TypeAheadPrefix::Type(char c, bool isLetter, Timing timing, const SelectFirst& selectFirst) {
    if (!isLetter) return false;
    // Unsigned: the difference holds across the clock's wrap. One of half the
    // clock's range or more is a time before the last letter's, as a clock
    // read out of order gives: no time passed.
    const std::uint32_t passed = timing.now - lastLetter_;
    if (passed < kBackwards && passed > timing.pause) length_ = 0;
    lastLetter_ = timing.now;
    letters_[length_++] = c;
    letters_[length_] = '\0';
    if (!selectFirst(letters_.data())) {
        letters_[0] = c;
        letters_[1] = '\0';
        length_ = 1;
        if (!selectFirst(letters_.data())) length_ = 0;
    }
    if (length_ >= kMaxLetters) length_ = 0;
    return true;
}

int FirstEntryWithPrefix(std::u16string_view prefix, const EntryAt& entryAt, const FoldCase& fold) {
    std::u16string wanted(prefix);
    fold(wanted);
    for (int index = 0;; ++index) {
        std::optional<std::u16string> entry = entryAt(index);
        if (!entry) return -1;
        if (entry->size() < wanted.size()) continue;
        entry->resize(wanted.size());
        fold(*entry);
        if (*entry == wanted) return index;
    }
}

}  // namespace vorlant
