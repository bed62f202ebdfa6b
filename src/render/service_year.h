// The card's year: twelve rows from September (row 0) to August (row 11),
// and which year slot of the publisher record each row reads.
#pragma once

namespace vorlant {

inline constexpr int kCardRows = 12;

// Month index (0 = January) of card row `row`: September for row 0.
constexpr int MonthOfRow(int row) { return (8 + row) % 12; }

// The calendar year in which the service year that holds the report month
// ends: the next year for September to November, else `currentYear`.
constexpr int ServiceYear(int reportMonth, int currentYear) {
    return (reportMonth >= 8 && reportMonth <= 10) ? currentYear + 1 : currentYear;
}

// Year slot (calendar year modulo 2) of card row `row`: September to
// December lie in the year before the service year ends.
constexpr int YearSlot(int row, int serviceYear) {
    const int endSlot = ((serviceYear % 2) + 2) % 2;
    return row >= 4 ? endSlot : 1 - endSlot;
}

// Row index of the report month plus one (1 .. 12): the row of the month in
// which the program was opened.
constexpr int LimitRow(int reportMonth) { return reportMonth <= 7 ? reportMonth + 5 : reportMonth - 7; }

}  // namespace vorlant
