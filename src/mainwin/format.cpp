#include "mainwin/format.h"

#include <algorithm>

#include "common/language.h"
#include "common/string_source.h"
#include "common/text.h"
#include "data/publisher_table.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

// MMDDYYYY: two characters of the month, two of the day, four of the year.
constexpr std::size_t kStoredDateLength = 8;
// "MM/DD/YYYY" may lose blanks at its ends; shorter than this it is no date.
constexpr std::size_t kShortestDateText = 8;

// The two month characters read as the C library reads a number: leading
// blanks, a sign, then digits up to the first other character.
int MonthNumber(std::string_view digits) {
    std::size_t i = 0;
    while (i < digits.size() && IsBlank(digits[i])) ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-')) negative = digits[i++] == '-';
    int value = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i) value = value * 10 + (digits[i] - '0');
    return negative ? -value : value;
}

// Without a month 1..12 there is no name to look up (the number next to the
// names belongs to an unrelated message), so the stored characters stand in.
std::string MonthName(std::string_view digits, const StringSource& strings) {
    const int month = MonthNumber(digits);
    if (month < 1 || month > 12) return std::string(digits);
    return strings.Load(IDS_MONTH_NAME_BASE + static_cast<unsigned>(month));
}

}  // namespace

std::size_t FormatNameInto(const PublisherTable& table, int index, bool lastNameFirst, NameBuffer& out) {
    std::size_t length = 0;
    const auto append = [&](std::string_view part) {
        const std::size_t n = std::min(part.size(), out.size() - 1 - length);
        part.copy(out.data() + length, n);
        length += n;
    };
    if (table.IsPublisher(index)) {
        if (lastNameFirst) {
            append(table.LastName(index));
            append(", ");
            append(table.FirstName(index));
        } else {
            append(table.FirstName(index));
            append(" ");
            append(table.LastName(index));
        }
    }
    out[length] = '\0';
    return length;
}

std::string FormatName(const PublisherTable& table, int index, bool lastNameFirst) {
    NameBuffer name;
    FormatNameInto(table, index, lastNameFirst, name);
    return name.data();
}

std::string FormatDate(const PublisherTable& table, int index, int which, int dateFormat,
                       std::string_view languageCode, const StringSource& strings) {
    if (!table.IsPublisher(index)) return {};
    const std::string_view stored = which == 0 ? table.BaptismDate(index) : table.BirthDate(index);
    // A NUL among the eight characters leaves the date incomplete, even where
    // the slashes would still make the text look long enough.
    if (stored.size() < kStoredDateLength) return {};

    std::string text;
    text.append(stored.substr(0, 2)).append("/").append(stored.substr(2, 2)).append("/").append(stored.substr(4, 4));
    TrimInPlace(text);
    if (text.size() < kShortestDateText) return {};

    if (dateFormat <= 0) return text;
    if (dateFormat == 1) {
        std::swap(text[0], text[3]);
        std::swap(text[1], text[4]);
        return text;
    }

    const std::string month = text.substr(0, 2);
    const std::string day = text.substr(3, 2);
    const std::string year = text.substr(6, 4);
    const DateForms forms = DateFormsFor(languageCode);
    if (dateFormat == 2) {
        if (forms == DateForms::Czech) return day + "/" + month + "/" + year;
        const std::string name = MonthName(month, strings);
        if (forms == DateForms::Hungarian) return year + ". " + name + ". " + day + ".";
        return name + " " + day + ", " + year;
    }
    if (forms == DateForms::Hungarian) return year + "-" + month + "-" + day;
    return day + " " + MonthName(month, strings) + ", " + year;
}

}  // namespace vorlant
