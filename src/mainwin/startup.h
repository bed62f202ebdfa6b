// The pure parts of the program's start: the report month and year read off
// the local date, and the settings file's path.
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

// The executable's path (UTF-8) less its last four characters (".exe"),
// plus ".INI".
std::string IniPathFor(std::string_view executablePath);

}  // namespace vorlant
