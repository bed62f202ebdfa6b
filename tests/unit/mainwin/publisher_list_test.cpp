// The publisher list: names and dates, each filter step's records, the filter cycle and the sort.
#include "mainwin/publisher_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "mainwin/format.h"
#include "support/loaded_data.h"
#include "support/polish_order.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

using namespace publisher_record;
using Loaded = test::LoadedRecords;

// A record of these names. Texts are stored as given, without a terminator of their own: a text as wide as its
// field runs into the next.
test::Record Record(std::string_view first = "", std::string_view last = "") {
    return test::Record().Text(kFirstName, first).Text(kLastName, last);
}

TEST(FormatTest, NamesTakeTheFieldsAsStoredAndSortWithoutBlanksAtTheirEnds) {
    const std::string w20(20, 'W'), z20(20, 'Z');
    const Loaded loaded({Record("Anna  ", " Nowak "), Record(w20 + "X", z20 + "Z")});
    struct Case { int index; std::string lastFirst, firstLast; };
    for (const Case& c : {Case{1, " Nowak , Anna  ", "Anna    Nowak "}, Case{2, z20 + ", " + w20, w20 + " " + z20},
                          Case{0, "", ""}, Case{3, "", ""}}) {
        EXPECT_EQ(FormatName(loaded.table, c.index, true), c.lastFirst) << c.index;
        EXPECT_EQ(FormatName(loaded.table, c.index, false), c.firstLast) << c.index;
    }
    EXPECT_EQ(SortName(loaded.table, 1, 0) + '|' + SortName(loaded.table, 1, 1), "Nowak , Anna|Anna    Nowak");
}

TEST(FormatTest, DatesTakeTheStyleAndLanguageFormWhenComplete) {
    struct Case { const char* stored; int style; const char* language; const char* shown; };
    const std::vector<Case> cases = {
        {"01312012", 0, "polish", "01/31/2012"}, {"01312012", 1, "polish", "31/01/2012"},
        {"01312012", 2, "polish", "Sty 31, 2012"}, {"10152000", 7, "polish", "15 Paź, 2000"},
        {"01312012", 2, "cz", "31/01/2012"}, {"01312012", 2, "hun", "2012. Sty. 31."},
        {"01312012", 3, "hun", "2012-01-31"}, {"01312012", 3, "Hun", "31 Sty, 2012"},
        {"123120219", 0, "polish", "12/31/2021"},  // the ninth byte, the terminator's, is not part of the date
        // A month outside 01..12 has no name: its two stored characters stand in.
        {"13012012", 2, "polish", "13 01, 2012"}, {"00012012", 3, "polish", "01 00, 2012"},
        {"ab012012", 2, "hun", "2012. ab. 01."},
        {"0131    ", 3, "polish", ""}, {"0131201", 2, "polish", ""}, {"", 1, "polish", ""},  // blank, short, NUL: none
    };
    std::vector<test::Bytes> records;
    for (const Case& c : cases) records.push_back(Record().Text(kBaptismDate, "06151990").Text(kBirthDate, c.stored));
    const Loaded loaded(records);
    const test::RcStringSource strings;
    for (int i = 0; const Case& c : cases) {  // any `which` but 0 is the birth date
        EXPECT_EQ(FormatDate(loaded.table, ++i, -4, c.style, c.language, strings), c.shown) << c.stored;
    }
    EXPECT_EQ(FormatDate(loaded.table, 1, 0, 1, "polish", strings), "15/06/1990");
    EXPECT_EQ(FormatDate(loaded.table, 0, 0, 1, "polish", strings), "");  // the header record
}

// The report month, December of an odd year, is in slot 1 (three bytes a month); January, the current month, in 0.
constexpr std::size_t kDecember = kMonthStatus + 34, kOtherDecember = kDecember - 1, kJanuary = kMonthStatus;

TEST(ListPublishersTest, EachStepShowsItsRecordsInTableOrder) {
    const Loaded loaded({
        Record("Adam", "Regularny").U8(kGroupNumber, 1).U8(kDecember, 2),    // 1
        Record("Beata", "Specjalna").U8(kDecember, 3),                       // 2: no group
        Record("Cezary", "Grupowy").U8(kGroupNumber, 1),                     // 3
        Record("Ewa", "Bezgrupna"),                                          // 4
        Record("Filip", "Pomocniczy").U8(kGroupNumber, 2).U8(kDecember, 1),  // 5: auxiliary
        Record("Gabriela", "Pominięta").U8(kOmitFromList, 1),                // 6
        Record("Henryk", "Nowy").U8(kGroupNumber, 1).U8(kJanuary, 2),        // 7: pioneer from January
        Record("Irena", "Dawna").U8(kGroupNumber, 2).U8(kOtherDecember, 2),  // 8: the other December
        Record("Kinga", "Ujemna").U8(kGroupNumber, -3),                      // 9
        Record("Leon", "Notowany").U8(kGroupNumber, 2).U8(kDecember, 0x82),  // 10: a note in the high bits
    });
    struct Case { int filterMode; std::uint8_t filterGroup; std::vector<int> records; };
    for (const Case& c : {Case{0, 0, {1, 2, 3, 4, 5, 7, 8, 9, 10}}, Case{1, 0, {1, 2, 10}}, Case{2, 1, {3, 7}},
                          Case{3, 2, {5, 8}}, Case{4, 0, {4}}}) {
        const ListContents contents = ListPublishers(loaded.table, {{c.filterMode, c.filterGroup}, 11, 25, 0});
        std::vector<int> records;
        for (const ListEntry& entry : contents.entries) records.push_back(entry.record);
        EXPECT_EQ(records, c.records) << "step " << c.filterMode;
    }
    EXPECT_EQ(ListPublishers(loaded.table, {{2, 1}, 11, 25, 1}).entries[1].text, "Henryk Nowy");  // by first names
}

TEST(ListPublishersTest, CountsAsUngroupedOnlyListableNonPioneersWithoutAGroup) {
    // Looked for in every step, the pioneers' too.
    for (int k = 0; const auto& [record, ungrouped] :
         {std::pair{Record(), true}, {Record().U8(kDecember, 1), true}, {Record().U8(kJanuary, 2), true},
          {Record().U8(kDecember, 2), false}, {Record().U8(kDecember, 3), false},
          {Record().U8(kOmitFromList, 1), false}, {Record().U8(kGroupNumber, 1), false},
          {Record().U8(kGroupNumber, -1), false}}) {
        const Loaded loaded({record});
        EXPECT_EQ(ListPublishers(loaded.table, {{1, 0}, 11, 25, 0}).ungroupedSeen, ungrouped) << "case " << k++;
    }
}

TEST(NextFilterStepTest, RunsThroughTheStepsAndBackToEverybody) {
    // The steps from everybody round to everybody again: each mode, and a group step's group.
    using Steps = std::vector<std::string>;
    for (const auto& [groups, hasUngrouped, steps] :
         {std::tuple{2, 0, Steps{"1", "2:1", "3:2", "0"}}, {2, 1, {"1", "2:1", "3:2", "4:0", "0"}},
          {0, 1, {"1", "2:0", "0"}}, {-1, 1, {"1", "0"}}, {-1, 0, {"0"}}, {-2, 1, {"0"}}}) {
        FilterStep step;
        Steps seen;
        do {
            step = NextFilterStep(step, groups, static_cast<std::uint8_t>(hasUngrouped));
            seen.push_back(std::to_string(step.filterMode));
            if (step.filterMode > 1) seen.back() += ':' + std::to_string(step.filterGroup);
        } while (step.filterMode != 0 && seen.size() < 10);
        EXPECT_EQ(seen, steps) << groups << " groups" << (hasUngrouped ? " and the ungrouped" : "");
    }
}

TEST(SortPublishersTest, GivesExactlyThePlainNeighbourExchangeOrder) {
    // Few distinct names in many spellings, so that ties abound.
    const std::vector<std::string> firsts = {"Anna", "anna", " Anna", "Lucja", "Ewa", ""};
    const std::vector<std::string> lasts = {"Nowak", "NOWAK ", "Lis", "Los", "Zak", "", "Zajac"};
    std::mt19937 random(7);
    for (const int size : {2, 3, 22, 61, 102}) {
        std::vector<test::Bytes> people;
        for (int i = 0; i < size; ++i) {
            const std::string& first = firsts[random() % firsts.size()];
            people.push_back(Record(first, lasts[random() % lasts.size()]).U8(kPublisherId, i));
        }
        for (const std::uint8_t fnSort : {0, 1}) {
            Loaded sorted(people), reference(people);
            // The selected publisher is followed to the place the sort gives him.
            const int selected = size / 2 + 1;
            const std::uint16_t id = sorted.table.PublisherId(selected);
            const int now = SortPublishers(sorted.table, fnSort, test::ComparePolish, selected);
            EXPECT_EQ(sorted.table.PublisherId(now), id);
            // Each neighbouring pair that compares strictly greater exchanged, from each new record down.
            PublisherTable& ref = reference.table;
            for (int i = 2; i < ref.Count(); ++i) {
                for (int b = i; b >= 2; --b) {
                    if (ComparePublishers(ref, b - 1, b, fnSort, test::ComparePolish) > 0) ref.SwapRecords(b - 1, b);
                }
            }
            for (int i = 0; i < ref.Count(); ++i) {
                ASSERT_TRUE(std::ranges::equal(sorted.table.Record(i), ref.Record(i))) << size << ": record " << i;
            }
        }
    }
}

}  // namespace
}  // namespace vorlant
