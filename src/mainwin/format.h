// How names and dates of a publisher record look wherever they are shown:
// in the list, in the header panel and as the printed card's check.
#pragma once

#include <string>
#include <string_view>

namespace vorlant {

class PublisherTable;
class StringSource;

// "Last, First" when `lastNameFirst`, else "First Last"; the empty text for
// an index below 1 (or outside the table).
std::string FormatName(const PublisherTable& table, int index, bool lastNameFirst);

// The baptism date (`which` 0) or the birth date (any other `which`) in date
// style `dateFormat`, with the forms of the language tag; the empty text for
// an incomplete date.
std::string FormatDate(const PublisherTable& table, int index, int which, int dateFormat,
                       std::string_view languageCode, const StringSource& strings);

}  // namespace vorlant
