// The pure parts of the program's start and end: the report month and year
// read off the local date, the settings file's path, and what the exit
// writes and says.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "layout/known_file.h"

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

// One of the files the exit writes: its name, and how it is written (none:
// this run has nothing to write there).
struct ExitFile {
    std::string name;
    std::function<FileSave()> save;
};

// What the exit has to say once it has written every file.
struct ExitReport {
    std::vector<std::string> lost;  // the files whose changes were lost, in the order written
    bool sayNow = false;            // false while the session ends: no one could answer
};

// Writes `files` in their order, all of them before anything is said, and
// tells which lost their changes and whether to say so now.
ExitReport SaveAtExit(const std::vector<ExitFile>& files, bool sessionEnding);

}  // namespace vorlant
