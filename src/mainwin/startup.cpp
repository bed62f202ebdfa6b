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
    // Four characters, not bytes: a letter of another script is one
    // character of two to four bytes in UTF-8, whose later bytes are
    // 10xxxxxx.
    std::size_t keep = executablePath.size();
    for (int characters = 0; characters < 4 && keep > 0; ++characters) {
        do --keep;
        while (keep > 0 && (static_cast<unsigned char>(executablePath[keep]) & 0xC0) == 0x80);
    }
    return std::string(executablePath.substr(0, keep)) + ".INI";
}

ExitReport SaveAtExit(const std::vector<ExitFile>& files, bool sessionEnding) {
    ExitReport report;
    for (const ExitFile& file : files) {
        if (file.save && file.save() == FileSave::FailedChangesLost) report.lost.push_back(file.name);
    }
    report.sayNow = !report.lost.empty() && !sessionEnding;
    return report;
}

}  // namespace vorlant
