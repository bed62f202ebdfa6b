#include "congregation.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "builder.h"
#include "data/data_files.h"

namespace vorlant::gen {
namespace {

constexpr std::size_t kPasswordWidth = 21;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string CheckPassword(const GeneratorOptions& options) {
    const auto password = Utf8ToCp1250(options.password);
    if (!password) return "the password is not UTF-8 text of code page 1250";
    if (password->size() >= kPasswordWidth) return "the password is longer than 20 characters";
    if (options.scrambled && !ScrambleText(*password, Kept204::Everywhere)) {
        return "the password cannot be stored scrambled so that it reads back; choose another";
    }
    return {};
}

// What a reader makes of a publisher's stored month cells.
void DescribeMonths(Person& person) {
    for (std::size_t m = 0; m < 12; ++m) {
        for (std::size_t s = 0; s < 2; ++s) {
            const MonthCell& cell = person.months[m][s];
            MonthFigures& figures = person.info.months[m][s];
            figures.status = cell.status & 0x03;
            figures.hours = cell.figures[2];
            figures.studies = cell.figures[4] & kStudiesMask;
            figures.shared = figures.hours != 0 || (cell.figures[4] & kSharedFlag) != 0;
        }
    }
}

bool WriteOrRemove(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) {
        std::error_code error;
        std::filesystem::remove(path, error);
        return !error;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::string CheckFixedPublisher(const FixedPublisher& fixed) {
    for (const std::string* name : {&fixed.firstName, &fixed.lastName}) {
        const auto text = Utf8ToCp1250(*name);
        if (!text || text->empty() || text->size() > 20) return "a fixed name must have 1 to 20 letters of code page 1250";
    }
    for (const FixedRow& row : fixed.rows) {
        if (row.status < 0 || row.status > 3) return "a fixed pioneer status must lie between 0 and 3";
        if (row.studies > 1023) return "fixed Bible studies must lie between 0 and 1023";
        const auto remark = Utf8ToCp1250(row.remark);
        if (!remark || remark->size() > 43) return "a fixed remark must have at most 43 letters of code page 1250";
    }
    return {};
}

}  // namespace

void Require(bool condition, std::string_view what) {
    if (!condition) throw std::logic_error("congregation generator: " + std::string(what));
}

std::string Cp1250(std::string_view utf8) {
    auto text = Utf8ToCp1250(utf8);
    Require(text.has_value(), "not a code page 1250 text: " + std::string(utf8));
    return *text;
}

int CardYearSlot(int serviceYear, int month) { return (month >= 8 ? serviceYear - 1 : serviceYear) % 2; }

std::string CheckOptions(const GeneratorOptions& options) {
    if (options.year < 1990 || options.year > 2099) return "the year must lie between 1990 and 2099";
    if (options.month < 1 || options.month > 12) return "the month must lie between 1 and 12";
    if (options.day < 1 || options.day > DaysInMonth(options.year, options.month)) return "no such day";
    if (!options.maximum && (options.publishers < 0 || options.publishers > kMaxPublishers)) {
        return "the number of publishers must lie between 0 and " + std::to_string(kMaxPublishers);
    }
    if (!options.maximum && (options.groups < 0 || options.groups > kMaxGroups)) {
        return "the number of groups must lie between 0 and " + std::to_string(kMaxGroups);
    }
    if (options.firstPublisher) {
        if (const std::string problem = CheckFixedPublisher(*options.firstPublisher); !problem.empty()) return problem;
    }
    return CheckPassword(options);
}

Congregation Generate(const GeneratorOptions& options) {
    if (const std::string problem = CheckOptions(options); !problem.empty()) throw std::invalid_argument(problem);
    const Calendar calendar = MakeCalendar(options);
    std::vector<Person> people = CreatePeople(options, calendar);
    Congregation result;
    result.detailsFile = BuildDetailsFile(people, options);
    result.remarkFile = BuildRemarkFile(people, options, calendar, result.usableRemarks);
    result.groupFile = BuildGroupFile(people, options.maximum ? kMaxGroups : options.groups, result.groupTexts);
    result.publisherFile = BuildPublisherFile(people, options);
    result.detailsRecords = static_cast<int>(result.detailsFile.size() / kDetailsRecordSize);
    result.reportMonth = MonthIndexOf(calendar.report);
    result.reportYear = YearOf(calendar.report);
    result.serviceYear = calendar.serviceYear;
    for (Person& person : people) {
        DescribeMonths(person);
        result.publishers.push_back(std::move(person.info));
    }
    return result;
}

bool WriteCongregation(const Congregation& congregation, const std::string& folder) {
    const std::filesystem::path base(std::u8string(folder.begin(), folder.end()));
    std::error_code error;
    std::filesystem::create_directories(base, error);
    if (error) return false;
    bool ok = WriteOrRemove(base / kPublisherFileName, congregation.publisherFile);
    ok = WriteOrRemove(base / kGroupFileName, congregation.groupFile) && ok;
    ok = WriteOrRemove(base / kDetailsFileName, congregation.detailsFile) && ok;
    ok = WriteOrRemove(base / kRemarkFileName, congregation.remarkFile) && ok;
    return ok;
}

}  // namespace vorlant::gen
