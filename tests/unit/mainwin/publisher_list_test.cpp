// What the publisher list shows for each filter step, the filter button's
// cycle, and the sort of the table by display name.
#include "mainwin/publisher_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "congregation.h"
#include "publisher_file.h"
#include "support/polish_order.h"

namespace vorlant {
namespace {

using test::PublisherBytes;

// The report month is December of an odd year (slot 1); the current month,
// January, lies in the other slot.
constexpr int kDecember = 11;
constexpr int kJanuary = 0;
constexpr std::uint8_t kOddYear = 25;

std::vector<int> Records(const ListContents& contents) {
    std::vector<int> records;
    for (const ListEntry& entry : contents.entries) records.push_back(entry.record);
    return records;
}

ListQuery Query(int filterMode, std::uint8_t filterGroup, std::uint8_t fnSortEnabled = 0) {
    return {{filterMode, filterGroup}, kDecember, kOddYear, fnSortEnabled};
}

class FilterStepTest : public ::testing::Test {
protected:
    const test::LoadedPublishers loaded{{
        PublisherBytes().Name("Adam", "Regularny").Group(1).Status(kDecember, 1, 2),   // 1
        PublisherBytes().Name("Beata", "Specjalna").Status(kDecember, 1, 3),           // 2: no group
        PublisherBytes().Name("Cezary", "Grupowy").Group(1),                           // 3
        PublisherBytes().Name("Dorota", "Druga").Group(2),                             // 4
        PublisherBytes().Name("Ewa", "Bezgrupna"),                                     // 5
        PublisherBytes().Name("Filip", "Pomocniczy").Group(2).Status(kDecember, 1, 1), // 6: auxiliary
        PublisherBytes().Name("Gabriela", "Pominięta").Omitted(),                      // 7
        // A regular pioneer only from January on, and one only in the other year's December.
        PublisherBytes().Name("Henryk", "Nowy").Group(1).Status(kJanuary, 0, 2),       // 8
        PublisherBytes().Name("Irena", "Dawna").Group(2).Status(kDecember, 0, 2),      // 9
        PublisherBytes().Name("Jan", "Daleki").Group(5),                               // 10: above the group count
        PublisherBytes().Name("Kinga", "Ujemna").Group(-3),                            // 11
        // The companion's note in the high bits leaves the status a regular pioneer's.
        PublisherBytes().Name("Leon", "Notowany").Group(2).Status(kDecember, 1, 0x82), // 12
    }};
};

TEST_F(FilterStepTest, EachStepShowsItsRecordsInTableOrder) {
    struct Case {
        int filterMode;
        std::uint8_t filterGroup;
        std::vector<int> records;
    };
    for (const Case& c : {Case{0, 0, {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}},
                          Case{1, 0, {1, 2, 12}},
                          Case{2, 1, {3, 8}},
                          Case{3, 2, {4, 6, 9}},
                          Case{6, 5, {10}},
                          Case{4, 0, {5}}}) {
        const ListContents contents = ListPublishers(loaded.table, Query(c.filterMode, c.filterGroup));
        EXPECT_EQ(Records(contents), c.records) << "step " << c.filterMode;
        EXPECT_TRUE(contents.ungroupedSeen) << "step " << c.filterMode;
    }
    // The list's form of a name: last name first, unless the table is sorted by first names.
    EXPECT_EQ(ListPublishers(loaded.table, Query(2, 1)).entries[0].text, "Grupowy, Cezary");
    EXPECT_EQ(ListPublishers(loaded.table, Query(2, 1, 1)).entries[1].text, "Henryk Nowy");
}

TEST(UngroupedPublishers, CountOnlyListableNonPioneersWithoutAGroup) {
    struct Case {
        const char* what;
        PublisherBytes publisher;
        bool ungrouped;
    };
    const std::vector<Case> cases = {
        {"publisher", PublisherBytes(), true},
        {"auxiliary pioneer", PublisherBytes().Status(kDecember, 1, 1), true},
        {"pioneer only next month", PublisherBytes().Status(kJanuary, 0, 2), true},
        {"regular pioneer", PublisherBytes().Status(kDecember, 1, 2), false},
        {"special pioneer", PublisherBytes().Status(kDecember, 1, 3), false},
        {"left out of the list", PublisherBytes().Omitted(), false},
        {"in a group", PublisherBytes().Group(1), false},
        {"negative group", PublisherBytes().Group(-1), false},
    };
    for (const Case& c : cases) {
        const test::LoadedPublishers loaded({c.publisher});
        // Whatever the step shows.
        for (int step = 0; step < 4; ++step) {
            EXPECT_EQ(ListPublishers(loaded.table, Query(step, 1)).ungroupedSeen, c.ungrouped)
                << c.what << ", step " << step;
        }
    }
}

struct CycleCase {
    int groups;
    std::uint8_t hasUngrouped;
    std::vector<FilterStep> steps;   // from step 0 until it comes round again
};

class FilterCycleTest : public ::testing::TestWithParam<CycleCase> {};

TEST_P(FilterCycleTest, RunsThroughTheStepsAndBackToEverybody) {
    const CycleCase& c = GetParam();
    FilterStep step;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        step = NextFilterStep(step, c.groups, c.hasUngrouped);
        const FilterStep& expected = c.steps[i];
        EXPECT_EQ(step.filterMode, expected.filterMode) << "press " << i + 1;
        if (step.filterMode > 1) {
            EXPECT_EQ(step.filterGroup, expected.filterGroup) << "press " << i + 1;
        }
    }
    EXPECT_EQ(step.filterMode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, FilterCycleTest,
    ::testing::Values(CycleCase{2, 0, {{1, 0}, {2, 1}, {3, 2}, {0, 0}}},
                      CycleCase{2, 1, {{1, 0}, {2, 1}, {3, 2}, {4, 0}, {0, 0}}},
                      CycleCase{0, 0, {{1, 0}, {0, 0}}},
                      CycleCase{0, 1, {{1, 0}, {2, 0}, {0, 0}}},
                      CycleCase{-1, 1, {{1, 0}, {0, 0}}},
                      CycleCase{-1, 0, {{0, 0}}},
                      CycleCase{-2, 1, {{0, 0}}},
                      CycleCase{-128, 1, {{0, 0}}}));

// --- Sorting ---

std::string Cp1250(const std::string& utf8) { return gen::Utf8ToCp1250(utf8).value(); }

std::vector<std::uint16_t> Ids(const PublisherTable& table) {
    std::vector<std::uint16_t> ids;
    for (int i = 1; i < table.Count(); ++i) ids.push_back(table.PublisherId(i));
    return ids;
}

// The sort as plainly written: every neighbouring pair that compares
// strictly greater is exchanged, from each new record down to the second.
void ReferenceSort(PublisherTable& table, std::uint8_t fnSortEnabled) {
    for (int i = 2; i < table.Count(); ++i) {
        if (ComparePublishers(table, i - 1, i, fnSortEnabled, test::ComparePolish) <= 0) continue;
        for (int b = i; b >= 2; --b) {
            if (ComparePublishers(table, b - 1, b, fnSortEnabled, test::ComparePolish) > 0) {
                table.SwapRecords(b - 1, b);
            }
        }
    }
}

struct Person {
    std::string first;   // UTF-8
    std::string last;
};

std::vector<PublisherBytes> Publishers(const std::vector<Person>& people) {
    std::vector<PublisherBytes> publishers;
    for (std::size_t i = 0; i < people.size(); ++i) {
        publishers.push_back(PublisherBytes()
                                 .Name(Cp1250(people[i].first), Cp1250(people[i].last))
                                 .Id(static_cast<std::uint16_t>(100 + i))
                                 .Group(static_cast<int>(i % 3)));
    }
    return publishers;
}

TEST(SortPublishersTest, OrdersByListNameWithPolishLettersAndKeepsEqualNamesInFileOrder) {
    const std::vector<Person> people = {
        {"Żaneta", "Żak"},     // 100
        {"Anna", "Zając"},     // 101
        {"Łucja", "Łoś"},      // 102
        {"Ewa", "lis"},        // 103
        {"Jan", "Ćwik"},       // 104
        {"Adam", "Cieślak"},   // 105
        {"Ewa  ", "  LIS"},    // 106: last name first, the same as 103 once trimmed and case is ignored
        {"Ąda", "Lis"},        // 107
        {"Ewa", "Lis"},        // 108: equal to 103 and 106
    };
    struct Case {
        std::uint8_t fnSortEnabled;
        std::vector<std::uint16_t> ids;
    };
    for (const Case& c : {Case{0, {105, 104, 107, 103, 106, 108, 102, 101, 100}},
                          Case{1, {105, 101, 107, 106, 103, 108, 104, 102, 100}}}) {
        test::LoadedPublishers loaded(Publishers(people));
        SortPublishers(loaded.table, c.fnSortEnabled, test::ComparePolish);
        EXPECT_EQ(Ids(loaded.table), c.ids) << "first-name sort " << int{c.fnSortEnabled};
        // Whole records move: the group travels with the name, the header stays.
        for (int i = 1; i < loaded.table.Count(); ++i) {
            EXPECT_EQ(loaded.table.GroupNumber(i), (loaded.table.PublisherId(i) - 100) % 3);
        }
        EXPECT_EQ(loaded.table.Record(0)[publisher_record::kLastName], publisher_record::kPlainMarker);
    }
}

TEST(SortPublishersTest, GivesExactlyThePairwiseExchangeOrder) {
    // Few distinct names in many spellings, so that ties abound.
    const std::vector<std::string> firsts = {"Anna", "anna", " Anna", "Łucja", "Ewa", ""};
    const std::vector<std::string> lasts = {"Nowak", "NOWAK ", "Lis", "Łoś", "Żak", "", "Zając"};
    std::mt19937 random(7);
    for (int round = 0; round < 6; ++round) {
        std::vector<Person> people;
        const int size = 2 + round * 20;
        for (int i = 0; i < size; ++i) {
            people.push_back({firsts[random() % firsts.size()], lasts[random() % lasts.size()]});
        }
        for (std::uint8_t fnSortEnabled : {0, 1}) {
            test::LoadedPublishers sorted(Publishers(people));
            test::LoadedPublishers reference(Publishers(people));
            SortPublishers(sorted.table, fnSortEnabled, test::ComparePolish);
            ReferenceSort(reference.table, fnSortEnabled);
            for (int i = 0; i < reference.table.Count(); ++i) {
                ASSERT_TRUE(std::ranges::equal(sorted.table.Record(i), reference.table.Record(i)))
                    << size << " publishers, record " << i;
            }
        }
    }
}

TEST(SortPublishersTest, SortsTheLargestTableGivenInReverseOrder) {
    std::vector<Person> people;
    for (int i = gen::kMaxPublishers - 1; i >= 0; --i) {
        people.push_back({"Jan", "Nazwisko" + std::to_string(1000 + i / 2)});   // pairs of equal names
    }
    test::LoadedPublishers loaded(Publishers(people));
    ASSERT_EQ(loaded.table.Count(), gen::kMaxPublishers + 1);
    SortPublishers(loaded.table, 0, test::ComparePolish);
    for (int i = 2; i < loaded.table.Count(); ++i) {
        const int order = ComparePublishers(loaded.table, i - 1, i, 0, test::ComparePolish);
        ASSERT_LE(order, 0) << i;
        // Of two equal names the one earlier in the file stays first.
        if (order == 0) {
            ASSERT_LT(loaded.table.PublisherId(i - 1), loaded.table.PublisherId(i)) << i;
        }
    }
}

}  // namespace
}  // namespace vorlant
