#include "mainwin/publisher_list.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>

#include "common/text.h"
#include "data/publisher_table.h"
#include "mainwin/format.h"

namespace vorlant {
namespace {

bool IsFullTimePioneer(PioneerStatus status) {
    return status == PioneerStatus::Regular || status == PioneerStatus::Special;
}

// A stable merge sort: an item goes in front of one that precedes it only
// when `before` says so, which is the order that exchanging neighbours in
// the wrong order until none is left would give. It first finds the runs
// that are already in order, turning round those strictly the other way
// (no two of their items are equal, so nothing stable is lost), and then
// merges neighbouring runs: a table in order, or in reverse order, costs
// one pass. Every loop is bounded by its run, whatever `before` answers.
template <typename Before>
void MergeSort(std::vector<int>& items, Before before) {
    const std::size_t count = items.size();
    std::vector<std::size_t> bounds{0};   // run k is [bounds[k], bounds[k + 1])
    for (std::size_t low = 0; low < count;) {
        std::size_t high = low + 1;
        if (high < count && before(items[high], items[low])) {
            while (high + 1 < count && before(items[high + 1], items[high])) ++high;
            ++high;
            std::reverse(items.begin() + static_cast<std::ptrdiff_t>(low),
                         items.begin() + static_cast<std::ptrdiff_t>(high));
        } else {
            while (high < count && !before(items[high], items[high - 1])) ++high;
        }
        bounds.push_back(high);
        low = high;
    }
    std::vector<int> merged(count);
    while (bounds.size() > 2) {
        std::vector<std::size_t> next{0};
        for (std::size_t k = 0; k + 1 < bounds.size(); k += 2) {
            const std::size_t middle = bounds[k + 1];
            const std::size_t high = k + 2 < bounds.size() ? bounds[k + 2] : middle;
            std::size_t left = bounds[k];
            std::size_t right = middle;
            std::size_t out = left;
            while (left < middle && right < high) {
                merged[out++] = before(items[right], items[left]) ? items[right++] : items[left++];
            }
            while (left < middle) merged[out++] = items[left++];
            while (right < high) merged[out++] = items[right++];
            next.push_back(high);
        }
        items.swap(merged);
        bounds.swap(next);
    }
}

// Moves the records into `order` (order[k] is the index, before the move, of
// the record that belongs at k + 1) with at most one swap per position.
void ApplyOrder(PublisherTable& table, const std::vector<int>& order) {
    const int count = table.Count();
    std::vector<int> at(static_cast<std::size_t>(count));     // position -> original index of the record there
    std::vector<int> where(static_cast<std::size_t>(count));  // original index -> its position now
    std::iota(at.begin(), at.end(), 0);
    std::iota(where.begin(), where.end(), 0);
    for (int position = 1; position < count; ++position) {
        const int wanted = order[static_cast<std::size_t>(position - 1)];
        const int from = where[static_cast<std::size_t>(wanted)];
        if (from == position) continue;
        table.SwapRecords(position, from);
        const int displaced = at[static_cast<std::size_t>(position)];
        at[static_cast<std::size_t>(from)] = displaced;
        where[static_cast<std::size_t>(displaced)] = from;
        at[static_cast<std::size_t>(position)] = wanted;
        where[static_cast<std::size_t>(wanted)] = position;
    }
}

}  // namespace

ListContents ListPublishers(const PublisherTable& table, const ListQuery& query) {
    ListContents contents;
    const int slot = query.reportYearByte % 2;
    const bool lastFirst = ListShowsLastNameFirst(query.fnSortEnabled);
    const int filterMode = query.step.filterMode;
    for (int record = 1; record < table.Count(); ++record) {
        if (table.OmitFromList(record)) continue;
        const bool pioneer = IsFullTimePioneer(table.MonthStatus(record, query.reportMonth, slot));
        const int group = table.GroupNumber(record);
        if (!pioneer && group == 0) contents.ungroupedSeen = true;
        if (filterMode == 1 && !pioneer) continue;
        if (filterMode > 1 && (group != query.step.filterGroup || pioneer)) continue;
        contents.entries.push_back({record, FormatName(table, record, lastFirst)});
    }
    return contents;
}

FilterStep NextFilterStep(FilterStep current, int groupCount, std::uint8_t hasUngrouped) {
    const int ungroupedSteps = hasUngrouped != 0 ? 1 : 0;
    FilterStep next = current;
    next.filterMode = current.filterMode < ungroupedSteps + groupCount + 1 ? current.filterMode + 1 : 0;
    if (next.filterMode > 1) {
        next.filterGroup = next.filterMode > groupCount + 1 ? 0 : static_cast<std::uint8_t>(next.filterMode - 1);
    }
    return next;
}

std::string SortName(const PublisherTable& table, int index, std::uint8_t fnSortEnabled) {
    std::string name = FormatName(table, index, ListShowsLastNameFirst(fnSortEnabled));
    TrimInPlace(name);
    return name;
}

int ComparePublishers(const PublisherTable& table, int a, int b, std::uint8_t fnSortEnabled,
                      NameComparison compare) {
    return compare(SortName(table, a, fnSortEnabled).c_str(), SortName(table, b, fnSortEnabled).c_str());
}

int SortPublishers(PublisherTable& table, std::uint8_t fnSortEnabled, NameComparison compare, int followed) {
    const int count = table.Count();
    if (count < 3) return followed;
    // Each name is formatted once, into one block; the sort then works on
    // record numbers.
    const auto names = std::make_unique_for_overwrite<NameBuffer[]>(static_cast<std::size_t>(count));
    const bool lastFirst = ListShowsLastNameFirst(fnSortEnabled);
    for (int i = 1; i < count; ++i) {
        NameBuffer& name = names[static_cast<std::size_t>(i)];
        const std::string_view trimmed = Trim({name.data(), FormatNameInto(table, i, lastFirst, name)});
        std::memmove(name.data(), trimmed.data(), trimmed.size());
        name[trimmed.size()] = '\0';
    }
    const auto before = [&](int a, int b) {
        return compare(names[static_cast<std::size_t>(b)].data(), names[static_cast<std::size_t>(a)].data()) > 0;
    };
    std::vector<int> order(static_cast<std::size_t>(count - 1));
    std::iota(order.begin(), order.end(), 1);
    MergeSort(order, before);
    ApplyOrder(table, order);
    if (!table.IsPublisher(followed)) return followed;
    return static_cast<int>(std::ranges::find(order, followed) - order.begin()) + 1;
}

}  // namespace vorlant
