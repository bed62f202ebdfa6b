// The publishers of the generated congregation: who they are and what they
// reported month by month.
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "builder.h"
#include "polish_data.h"
#include "random.h"

namespace vorlant::gen {
namespace {

enum class Pioneer : std::uint8_t { None, Regular, Special, NewRegular };

struct Role {
    bool male = false;
    Appointment appointment = Appointment::None;
    Pioneer pioneer = Pioneer::None;
    bool fieldMissionary = false;
    bool omitted = false;
    bool ungrouped = false;
    bool anointed = false;
    bool unbaptised = false;
    bool unknownBirth = false;
    bool irregular = false;         // reports only now and then
    bool hoursReporter = false;     // a publisher who still reports hours
    bool auxiliarySeasons = false;  // auxiliary pioneer every March and in the report month
    bool statusNotes = false;       // the companion's note bit in the status of ordinary months
    bool staleRemarkNumbers = false;
};

// Father and son of the same name: two publishers whose display names are equal.
constexpr int kNamesakeOf = 1;
constexpr int kNamesake = 16;

// The first positions have fixed parts, so that every case the readers and
// the list must handle is present in a congregation of 21 or more; the rest
// follow a regular pattern that scales up to the largest congregation.
Role RoleAt(int k, Random& rng) {
    Role r;
    switch (k) {
        case 0: r.male = true; r.appointment = Appointment::Elder; r.pioneer = Pioneer::Regular; return r;
        case 1: r.male = true; r.appointment = Appointment::Elder; r.auxiliarySeasons = true; return r;
        case 2: r.male = true; r.appointment = Appointment::Servant; r.hoursReporter = true; return r;
        case 3: r.male = true; r.pioneer = Pioneer::Special; return r;
        case 4: r.male = true; r.fieldMissionary = true; return r;
        case 5: r.pioneer = Pioneer::Regular; return r;
        case 6: r.pioneer = Pioneer::Regular; r.ungrouped = true; return r;
        case 7: r.pioneer = Pioneer::NewRegular; return r;
        case 8: r.male = true; r.ungrouped = true; r.statusNotes = true; return r;
        case 9: r.omitted = true; r.hoursReporter = true; return r;
        case 10: r.anointed = true; r.staleRemarkNumbers = true; return r;
        case 11: r.male = true; r.unbaptised = true; return r;
        case 12: r.hoursReporter = true; return r;
        case 13: r.male = true; return r;
        case 14: r.statusNotes = true; return r;
        case 15: r.male = true; r.appointment = Appointment::Servant; return r;
        case 16: r.male = true; r.staleRemarkNumbers = true; return r;
        case 17: r.irregular = true; r.unknownBirth = true; return r;
        case 18: r.male = true; r.omitted = true; r.ungrouped = true; return r;
        case 19: r.male = true; r.appointment = Appointment::Elder; r.anointed = true; return r;
        case 20: r.unbaptised = true; r.auxiliarySeasons = true; return r;
        default: break;
    }
    r.male = rng.Percent(45);
    if (r.male && k % 6 == 0) r.appointment = Appointment::Elder;
    if (r.male && k % 6 == 3) r.appointment = Appointment::Servant;
    if (k % 9 == 4) r.pioneer = Pioneer::Regular;
    r.ungrouped = k % 17 == 5;
    r.unbaptised = k % 11 == 7;
    r.hoursReporter = k % 3 == 0;
    r.statusNotes = k % 7 == 2;
    r.irregular = k % 23 == 11;
    r.staleRemarkNumbers = k % 5 == 1;
    return r;
}

// A random date of `year` as "MMDDYYYY".
std::string DateIn(int year, Random& rng) {
    const int month = rng.Between(1, 12);
    const int day = rng.Between(1, 28);
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%04d", month, day, year);
    return text;
}

// Random digits in groups, for example "22 611 45 90" for the sizes 2, 3, 2, 2.
std::string DigitGroups(Random& rng, std::initializer_list<int> sizes) {
    std::string out;
    for (const int size : sizes) {
        if (!out.empty()) out.push_back(' ');
        for (int i = 0; i < size; ++i) out.push_back(static_cast<char>('0' + rng.Below(10)));
    }
    return out;
}

void SetDates(PublisherInfo& info, const Role& role, int thisYear, Random& rng) {
    const int birthYear = role.unbaptised ? thisYear - rng.Between(8, 16) : thisYear - rng.Between(18, 88);
    if (!role.unknownBirth) info.birthDate = DateIn(birthYear, rng);
    if (role.unbaptised) return;
    const int baptismYear = role.unknownBirth ? thisYear - rng.Between(1, 30)
                                              : std::min(birthYear + rng.Between(12, 40), thisYear - 1);
    info.baptismDate = DateIn(baptismYear, rng);
}

// Each random value is drawn in a statement of its own: the order in which
// the operands of one expression are evaluated differs between compilers.
void SetContacts(Person& person, Random& rng) {
    const std::string street(rng.Pick(Streets()));
    const int house = rng.Between(1, 120);
    const int flat = rng.Percent(60) ? rng.Between(1, 40) : 0;
    std::string postcode = DigitGroups(rng, {2, 3});
    postcode[2] = '-';
    const std::string town(rng.Pick(Towns()));
    person.address = "ul. " + street + " " + std::to_string(house) + (flat != 0 ? "/" + std::to_string(flat) : "") +
                     ", " + postcode + " " + town;
    person.phone = "22 " + DigitGroups(rng, {3, 2, 2});
    const int network = rng.Between(5, 8);
    person.mobile = std::to_string(network) + DigitGroups(rng, {2, 3, 3});
}

int StatusIn(const Role& role, int month, const Calendar& calendar, Random& rng) {
    switch (role.pioneer) {
        case Pioneer::Regular: return 2;
        case Pioneer::Special: return 3;
        case Pioneer::NewRegular: return month == calendar.today ? 2 : month == calendar.report ? 1 : 0;
        case Pioneer::None: break;
    }
    if (role.fieldMissionary || role.irregular) return 0;
    if (role.auxiliarySeasons) return MonthIndexOf(month) == 2 || month == calendar.report ? 1 : 0;
    const bool spring = MonthIndexOf(month) == 2 || MonthIndexOf(month) == 3;
    return rng.Percent(spring ? 15 : 4) ? 1 : 0;
}

// Kinds 0 to 4 of one month: placements, video showings, hours, return
// visits and the Bible studies with the shared-in-the-ministry bit.
std::array<std::uint16_t, 5> FiguresIn(const Role& role, int status, Random& rng) {
    const bool fullTime = status != 0 || role.fieldMissionary;
    const bool reported = fullTime || rng.Percent(role.irregular ? 35 : 95);
    if (!reported) return {};
    int hours = 0;
    if (status == 3 || role.fieldMissionary) {
        hours = rng.Between(90, 130);
    } else if (status == 2) {
        hours = rng.Between(45, 85);
    } else if (status == 1) {
        hours = rng.Between(15, 52);
    } else if (role.hoursReporter && rng.Percent(75)) {
        hours = rng.Between(1, 25);
    }
    const int studies = fullTime ? rng.Between(0, 5) : rng.Percent(30) ? rng.Between(1, 2) : 0;
    int kind4 = studies;
    if (hours == 0 || rng.Percent(50)) kind4 |= kSharedFlag;  // older reports with hours lack the bit
    if (rng.Percent(8)) kind4 |= 0x1000;
    return {static_cast<std::uint16_t>(hours > 0 ? rng.Between(0, 12) : rng.Between(0, 3)),
            static_cast<std::uint16_t>(rng.Between(0, 4)),
            static_cast<std::uint16_t>(hours),
            static_cast<std::uint16_t>(hours > 0 ? rng.Between(0, hours / 6 + 1) : rng.Between(0, 2)),
            static_cast<std::uint16_t>(kind4)};
}

void FillMonths(Person& person, const Role& role, const Calendar& calendar, std::uint64_t personSeed,
                bool oldCurrentMonth) {
    for (int month = calendar.first; month <= calendar.today; ++month) {
        Random rng(MixSeed(personSeed, static_cast<std::uint64_t>(month)));
        MonthCell& cell = person.months[static_cast<std::size_t>(MonthIndexOf(month))]
                                       [static_cast<std::size_t>(SlotOf(month))];
        const int status = StatusIn(role, month, calendar, rng);
        cell.status = static_cast<std::uint8_t>(status | (role.statusNotes && status == 0 ? 0x80 : 0));
        if (month <= calendar.report) cell.figures = FiguresIn(role, status, rng);
        if (role.staleRemarkNumbers && rng.Percent(25)) {
            cell.remarkNumber = static_cast<std::uint16_t>(rng.Between(1, 60));
        }
    }
    if (oldCurrentMonth) {
        // This month's report is not in yet: its slot, which it shares with
        // the same month two years before, still holds that month's figures.
        const int old = calendar.today - 24;
        Random rng(MixSeed(personSeed, static_cast<std::uint64_t>(old)));
        const int status = StatusIn(role, old, calendar, rng);
        person.months[static_cast<std::size_t>(MonthIndexOf(calendar.today))]
                     [static_cast<std::size_t>(SlotOf(calendar.today))].figures = FiguresIn(role, status, rng);
    }
    for (std::size_t m = 0; m < 12; ++m) {
        Random rng(MixSeed(personSeed, 100000 + m));
        if (!rng.Percent(40)) continue;
        person.months[m][2].figures = {
            static_cast<std::uint16_t>(rng.Between(0, 10)), static_cast<std::uint16_t>(rng.Between(0, 3)),
            static_cast<std::uint16_t>(rng.Between(1, 40)), static_cast<std::uint16_t>(rng.Between(0, 8)),
            static_cast<std::uint16_t>(rng.Between(0, 3) | kSharedFlag)};
    }
}

// Unique identifiers from 11 up, with gaps left by publishers who moved away,
// in no particular order.
std::vector<std::uint16_t> Identifiers(int count, unsigned seed) {
    Random rng(MixSeed(seed, 0x1D5));
    std::vector<std::uint16_t> ids;
    int next = 11;
    for (int k = 0; k < count; ++k) {
        ids.push_back(static_cast<std::uint16_t>(next));
        next += rng.Between(1, 3);
    }
    for (std::size_t i = ids.size(); i > 1; --i) {
        std::swap(ids[i - 1], ids[static_cast<std::size_t>(rng.Below(static_cast<int>(i)))]);
    }
    return ids;
}

Person MakePerson(int k, std::uint16_t id, const GeneratorOptions& options, const Calendar& calendar, int groups) {
    const std::uint64_t personSeed = MixSeed(options.seed, static_cast<std::uint64_t>(k));
    Random rng(personSeed);
    const Role role = RoleAt(k, rng);
    Person person;
    PublisherInfo& info = person.info;
    info.record = k + 1;
    info.id = id;
    info.male = role.male;
    info.firstName = rng.Pick(role.male ? MaleFirstNames() : FemaleFirstNames());
    const Surname& surname = rng.Pick(Surnames());
    info.lastName = role.male ? surname.male : surname.female;
    info.group = role.ungrouped || groups == 0 ? 0 : 1 + k % groups;
    info.appointment = role.appointment;
    info.anointed = role.anointed;
    info.fieldMissionary = role.fieldMissionary;
    info.omitted = role.omitted;
    SetDates(info, role, options.year, rng);
    SetContacts(person, rng);
    person.hope = role.anointed ? 'A' : 'O';
    person.serviceFlags = static_cast<std::uint16_t>((role.fieldMissionary ? kFieldMissionaryFlag : 0) |
                                                     (rng.Percent(30) ? 0x0002 : 0));
    person.personFlags = static_cast<std::uint8_t>((role.male ? 0x20 : 0x40) | static_cast<int>(role.appointment));
    FillMonths(person, role, calendar, personSeed, options.oldCurrentMonth);
    return person;
}

// The caller's publisher in place of a generated one: names, the field
// missionary flag and the twelve cells of the card's service year. The other
// year slot keeps its generated figures.
void ApplyFixed(Person& person, const FixedPublisher& fixed, const Calendar& calendar) {
    person.info.firstName = fixed.firstName;
    person.info.lastName = fixed.lastName;
    person.info.fieldMissionary = fixed.fieldMissionary;
    person.serviceFlags = static_cast<std::uint16_t>((person.serviceFlags & ~kFieldMissionaryFlag) |
                                                     (fixed.fieldMissionary ? kFieldMissionaryFlag : 0));
    for (int row = 0; row < 12; ++row) {
        const FixedRow& figures = fixed.rows[static_cast<std::size_t>(row)];
        const int month = MonthOfCardRow(calendar.serviceYear, row);
        MonthCell& cell = person.months[static_cast<std::size_t>(MonthIndexOf(month))]
                                       [static_cast<std::size_t>(SlotOf(month))];
        cell = MonthCell{};
        cell.status = static_cast<std::uint8_t>(figures.status);
        cell.figures[2] = figures.hours;
        cell.figures[4] = static_cast<std::uint16_t>(figures.studies | (figures.sharedBit ? kSharedFlag : 0));
    }
}

}  // namespace

Calendar MakeCalendar(const GeneratorOptions& options) {
    Calendar c;
    c.today = options.year * 12 + options.month - 1;
    c.report = c.today - 1;
    c.serviceYear = YearOf(c.report) + (MonthIndexOf(c.report) >= 8 ? 1 : 0);
    c.first = std::max((c.serviceYear - 2) * 12 + 8, c.today - 23);
    return c;
}

std::vector<Person> CreatePeople(const GeneratorOptions& options, const Calendar& calendar) {
    const int count = options.maximum ? kMaxPublishers : options.publishers;
    const int groups = options.maximum ? kMaxGroups : options.groups;
    const std::vector<std::uint16_t> ids = Identifiers(count, options.seed);
    std::vector<Person> people;
    people.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        people.push_back(MakePerson(k, ids[static_cast<std::size_t>(k)], options, calendar, groups));
    }
    if (count > kNamesake) {
        people[kNamesake].info.firstName = people[kNamesakeOf].info.firstName;
        people[kNamesake].info.lastName = people[kNamesakeOf].info.lastName;
    }
    if (options.firstPublisher && !people.empty()) ApplyFixed(people.front(), *options.firstPublisher, calendar);
    return people;
}

}  // namespace vorlant::gen
