#include "dialogs/calibration_readings.h"

#include <charconv>
#include <cstdio>

#include "common/string_source.h"
#include "common/text.h"
#include "layout/file_message.h"
#include "render/calibration_page.h"
#include "render/figures_page.h"
#include "render/primitives.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

constexpr int kLargestLength = 999;  // 9.99 inches

// A layout length in hundredths, read as the printing reads it.
int Hundredths(std::string_view text) { return static_cast<int>(LayoutLengthToDevice(100, text)); }

std::string LengthText(int hundredths) {
    char text[16] = {};
    const int size = hundredths < 0 ? -hundredths : hundredths;
    std::snprintf(text, sizeof(text), "%s%d.%02d", hundredths < 0 ? "-" : "", size / 100, size % 100);
    return text;
}

SettingChange Change(const CardLayout& layout, std::size_t slot, unsigned label, int by) {
    SettingChange change{slot, label, std::string(layout.Slot(slot)), std::string(layout.Slot(slot)), true};
    if (by == 0) return change;
    const int after = Hundredths(change.now) + by;
    change.after = LengthText(after);
    change.inRange = after >= 0 && after <= kLargestLength;
    return change;
}

}  // namespace

std::optional<int> ParseReading(std::string_view text) {
    std::string trimmed(text);
    TrimInPlace(trimmed);
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

bool WithinReach(int reading) { return reading >= -kCalibrationReach && reading <= kCalibrationReach; }

std::array<SettingChange, kReadingCount> ReadingChanges(const CardLayout& layout, const Readings& readings) {
    const int september = readings[0], august = readings[1];
    // The August row lies eleven rows below the September row: the twelve
    // rows' height grows by 12/11 of the difference, halves away from zero.
    const int difference = august - september;
    const int stretch = (difference * 12 + (difference < 0 ? -5 : 5)) / 11;
    std::array<SettingChange, kReadingCount> changes;
    changes[0] = Change(layout, card_layout::kMonthlyTop, IDS_SETTING_MONTHLY_TOP, september);
    changes[1] = Change(layout, card_layout::kMonthlyHeight, IDS_SETTING_MONTHLY_HEIGHT, stretch);
    for (std::size_t i = 0; i < kPageColumns.size(); ++i) {
        changes[2 + i] = Change(layout, card_layout::ColumnX(kPageColumns[i]),
                                IDS_SETTING_COLUMN_BASE + static_cast<unsigned>(i), readings[2 + i]);
    }
    return changes;
}

void ApplyReadingChanges(const std::array<SettingChange, kReadingCount>& changes, CardLayout& layout) {
    for (const SettingChange& change : changes) {
        if (change.after != change.now) layout.SetSlot(change.slot, change.after);
    }
}

std::string ScaleName(std::size_t field, const StringSource& strings) {
    if (field == 0) return strings.Load(IDS_READING_SEPTEMBER);
    if (field == 1) return strings.Load(IDS_READING_AUGUST);
    return strings.Load(IDS_SETTING_COLUMN_BASE + static_cast<unsigned>(field - 2));
}

std::string ChangeNote(const SettingChange& change, const StringSource& strings) {
    const bool moved = change.after != change.now;
    std::string note = FillIn(strings.Load(moved ? IDS_READING_NOTE_MOVED : IDS_READING_NOTE_SAME),
                                   strings.Load(change.label));
    note = FillIn(note, change.now);
    return moved ? FillIn(note, change.after) : note;
}

ReadingsOutcome EvaluateReadings(const std::array<std::string, kReadingCount>& texts, const CardLayout& layout,
                                 const StringSource& strings) {
    ReadingsOutcome outcome;
    Readings readings{};
    for (std::size_t i = 0; i < kReadingCount; ++i) {
        const std::optional<int> reading = ParseReading(texts[i]);
        if (!reading || !WithinReach(*reading)) {
            outcome.refusedField = i;
            outcome.message = FillIn(strings.Load(reading ? IDS_READING_BEYOND : IDS_READING_UNREADABLE),
                                          ScaleName(i, strings));
            return outcome;
        }
        readings[i] = *reading;
    }
    outcome.changes = ReadingChanges(layout, readings);
    for (std::size_t i = 0; i < kReadingCount; ++i) {
        const SettingChange& change = outcome.changes[i];
        if (change.inRange) continue;
        outcome.refusedField = i;
        const std::string which =
            FillIn(strings.Load(IDS_READING_OUT_OF_RANGE), strings.Load(change.label));
        outcome.message = FillIn(which, change.after) + "\n\n" + strings.Load(IDS_LENGTH_MESSAGE);
        return outcome;
    }
    return outcome;
}

}  // namespace vorlant
