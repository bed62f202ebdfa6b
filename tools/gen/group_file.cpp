// The group file: the number of groups and five text tables, one entry per
// group: overseer, assistant, meeting place, telephone and meeting time.
#include <algorithm>

#include "builder.h"
#include "polish_data.h"

namespace vorlant::gen {
namespace {

constexpr std::size_t kGroupFileSize = 1881;

struct TextTable {
    std::size_t offset;
    std::size_t width;
};

constexpr std::array<TextTable, 5> kTables = {{{1, 24}, {481, 24}, {961, 24}, {1441, 12}, {1681, 9}}};

const Person* FirstInGroup(const std::vector<Person>& people, int group, Appointment appointment) {
    const auto found = std::find_if(people.begin(), people.end(), [&](const Person& p) {
        return p.info.group == group && p.info.male && p.info.appointment == appointment;
    });
    return found == people.end() ? nullptr : &*found;
}

// "First Last", shortened to "F. Last" when the table entry is too narrow.
std::string NameFitting(const PublisherInfo& info, std::size_t width) {
    const std::string full = info.firstName + " " + info.lastName;
    if (Cp1250(full).size() < width) return full;
    std::size_t letter = 1;  // the first letter may take several UTF-8 bytes
    while (letter < info.firstName.size() && (info.firstName[letter] & 0xC0) == 0x80) ++letter;
    return info.firstName.substr(0, letter) + ". " + info.lastName;
}

std::string Telephone(const Person* person) {
    if (person == nullptr) return {};
    std::string digits = person->mobile;
    std::replace(digits.begin(), digits.end(), ' ', '-');
    return digits;
}

std::array<std::string, 5> GroupTexts(const std::vector<Person>& people, int group) {
    const Person* overseer = FirstInGroup(people, group, Appointment::Elder);
    if (overseer == nullptr) overseer = FirstInGroup(people, group, Appointment::Servant);
    if (overseer == nullptr) overseer = FirstInGroup(people, group, Appointment::None);
    const Person* assistant = FirstInGroup(people, group, Appointment::Servant);
    if (assistant == overseer) assistant = nullptr;
    const std::size_t index = static_cast<std::size_t>(group - 1);
    return {overseer != nullptr ? NameFitting(overseer->info, kTables[0].width) : std::string(),
            assistant != nullptr ? NameFitting(assistant->info, kTables[1].width) : std::string(),
            std::string(MeetingPlaces()[index % MeetingPlaces().size()]),
            Telephone(overseer),
            std::string(MeetingTimes()[index % MeetingTimes().size()])};
}

}  // namespace

std::vector<std::uint8_t> BuildGroupFile(const std::vector<Person>& people, int groups,
                                         std::vector<std::array<std::string, 5>>& texts) {
    std::vector<std::uint8_t> file(kGroupFileSize, 0);
    file[0] = static_cast<std::uint8_t>(groups);
    texts.clear();
    for (int group = 1; group <= groups; ++group) {
        texts.push_back(GroupTexts(people, group));
        for (std::size_t t = 0; t < kTables.size(); ++t) {
            const std::string stored = ScrambleGroupText(Cp1250(texts.back()[t]));
            Require(stored.size() < kTables[t].width, "group text too long: " + texts.back()[t]);
            const std::size_t at = kTables[t].offset + static_cast<std::size_t>(group - 1) * kTables[t].width;
            std::copy(stored.begin(), stored.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    return file;
}

}  // namespace vorlant::gen
