// Numbered string resources: every label, message, default layout value and
// card-version name of the program is one. The program reads them from its
// own executable; tests read them from the resource script.
#pragma once

#include <string>

namespace vorlant {

class StringSource {
public:
    virtual ~StringSource() = default;
    // The string with this number, or the empty text when there is none.
    virtual std::string Load(unsigned id) const = 0;
};

}  // namespace vorlant
