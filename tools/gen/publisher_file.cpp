// The publisher file: record 0 with the password and the plain-data marker,
// then one 816-byte record per publisher.
#include <algorithm>

#include "builder.h"
#include "common/bytes.h"

namespace vorlant::gen {
namespace {

constexpr std::size_t kRecordSize = 816;

struct TextField {
    std::size_t offset;
    std::size_t width;  // the text has at most width - 1 characters
    Kept204 kept;
    const char* name;
};

constexpr TextField kFirstName{2, 21, Kept204::Everywhere, "first name"};
constexpr TextField kLastName{23, 21, Kept204::Everywhere, "last name"};
constexpr TextField kAddress{44, 63, Kept204::First30, "address"};
constexpr TextField kPhone{107, 15, Kept204::Nowhere, "telephone"};
constexpr TextField kMobile{122, 15, Kept204::Nowhere, "mobile"};
constexpr TextField kBaptismDate{152, 9, Kept204::Nowhere, "baptism date"};
constexpr TextField kBirthDate{161, 9, Kept204::Nowhere, "birth date"};

constexpr std::size_t kRecordNumber = 0;  // a reserved word; the companion keeps the record's number there
constexpr std::size_t kMarker = 23;
constexpr std::size_t kHope = 180;
constexpr std::size_t kGroupNumber = 181;
constexpr std::size_t kPublisherId = 182;
constexpr std::size_t kDetailsIndex = 184;
constexpr std::size_t kServiceFlags = 194;
constexpr std::size_t kOmitFromList = 200;
constexpr std::size_t kMonthStatus = 202;
constexpr std::size_t kPersonFlags = 239;
constexpr std::size_t kMonthlyFigures = 240;
constexpr std::size_t kRemarkNumber = 600;

constexpr std::uint8_t kPlainMarker = 'A';
// Record 0's last name in scrambled files: the congregation's name, whose
// first stored byte is the marker position and must not read as plain.
constexpr std::string_view kCongregationName = "Zbór Warszawa-Wola";

void PutText(ByteSpan record, const TextField& field, std::string_view utf8, bool scrambled) {
    std::string bytes = Cp1250(utf8);
    Require(bytes.size() < field.width, std::string(field.name) + " too long: " + std::string(utf8));
    if (scrambled) {
        const auto stored = ScrambleText(bytes, field.kept);
        Require(stored.has_value(), std::string(field.name) + " would not read back: " + std::string(utf8));
        bytes = *stored;
    }
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(field.offset));
}

void PutHeader(ByteSpan record, const GeneratorOptions& options) {
    PutText(record, kFirstName, options.password.empty() ? " " : options.password, options.scrambled);
    if (options.scrambled) {
        PutText(record, kLastName, kCongregationName, true);
        Require(record[kMarker] != kPlainMarker, "the scrambled marker reads as plain");
    } else {
        WriteU8(record, kMarker, kPlainMarker);
        WriteU8(record, kMarker + 1, 0);
    }
}

void PutMonths(ByteSpan record, const Person& person) {
    for (std::size_t m = 0; m < 12; ++m) {
        for (std::size_t s = 0; s < 3; ++s) {
            const MonthCell& cell = person.months[m][s];
            WriteU8(record, kMonthStatus + 3 * m + s, cell.status);
            for (std::size_t kind = 0; kind < cell.figures.size(); ++kind) {
                WriteU16(record, kMonthlyFigures + 72 * kind + 6 * m + 2 * s, cell.figures[kind]);
            }
            WriteU16(record, kRemarkNumber + 6 * m + 2 * s, cell.remarkNumber);
        }
    }
}

void PutPerson(ByteSpan record, const Person& person, bool scrambled) {
    const PublisherInfo& info = person.info;
    WriteU16(record, kRecordNumber, static_cast<std::uint16_t>(info.record));
    PutText(record, kFirstName, info.firstName, scrambled);
    PutText(record, kLastName, info.lastName, scrambled);
    PutText(record, kAddress, person.address, scrambled);
    PutText(record, kPhone, person.phone, scrambled);
    PutText(record, kMobile, person.mobile, scrambled);
    PutText(record, kBaptismDate, info.baptismDate, scrambled);
    PutText(record, kBirthDate, info.birthDate, scrambled);
    WriteU8(record, kHope, person.hope);
    WriteU8(record, kGroupNumber, static_cast<std::uint8_t>(info.group));
    WriteU16(record, kPublisherId, info.id);
    WriteU16(record, kDetailsIndex, info.detailsIndex);
    WriteU16(record, kServiceFlags, person.serviceFlags);
    WriteU8(record, kOmitFromList, info.omitted ? 1 : 0);
    WriteU8(record, kPersonFlags, person.personFlags);
    PutMonths(record, person);
}

}  // namespace

std::vector<std::uint8_t> BuildPublisherFile(const std::vector<Person>& people, const GeneratorOptions& options) {
    std::vector<std::uint8_t> file((people.size() + 1) * kRecordSize, 0);
    const ByteSpan bytes(file);
    PutHeader(bytes.subspan(0, kRecordSize), options);
    for (const Person& person : people) {
        const auto record = static_cast<std::size_t>(person.info.record);
        PutPerson(bytes.subspan(record * kRecordSize, kRecordSize), person, options.scrambled);
    }
    return file;
}

}  // namespace vorlant::gen
