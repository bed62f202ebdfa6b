// The few behaviours that the language tag of the resources switches (string
// 133: "polish" in this build): the runtime locale, the fonts' character set
// and the sort by first name. Tags are compared exactly and case-sensitively.
#pragma once

#include <string_view>

namespace vorlant {

// The process locale that a language tag asks for ("rom", "turkish"), or an
// empty text when the locale is left as it is.
std::string_view LocaleForLanguage(std::string_view languageCode);

// Character set of every font that the card rendering creates.
int CardCharsetFor(std::string_view languageCode);

// Whether the resources of this language sort the publishers, and may list
// them, by first name: read and write the "FN Sort" setting and offer it in
// the options dialog.
bool HasFirstNameSort(std::string_view languageCode);

}  // namespace vorlant
