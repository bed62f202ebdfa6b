#include "mainwin/format.h"

#include "data/publisher_table.h"

namespace vorlant {

std::string FormatName(const PublisherTable& table, int index, bool lastNameFirst) {
    if (index < 1 || index >= table.Count()) return {};
    const std::string first(table.FirstName(index));
    const std::string last(table.LastName(index));
    return lastNameFirst ? last + ", " + first : first + " " + last;
}

std::string FormatDate(const PublisherTable&, int, int, int, std::string_view, const StringSource&) {
    return {};  // placeholder until the date styles are in
}

}  // namespace vorlant
