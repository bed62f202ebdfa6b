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

std::string ComposeTitle(std::string_view appName, std::string_view versionName) {
    std::string title(appName);
    title += " - ";
    title += versionName;
    return title;
}

}  // namespace vorlant
