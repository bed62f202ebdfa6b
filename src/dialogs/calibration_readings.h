// The readings of the test page's scales, typed in, and the settings they
// change: where a card's line crosses a scale, in hundredths of an inch
// (plus: the line lies lower, or further right, than the scale's 0), moves
// the setting under that scale by as much.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "layout/card_layout.h"

namespace vorlant {

class StringSource;

// The scales in the order of the dialog's fields: the September and the
// August row, then the five columns of the page.
inline constexpr std::size_t kReadingCount = 7;
using Readings = std::array<int, kReadingCount>;

// A typed reading: a whole number of hundredths with its sign ("-6", "+12",
// "12"); blank is 0. Nothing when it is no such number.
std::optional<int> ParseReading(std::string_view text);

// Whether a reading lies on its scale (no further than its end value).
bool WithinReach(int reading);

// The setting beside a field: its layout slot, its value now and after the
// readings. `inRange` is false when the new value would leave the lengths a
// field takes (0.00 to 9.99).
struct SettingChange {
    std::size_t slot = 0;
    unsigned label = 0;   // the setting's name in the string table
    std::string now;
    std::string after;
    bool inRange = true;
    bool operator==(const SettingChange&) const = default;
};

// What the readings change, one setting per field: "Start (Wrzesień)" +
// September; "Owoc Wysokość" + (August - September) x 12 / 11, rounded to
// the hundredth (the twelve rows stretched so that the August row moves by
// the difference); each column + its reading. A setting moved by 0 keeps
// its text as it is.
std::array<SettingChange, kReadingCount> ReadingChanges(const CardLayout& layout, const Readings& readings);

// Stores the new values in their slots; the bytes of no other slot change.
void ApplyReadingChanges(const std::array<SettingChange, kReadingCount>& changes, CardLayout& layout);

// The line beside a field: the setting, its value now and, when the
// readings move it, its value after them.
std::string ChangeNote(const SettingChange& change, const StringSource& strings);

// The scale a field reads, as the dialog labels it.
std::string ScaleName(std::size_t field, const StringSource& strings);

// What OK finds in the typed texts: the changes, or the first field it
// refuses and why (a reading that is no number, one beyond its scale's end,
// a setting it would take out of the lengths a field takes).
struct ReadingsOutcome {
    std::array<SettingChange, kReadingCount> changes{};
    std::optional<std::size_t> refusedField;
    std::string message;
};
ReadingsOutcome EvaluateReadings(const std::array<std::string, kReadingCount>& texts, const CardLayout& layout,
                                 const StringSource& strings);

}  // namespace vorlant
