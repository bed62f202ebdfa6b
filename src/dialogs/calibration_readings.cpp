#include "dialogs/calibration_readings.h"

#include <charconv>
#include <cstdio>

#include "common/string_source.h"
#include "common/text.h"
#include "layout/length.h"
#include "render/primitives.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

// A reading as the scales label it: "+40", "-40".
std::string SignedReading(int reading) {
    char text[8] = {};
    std::snprintf(text, sizeof(text), "%+d", reading);
    return text;
}

// One row of the card as long as the layout makes it, as a length: what
// "Start (Wrzesień)" moves by for a whole row.
std::string RowHeightText(const CardLayout& layout) {
    return LengthText((PrintedLengthHundredths(layout.MonthlyHeight()) + kCardRows / 2) / kCardRows);
}

// The message for a reading beyond its scale: a row's scale says how to
// move the rows by whole rows, a column's which end value to type.
std::string BeyondMessage(std::size_t field, int reading, const CardLayout& layout, const StringSource& strings) {
    const std::string end = SignedReading(reading < 0 ? -kCalibrationReach : kCalibrationReach);
    const std::string scale = ScaleName(field, strings);
    if (field >= 2) {
        return FillIn(strings.Load(reading < 0 ? IDS_READING_BEYOND_LEFT : IDS_READING_BEYOND_RIGHT),
                      {scale, end, end});
    }
    return FillIn(strings.Load(reading < 0 ? IDS_READING_BEYOND_UP : IDS_READING_BEYOND_DOWN),
                  {scale, end, strings.Load(IDS_SETTING_MONTHLY_TOP), RowHeightText(layout)});
}

}  // namespace

std::optional<int> ParseReading(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty()) return 0;
    std::string_view digits = trimmed;
    const bool negative = digits.front() == '-';
    if (digits.front() == '+' || negative) digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 4 || digits.front() < '0' || digits.front() > '9') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return negative ? -value : value;
}

Readings ReadingsForNotes(const ReadingTexts& texts) {
    Readings readings{};
    for (std::size_t i = 0; i < kReadingCount; ++i) readings[i] = ParseReading(texts[i]).value_or(0);
    return readings;
}

std::string ScaleName(std::size_t field, const StringSource& strings) {
    if (field == 0) return strings.Load(IDS_READING_SEPTEMBER);
    if (field == 1) return strings.Load(IDS_READING_AUGUST);
    return strings.Load(IDS_SETTING_COLUMN_BASE + static_cast<unsigned>(field - 2));
}

std::string ChangeNote(const SettingChange& change, const StringSource& strings) {
    const std::string label = strings.Load(change.label);
    if (change.after == change.now) return FillIn(strings.Load(IDS_READING_NOTE_SAME), {label, change.now});
    return FillIn(strings.Load(IDS_READING_NOTE_MOVED), {label, change.now, change.after});
}

ReadingsOutcome EvaluateReadings(const ReadingTexts& texts, const CardLayout& layout, const PrinterResolution& printer,
                                 const StringSource& strings) {
    ReadingsOutcome outcome;
    Readings readings{};
    for (std::size_t i = 0; i < kReadingCount; ++i) {
        const std::optional<int> reading = ParseReading(texts[i]);
        if (!reading || !WithinReach(*reading)) {
            outcome.refusedField = i;
            outcome.message = reading ? BeyondMessage(i, *reading, layout, strings)
                                      : FillIn(strings.Load(IDS_READING_UNREADABLE), ScaleName(i, strings));
            return outcome;
        }
        readings[i] = *reading;
    }
    outcome.changes = ReadingChanges(layout, readings, printer);
    for (std::size_t i = 0; i < kReadingCount; ++i) {
        const SettingChange& change = outcome.changes[i];
        if (change.inRange) continue;
        outcome.refusedField = i;
        outcome.message = FillIn(strings.Load(IDS_READING_OUT_OF_RANGE), {strings.Load(change.label), change.after, LengthText(0), LengthText(kLargestLength)}) +
                          "\n\n" + strings.Load(IDS_LENGTH_MESSAGE);
        return outcome;
    }
    return outcome;
}

}  // namespace vorlant
