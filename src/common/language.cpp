#include "common/language.h"

namespace vorlant {

std::string_view LocaleForLanguage(std::string_view languageCode) {
    if (languageCode == "rom") return "rom";
    if (languageCode == "turkish") return "turkish";
    return {};
}

int CardCharsetFor(std::string_view languageCode) {
    if (languageCode == "ell") return 161;      // Greek
    if (languageCode == "rus") return 204;      // Cyrillic
    if (languageCode == "cz" || languageCode == "rom" || languageCode == "polish" ||
        languageCode == "sk") {
        return 238;                             // Central European
    }
    if (languageCode == "lt") return 186;       // Baltic
    if (languageCode == "turkish") return 162;  // Turkish
    return 0;                                   // ANSI
}

bool HasFirstNameSort(std::string_view languageCode) { return languageCode == "portuguese"; }

DateForms DateFormsFor(std::string_view languageCode) {
    if (languageCode == "cz") return DateForms::Czech;
    if (languageCode == "hun") return DateForms::Hungarian;
    return DateForms::Standard;
}

bool PanelKeepsContextFont(std::string_view languageCode) { return languageCode == "vie"; }

bool LabelsNearTheirBoxes(std::string_view languageCode) { return languageCode == "greek" || languageCode == "rus"; }

bool RemarksHeadingNearTheEdge(std::string_view languageCode) { return languageCode == "greek"; }

}  // namespace vorlant
