// A publisher's card year as both the printed page and the preview show it:
// for each row from September to August the two marks, the Bible studies,
// the hours and the remark, each read from the year slot of its month. The
// rules of what a row carries live here only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "render/service_year.h"

namespace vorlant {

class PublisherTable;
class RemarkTable;
class StringSource;

// One card row; a 0 figure is a blank cell.
struct CardMonth {
    bool shared = false;            // shared in the ministry
    std::uint16_t studies = 0;
    bool auxiliaryPioneer = false;
    std::uint16_t hours = 0;        // pioneers of the month and field missionaries only; 0 for others
    std::string remark;
};

struct CardYear {
    int serviceYear = 0;
    int limitRow = 0;  // the row of the month of opening (LimitRow)
    std::array<CardMonth, kCardRows> rows{};
};

// A figure as the card shows it: 0 leaves the cell blank.
std::string FigureText(std::uint16_t value);

// The card year of publisher `record` for a program opened in the month after
// `reportMonth` of `currentYear`. The rows stay empty when `record` is no
// publisher of the table (0 = none selected).
CardYear ReadCardYear(const PublisherTable& table, const RemarkTable& remarks, int record, int reportMonth,
                      int currentYear);

// The card year of the calibration page, the same in every run: every row
// with both marks, the month's number as Bible studies, ten times that as
// hours and the month's abbreviation from `strings` as remark.
CardYear CalibrationCardYear(const StringSource& strings);

}  // namespace vorlant
