// The pure parts of the program's start: the report month and year read off
// the local date, the settings file's path, the language-dependent choices
// and the window caption.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlant {

struct ReportDate {
    int reportMonth = 0;              // the month before the start, 0 = January
    std::uint8_t reportYearByte = 0;  // calendar year of that month, as (year + 48) % 256
    int currentYear = 0;              // the full calendar year at the start
};

// `month` 1 = January .. 12 = December, `year` the full calendar year.
ReportDate ComputeReportDate(int year, int month);

// The executable's path less its last four characters (".exe"), plus ".INI".
std::string IniPathFor(std::string_view executablePath);

// The process locale that a language tag asks for ("rom", "turkish"), or an
// empty text when the locale is left as it is.
std::string_view LocaleForLanguage(std::string_view languageCode);

// Character set of every font that the card rendering creates.
int CardCharsetFor(std::string_view languageCode);

// "<application name> - <card version name>".
std::string ComposeTitle(std::string_view appName, std::string_view versionName);

}  // namespace vorlant
