// The few behaviours that the language tag of the resources switches (string
// 133: "polish" in this build): the runtime locale, the fonts' character set,
// the sort by first name, the date forms and the panels' drawing details.
// Every choice by tag is made here; tags are compared exactly and
// case-sensitively.
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

// How the date styles 2 and 3 are written.
enum class DateForms {
    Standard,   // "Sty 31, 2012" and "31 Sty, 2012"
    Czech,      // style 2 as "31/01/2012"
    Hungarian,  // "2012. Sty. 31." and "2012-01-31"
};
DateForms DateFormsFor(std::string_view languageCode);

// The header panel's texts keep the paint context's own font ("vie").
bool PanelKeepsContextFont(std::string_view languageCode);

// The header panel's labels stand nearer their boxes ("greek", "rus").
bool LabelsNearTheirBoxes(std::string_view languageCode);

// The preview's longer remarks heading stands nearer the panel's right edge
// ("greek").
bool RemarksHeadingNearTheEdge(std::string_view languageCode);

}  // namespace vorlant
