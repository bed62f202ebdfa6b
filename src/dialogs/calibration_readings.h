// The readings dialog's portable part: the typed texts read as readings,
// the note beside each field, and what OK finds in the texts. What the
// readings change is worked out beside the test page (render/calibration_fit).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "render/calibration_fit.h"

namespace vorlant {

class StringSource;

using ReadingTexts = std::array<std::string, kReadingCount>;

// A typed reading: a whole number of hundredths with its sign ("-6", "+12",
// "12"); blank is 0. Nothing when it is no such number.
std::optional<int> ParseReading(std::string_view text);

// The readings the notes show while the user types: a field that cannot be
// read (yet) counts as 0 there; OK refuses it.
Readings ReadingsForNotes(const ReadingTexts& texts);

// The line beside a field: the setting, its value now and, when the
// readings move it, its value after them.
std::string ChangeNote(const SettingChange& change, const StringSource& strings);

// The scale a field reads, as the dialog labels it.
std::string ScaleName(std::size_t field, const StringSource& strings);

// What OK finds in the typed texts: the changes, or the first field it
// refuses and why (a reading that is no number; one beyond its scale's end,
// with which way to go; a setting it would take out of the lengths a field
// takes).
struct ReadingsOutcome {
    std::array<SettingChange, kReadingCount> changes{};
    std::optional<std::size_t> refusedField;
    std::string message;
};
ReadingsOutcome EvaluateReadings(const ReadingTexts& texts, const CardLayout& layout, const PrinterResolution& printer,
                                 const StringSource& strings);

}  // namespace vorlant
