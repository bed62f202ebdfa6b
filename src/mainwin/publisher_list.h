// The publisher list without its window: which records a filter step shows
// and under which text, the filter button's cycle, and the sort of the table
// by display name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlant {

class PublisherTable;

// The list's form of a name: "Last, First", or "First Last" while the table
// is sorted by first name. The "Last Name First" setting plays no part here.
inline bool ListShowsLastNameFirst(std::uint8_t fnSortEnabled) { return fnSortEnabled == 0; }

// Step 0 everybody, 1 the regular and special pioneers, 2 .. G + 1 group
// filterMode - 1 and, when filterGroup is 0, those without a group. Pioneers
// of the report month belong to no group step.
struct FilterStep {
    int filterMode = 0;
    std::uint8_t filterGroup = 0;
};

struct ListQuery {
    FilterStep step;
    int reportMonth = 0;               // 0 = January
    std::uint8_t reportYearByte = 0;   // its year slot is this modulo 2
    std::uint8_t fnSortEnabled = 0;
};

struct ListEntry {
    int record = 0;
    std::string text;
};

struct ListContents {
    std::vector<ListEntry> entries;   // in table order
    // Some listable publisher who is no regular or special pioneer in the
    // report month has no group, whatever the step shows.
    bool ungroupedSeen = false;
};

// Records 1 .. Count() - 1 not left out of the list, narrowed to the step.
ListContents ListPublishers(const PublisherTable& table, const ListQuery& query);

// The step after `current`: everybody, the pioneers, each of `groupCount`
// groups and, when `hasUngrouped`, those without a group, then everybody
// again. A negative group count shortens the cycle accordingly.
FilterStep NextFilterStep(FilterStep current, int groupCount, std::uint8_t hasUngrouped);

// The platform's case-insensitive comparison of two names: negative, 0 or
// positive as `a` sorts before, with or after `b`.
using NameComparison = int (*)(const char* a, const char* b);

// The display name a record is sorted by, without blanks at its ends.
std::string SortName(const PublisherTable& table, int index, std::uint8_t fnSortEnabled);

// Compares the sort names of records `a` and `b`.
int ComparePublishers(const PublisherTable& table, int a, int b, std::uint8_t fnSortEnabled,
                      NameComparison compare);

// Reorders records 1 .. Count() - 1 by their sort names with whole-record
// swaps; record 0 stays. A record only moves in front of one whose name
// compares strictly greater, so equal names keep their file order. Returns
// the index that record `followed` has afterwards (0 stays 0).
int SortPublishers(PublisherTable& table, std::uint8_t fnSortEnabled, NameComparison compare, int followed = 0);

}  // namespace vorlant
