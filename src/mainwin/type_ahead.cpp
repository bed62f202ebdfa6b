#include "mainwin/type_ahead.h"

#include <cctype>

namespace vorlant {

bool TypeAheadPrefix::Type(char c, const SelectFirst& selectFirst) {
    if (std::isalpha(static_cast<unsigned char>(c)) == 0) return false;
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
