#include "mainwin/startup.h"

namespace vorlant {

ReportDate ComputeReportDate(int year, int month) {
    ReportDate date;
    date.reportMonth = month > 1 ? month - 2 : 11;
    date.currentYear = year;
    // The year as one byte, 2000 .. 2255 giving 0 .. 255; in January the
    // report month lies in the year before.
    date.reportYearByte = static_cast<std::uint8_t>(static_cast<unsigned>(year) + 48u);
    if (month == 1) --date.reportYearByte;
    return date;
}

std::string IniPathFor(std::string_view executablePath) {
    const std::size_t keep = executablePath.size() > 4 ? executablePath.size() - 4 : 0;
    return std::string(executablePath.substr(0, keep)) + ".INI";
}

}  // namespace vorlant
