// Inside the generator: the people of the congregation as the files store
// them, and the builders of the four files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "congregation.h"

namespace vorlant::gen {

// Throws std::logic_error: the generator is about to write something that a
// reader would not get back. That is a fault of the generator, never of the
// options.
void Require(bool condition, std::string_view what);

// The UTF-8 text in code page 1250, which must exist.
std::string Cp1250(std::string_view utf8);

// Months are counted as year * 12 + month index (0 = January).
inline int YearOf(int month) { return month / 12; }
inline int MonthIndexOf(int month) { return month % 12; }
inline int SlotOf(int month) { return YearOf(month) % 2; }

struct Calendar {
    int today = 0;        // the month of "today"
    int report = 0;       // the month before it
    int first = 0;        // the first month with figures: the start of the
                          // previous service year, within the 24 months that
                          // the two year slots can hold
    int serviceYear = 0;  // calendar year in which the report month's service year ends
};

Calendar MakeCalendar(const GeneratorOptions& options);

// One [month][slot] cell of a publisher record as stored.
struct MonthCell {
    std::uint8_t status = 0;  // low 2 bits: pioneer status; the high bit is a note of the companion's own
    std::array<std::uint16_t, 5> figures{};  // kind 2 hours, kind 4 studies | bit 11 shared | bit 12 note
    std::uint16_t remarkNumber = 0;  // a stale leftover; readers rebuild these from the remarks file
};

struct Person {
    PublisherInfo info;
    std::string address;  // UTF-8, the first extra text
    std::string phone;    // the second extra text
    std::string mobile;   // the third extra text
    std::uint8_t hope = 'O';
    std::uint16_t serviceFlags = 0;
    std::uint8_t personFlags = 0;
    std::array<std::array<MonthCell, 3>, 12> months{};  // slot 2 holds old values that nobody reads
};

inline constexpr std::size_t kDetailsRecordSize = 192;
inline constexpr std::uint16_t kSharedFlag = 0x0800;
inline constexpr std::uint16_t kStudiesMask = 0x03FF;
inline constexpr std::uint16_t kFieldMissionaryFlag = 0x0100;

// The publishers with their names, roles, dates and monthly cells; details
// and remarks are added by their builders.
std::vector<Person> CreatePeople(const GeneratorOptions& options, const Calendar& calendar);

// The calendar month (year * 12 + index) of card row `row` of the service
// year that ends in `serviceYear`.
inline int MonthOfCardRow(int serviceYear, int row) {
    const int index = (8 + row) % 12;
    return (row < 4 ? serviceYear - 1 : serviceYear) * 12 + index;
}

// The extended details file; sets each person's details case, index and long name.
std::vector<std::uint8_t> BuildDetailsFile(std::vector<Person>& people, const GeneratorOptions& options);

// The remarks file; records each kept remark in the person's month. Returns
// the file and sets `usable` to the number of remarks a reader keeps.
std::vector<std::uint8_t> BuildRemarkFile(std::vector<Person>& people, const GeneratorOptions& options,
                                          const Calendar& calendar, int& usable);

std::vector<std::uint8_t> BuildGroupFile(const std::vector<Person>& people, int groups,
                                         std::vector<std::array<std::string, 5>>& texts);

std::vector<std::uint8_t> BuildPublisherFile(const std::vector<Person>& people, const GeneratorOptions& options);

}  // namespace vorlant::gen
