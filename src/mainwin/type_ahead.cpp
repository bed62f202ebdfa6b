#include "mainwin/type_ahead.h"

namespace vorlant {

bool TypeAheadPrefix::Type(char c, const SelectFirst& selectFirst) {
    if (isLetter_ == nullptr || !isLetter_(c)) return false;
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

}  // namespace vorlant
