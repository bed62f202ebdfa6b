// The extended details file: an unused record 0, then 192-byte records with
// a publisher's identifier, long name and two further texts, always
// scrambled. Besides the long names of their own, a few publishers point at
// records that a reader must refuse.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "builder.h"
#include "common/bytes.h"
#include "polish_data.h"
#include "random.h"

namespace vorlant::gen {
namespace {

constexpr std::size_t kPublisherId = 0;

struct TextField {
    std::size_t offset;
    std::size_t width;
};

constexpr TextField kLongName{2, 65};
constexpr TextField kDetailText1{67, 51};
constexpr TextField kDetailText2{118, 72};

// Positions with a fixed part in the details (see RoleAt for the others).
constexpr std::size_t kDigitsOnly = 12;
constexpr std::size_t kOthersRecord = 13;  // points at another publisher's record
constexpr std::size_t kFormerRecord = 14;  // points at the record of a publisher who left
constexpr std::size_t kBeyondEnd = 15;     // points at the first record number past the end

struct DetailsRecord {
    std::uint16_t id = 0;
    std::string longName;  // UTF-8
    std::string text1;
    std::string text2;
};

// The first candidate that fits its field and reads back after scrambling.
std::string FirstReadable(std::initializer_list<std::string> candidates, const TextField& field) {
    for (const std::string& text : candidates) {
        const auto bytes = Utf8ToCp1250(text);
        if (bytes && bytes->size() < field.width && ScrambleText(*bytes, Kept204::Nowhere)) return text;
    }
    Require(false, "no readable text among the candidates for " + *candidates.begin());
    return {};
}

std::string OtherFirstName(const PublisherInfo& info, Random& rng) {
    const auto names = info.male ? MaleFirstNames() : FemaleFirstNames();
    std::string_view second = rng.Pick(names);
    if (second == info.firstName) second = names[(static_cast<std::size_t>(rng.Below(1000)) + 1) % names.size()];
    return std::string(second == info.firstName ? names.front() : second);
}

// The form of a surname that a wife or daughter carries.
std::string FemaleForm(const std::string& lastName) {
    for (const Surname& surname : Surnames()) {
        if (surname.male == lastName || surname.female == lastName) return std::string(surname.female);
    }
    return lastName;
}

DetailsRecord LongNameRecord(const PublisherInfo& info, const std::string& mobile, Random& rng) {
    const std::string second = OtherFirstName(info, rng);
    const std::string maiden(rng.Pick(Surnames()).female);
    const std::string full = info.firstName + " " + second + " " + info.lastName;
    const std::string withMaiden = info.male || maiden == info.lastName ? full : full + "-" + maiden;
    const std::string contact = std::string(rng.Pick(FemaleFirstNames())) + " " + FemaleForm(info.lastName);
    return {info.id,
            FirstReadable({withMaiden, full, info.firstName + " " + info.lastName,
                           info.lastName + " " + info.firstName},
                          kLongName),
            FirstReadable({"tel. " + mobile, mobile}, kDetailText1),
            FirstReadable({"W razie wypadku: " + contact + ", tel. " + mobile, "W razie wypadku: tel. " + mobile},
                          kDetailText2)};
}

// A long name that is a telephone number, and a first detail text without a
// letter either; the second text has letters, which must not count.
DetailsRecord DigitsOnlyRecord(const Person& person) {
    return {person.info.id, person.phone, person.mobile, "Numer telefonu wpisany zamiast nazwiska"};
}

DetailsCase CaseAt(std::size_t k, bool maximum) {
    switch (k) {
        case kDigitsOnly: return DetailsCase::DigitsOnly;
        case kOthersRecord:
        case kFormerRecord: return DetailsCase::WrongId;
        case kBeyondEnd: return DetailsCase::BeyondEnd;
        default: return maximum || k % 4 == 3 ? DetailsCase::LongName : DetailsCase::None;
    }
}

std::uint16_t FormerPublisherId(const std::vector<Person>& people) {
    std::uint16_t highest = 0;
    for (const Person& p : people) highest = std::max(highest, p.info.id);
    return static_cast<std::uint16_t>(highest + 23);
}

void PutText(ByteSpan record, const TextField& field, const std::string& utf8) {
    const auto stored = ScrambleText(Cp1250(utf8), Kept204::Nowhere);
    Require(stored && stored->size() < field.width, "details text would not read back: " + utf8);
    std::copy(stored->begin(), stored->end(), record.begin() + static_cast<std::ptrdiff_t>(field.offset));
}

std::vector<std::uint8_t> Serialize(const std::vector<DetailsRecord>& records) {
    std::vector<std::uint8_t> file((records.size() + 1) * kDetailsRecordSize, 0);
    for (std::size_t n = 1; n <= records.size(); ++n) {
        const ByteSpan record = ByteSpan(file).subspan(n * kDetailsRecordSize, kDetailsRecordSize);
        const DetailsRecord& details = records[n - 1];
        WriteU16(record, kPublisherId, details.id);
        PutText(record, kLongName, details.longName);
        PutText(record, kDetailText1, details.text1);
        PutText(record, kDetailText2, details.text2);
    }
    return file;
}

// Appends `record` and returns its record number (record 0 is not in the list).
std::uint16_t Append(std::vector<DetailsRecord>& records, DetailsRecord record) {
    records.push_back(std::move(record));
    return static_cast<std::uint16_t>(records.size());
}

}  // namespace

std::vector<std::uint8_t> BuildDetailsFile(std::vector<Person>& people, const GeneratorOptions& options) {
    const std::size_t capacity = options.maximum ? static_cast<std::size_t>(kMaxDetailsRecords) : SIZE_MAX;
    std::vector<DetailsRecord> records;
    for (std::size_t k = 0; k < people.size(); ++k) {
        Person& person = people[k];
        PublisherInfo& info = person.info;
        Random rng(MixSeed(options.seed, 0xDE7A11 + k));
        info.details = CaseAt(k, options.maximum);
        if (info.details == DetailsCase::LongName && records.size() >= capacity) info.details = DetailsCase::None;
        if (info.details == DetailsCase::LongName || info.details == DetailsCase::DigitsOnly) {
            info.detailsIndex = Append(records, info.details == DetailsCase::LongName
                                                    ? LongNameRecord(info, person.mobile, rng)
                                                    : DigitsOnlyRecord(person));
            info.longName = records.back().longName;
        } else if (k == kFormerRecord) {
            PublisherInfo former = info;
            former.id = FormerPublisherId(people);
            info.detailsIndex = Append(records, LongNameRecord(former, person.mobile, rng));
        }
    }
    if (people.size() > kOthersRecord) {
        PublisherInfo& info = people[kOthersRecord].info;
        const auto other = std::find_if(records.begin(), records.end(),
                                        [&](const DetailsRecord& r) { return r.id != info.id; });
        Require(other != records.end(), "no record of another publisher to point at");
        info.detailsIndex = static_cast<std::uint16_t>(other - records.begin() + 1);
    }
    if (people.size() > kBeyondEnd) people[kBeyondEnd].info.detailsIndex = static_cast<std::uint16_t>(records.size() + 1);
    Require(!options.maximum || records.size() == static_cast<std::size_t>(kMaxDetailsRecords), "the largest details file is not full");
    return Serialize(records);
}

}  // namespace vorlant::gen
