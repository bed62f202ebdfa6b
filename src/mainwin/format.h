// How names and dates of a publisher record look wherever they are shown:
// in the list, in the header panel and as the printed card's check.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vorlant {

class PublisherTable;
class StringSource;

// "Last, First" when `lastNameFirst`, else "First Last"; the empty text for
// an index below 1 (or outside the table). The fields are taken as they
// stand, blanks included, so an empty field leaves the separator alone.
std::string FormatName(const PublisherTable& table, int index, bool lastNameFirst);

// The longest name: two 20-character fields and ", ".
inline constexpr std::size_t kMaxFormattedName = 42;
using NameBuffer = std::array<char, kMaxFormattedName + 1>;

// The same text, terminated, in a buffer of the caller's: for formatting
// many names at once without allocating. Returns its length.
std::size_t FormatNameInto(const PublisherTable& table, int index, bool lastNameFirst, NameBuffer& out);

// The baptism date (`which` 0) or the birth date (any other `which`) in date
// style `dateFormat`, with the forms of the language tag (DateFormsFor); the
// empty text for an incomplete date.
//   0: 01/31/2012   1: 31/01/2012   2: Sty 31, 2012   3 and above: 31 Sty, 2012
// "cz" writes style 2 as 31/01/2012; "hun" writes style 2 as 2012. Sty. 31.
// and style 3 as 2012-01-31. A stored month outside 01..12 shows its two
// stored characters where the month's name would stand.
std::string FormatDate(const PublisherTable& table, int index, int which, int dateFormat,
                       std::string_view languageCode, const StringSource& strings);

}  // namespace vorlant
