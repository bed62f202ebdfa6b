// The remarks file: a 48-byte header record, then 48-byte remarks, each for
// a publisher's identifier, month and year. Besides the ordinary remarks the
// file holds the records that a reader must skip or treat specially.
#include <algorithm>

#include "builder.h"
#include "common/bytes.h"
#include "polish_data.h"
#include "random.h"

namespace vorlant::gen {
namespace {

constexpr std::size_t kRecordSize = 48;
constexpr std::size_t kTextWidth = 43;
constexpr std::size_t kTerminator = 43;
constexpr std::size_t kMonth = 44;
constexpr std::size_t kYear = 45;
constexpr std::size_t kPublisherId = 46;

struct Remark {
    std::string text;  // UTF-8 as stored, surrounding blanks included
    int month = 0;     // 1..12; anything else is skipped by a reader
    int year = 0;      // calendar year, stored modulo 100
    std::uint16_t id = 0;
    std::uint8_t terminator = 0;  // the byte after the text, which a reader ignores
};

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool Kept(const Remark& remark) {
    return remark.month >= 1 && remark.month <= 12 && remark.id >= 11 && !TrimBlanks(remark.text).empty();
}

Remark At(const Person& person, int month, std::string text) {
    return {std::move(text), MonthIndexOf(month) + 1, YearOf(month), person.info.id};
}

Remark Ordinary(const std::vector<Person>& people, const Calendar& calendar, Random& rng) {
    const Person& person = people[static_cast<std::size_t>(rng.Below(static_cast<int>(people.size())))];
    std::string text(rng.Pick(RemarkTexts()));
    if (rng.Percent(20) && Cp1250(text).size() + 5 <= kTextWidth) text = "  " + text + "   ";
    return At(person, rng.Between(calendar.first, calendar.report), std::move(text));
}

// Records a reader skips or keeps without showing, and one whose text fills
// the field and is followed by a stray byte instead of a NUL.
std::vector<Remark> SpecialRemarks(const std::vector<Person>& people, const Calendar& calendar) {
    const Person& someone = people.back();
    std::uint16_t highest = 0;
    for (const Person& p : people) highest = std::max(highest, p.info.id);
    const int year = YearOf(calendar.report);
    Remark full = At(someone, calendar.report, "Sprawozdanie za dwa miesiące złożone razem.");
    full.terminator = '#';
    Require(Cp1250(full.text).size() == kTextWidth, "the full-width remark does not fill its field");
    return {
        At(someone, calendar.report - 1, "     "),
        {"Identyfikator poniżej 11", MonthIndexOf(calendar.report) + 1, year, 10, 0},
        {"Przeniesiony do innego zboru", MonthIndexOf(calendar.report) + 1, year,
         static_cast<std::uint16_t>(highest + 31), 0},
        {"Wpis bez miesiąca", 0, year, someone.info.id, 0},
        {"Miesiąc spoza roku", 13, year, someone.info.id, 0},
        full,
    };
}

std::vector<Remark> ComposeRemarks(const std::vector<Person>& people, const GeneratorOptions& options,
                                   const Calendar& calendar) {
    std::vector<Remark> remarks;
    if (people.empty()) return remarks;
    // Kept besides the ordinary ones: the earlier and the later remark of the
    // first publisher's report month, the unknown identifier and the full one.
    constexpr int kKeptSpecials = 4;
    const int wanted = options.maximum ? kMaxRemarks : static_cast<int>(people.size() * 4 / 3);
    const int ordinary = std::max(0, wanted - kKeptSpecials);
    const std::vector<Remark> specials = SpecialRemarks(people, calendar);
    Random rng(MixSeed(options.seed, 0x4E3A));
    std::size_t nextSpecial = 0;
    remarks.push_back(At(people.front(), calendar.report, "Chory"));
    for (int i = 0; i < ordinary; ++i) {
        if (i % 2 == 1 && nextSpecial < specials.size()) remarks.push_back(specials[nextSpecial++]);
        remarks.push_back(Ordinary(people, calendar, rng));
    }
    remarks.insert(remarks.end(), specials.begin() + static_cast<std::ptrdiff_t>(nextSpecial), specials.end());
    remarks.push_back(At(people.front(), calendar.report, "  Pobyt w szpitalu (złamana ręka) "));  // replaces "Chory"
    if (options.firstPublisher) {
        // The fixed publisher has exactly the remarks of its rows.
        const std::uint16_t id = people.front().info.id;
        std::erase_if(remarks, [id](const Remark& remark) { return remark.id == id; });
        for (int row = 0; row < 12; ++row) {
            const std::string& text = options.firstPublisher->rows[static_cast<std::size_t>(row)].remark;
            if (!text.empty()) remarks.push_back(At(people.front(), MonthOfCardRow(calendar.serviceYear, row), text));
        }
    }
    return remarks;
}

// Records every kept remark in its publisher's month, later ones replacing
// earlier ones of the same month and year slot; returns how many are kept.
int AttachRemarks(const std::vector<Remark>& remarks, std::vector<Person>& people) {
    int kept = 0;
    for (const Remark& remark : remarks) {
        if (!Kept(remark)) continue;
        ++kept;
        const auto person = std::find_if(people.begin(), people.end(),
                                         [&](const Person& p) { return p.info.id == remark.id; });
        if (person == people.end()) continue;
        person->info.months[static_cast<std::size_t>(remark.month - 1)][static_cast<std::size_t>(remark.year % 2)]
            .remark = TrimBlanks(remark.text);
    }
    Require(kept <= kMaxRemarks, "more remarks than a reader keeps");
    return kept;
}

void PutRemark(ByteSpan record, const Remark& remark) {
    const std::string text = Cp1250(remark.text);
    Require(text.size() <= kTextWidth, "remark too long: " + remark.text);
    std::copy(text.begin(), text.end(), record.begin());
    WriteU8(record, kTerminator, remark.terminator);
    WriteU8(record, kMonth, static_cast<std::uint8_t>(remark.month));
    WriteU8(record, kYear, static_cast<std::uint8_t>(remark.year % 100));
    WriteU16(record, kPublisherId, remark.id);
}

}  // namespace

std::vector<std::uint8_t> BuildRemarkFile(std::vector<Person>& people, const GeneratorOptions& options,
                                          const Calendar& calendar, int& usable) {
    const std::vector<Remark> remarks = ComposeRemarks(people, options, calendar);
    usable = AttachRemarks(remarks, people);
    std::vector<std::uint8_t> file((remarks.size() + 1) * kRecordSize, 0);
    // The header looks like a usable remark on purpose: a reader that does
    // not skip it would show a remark that no publisher has.
    const std::uint16_t headerId = people.empty() ? 0 : people.front().info.id;
    PutRemark(ByteSpan(file).first(kRecordSize), {"Uwagi", 1, YearOf(calendar.report), headerId, 0});
    for (std::size_t n = 0; n < remarks.size(); ++n) {
        PutRemark(ByteSpan(file).subspan((n + 1) * kRecordSize, kRecordSize), remarks[n]);
    }
    return file;
}

}  // namespace vorlant::gen
