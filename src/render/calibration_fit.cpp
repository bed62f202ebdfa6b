#include "render/calibration_fit.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "layout/length.h"
#include "render/figures_page.h"
#include "render/primitives.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

// How far around the first guess the start and the height are looked for,
// in hundredths: the guess is off by the centring and the whole dots only.
constexpr int kSearch = 4;

SettingChange Change(const CardLayout& layout, std::size_t slot, unsigned label, int after) {
    SettingChange change{slot, label, std::string(layout.Slot(slot)), std::string(layout.Slot(slot)), true};
    if (after == PrintedLengthHundredths(change.now)) return change;
    change.after = LengthText(after);
    change.inRange = IsLengthInRange(after);
    return change;
}

// The September and the August zero of `layout` with its start and height
// replaced, in hundredths of a dot.
std::array<long long, 2> RowZeros(CardLayout layout, int start, int height, const PrinterResolution& printer) {
    layout.SetSlot(card_layout::kMonthlyTop, LengthText(start));
    layout.SetSlot(card_layout::kMonthlyHeight, LengthText(height));
    const CardLines zeros = CalibrationZeros(layout, printer);
    return {100LL * zeros.septemberTop, 100LL * zeros.augustTop};
}

// The value near `guess` (within kSearch, a length) that `cost` rates
// lowest, the nearer to `guess` among equals; none when no length is near.
template <typename Cost>
std::optional<int> Nearest(int guess, Cost cost) {
    std::optional<int> best;
    long long bestCost = 0;
    for (int d = 0; d <= kSearch; ++d) {
        for (const int value : {guess - d, guess + d}) {
            if (!IsLengthInRange(value)) continue;
            const long long c = cost(value);
            if (!best || c < bestCost) best = value, bestCost = c;
        }
    }
    return best;
}

}  // namespace

bool WithinReach(int reading) { return reading >= -kCalibrationReach && reading <= kCalibrationReach; }

int ArialFiguresLine(unsigned py) {
    return (MulDivRound(10, static_cast<int>(py), 72) * (1854 + 434) + 1024) / 2048;
}

CardLines CalibrationZeros(const CardLayout& layout, const PrinterResolution& printer) {
    const PageGeometry g = ComputePageGeometry(printer.px, printer.py, layout, {});
    return WellPlacedCardLines(printer.px, printer.py, g, printer.figuresLine);
}

std::array<SettingChange, kReadingCount> ReadingChanges(const CardLayout& layout, const Readings& readings,
                                                        const PrinterResolution& printer) {
    const int start = PrintedLengthHundredths(layout.MonthlyTop());
    const int height = PrintedLengthHundredths(layout.MonthlyHeight());
    // The card's lines as read, in hundredths of a dot of this page.
    const auto py = static_cast<long long>(printer.py);
    const std::array<long long, 2> zeros = RowZeros(layout, start, height, printer);
    const long long september = zeros[0] + readings[0] * py, august = zeros[1] + readings[1] * py;

    // First guesses: the rows stretched by 12/11 of the difference (the
    // August row lies eleven rows below the September row), halves away
    // from zero; the start moved by the September reading.
    const int difference = readings[1] - readings[0];
    const int guessHeight = height + (difference * 12 + (difference < 0 ? -5 : 5)) / 11;
    const int guessStart = start + readings[0];
    int newHeight = guessHeight, newStart = guessStart;
    if (readings[0] != 0 || readings[1] != 0) {
        // The height whose whole-dot rows span the read distance best, then
        // the start that puts September on its line with rows that high.
        const auto rowsSpan = [&](int h) {
            const std::array<long long, 2> z = RowZeros(layout, start, h, printer);
            return std::llabs((z[1] - z[0]) - (august - september));
        };
        newHeight = Nearest(guessHeight, rowsSpan).value_or(guessHeight);
        const auto septemberMiss = [&](int s) {
            return std::llabs(RowZeros(layout, s, newHeight, printer)[0] - september);
        };
        newStart = Nearest(guessStart, septemberMiss).value_or(guessStart);
    }

    std::array<SettingChange, kReadingCount> changes;
    changes[0] = Change(layout, card_layout::kMonthlyTop, IDS_SETTING_MONTHLY_TOP, newStart);
    changes[1] = Change(layout, card_layout::kMonthlyHeight, IDS_SETTING_MONTHLY_HEIGHT, newHeight);
    for (std::size_t i = 0; i < kPageColumns.size(); ++i) {
        const std::size_t slot = card_layout::ColumnX(kPageColumns[i]);
        changes[2 + i] = Change(layout, slot, IDS_SETTING_COLUMN_BASE + static_cast<unsigned>(i),
                                PrintedLengthHundredths(layout.Slot(slot)) + readings[2 + i]);
    }
    return changes;
}

void ApplyReadingChanges(const std::array<SettingChange, kReadingCount>& changes, CardLayout& layout) {
    for (const SettingChange& change : changes) {
        if (change.after != change.now) layout.SetSlot(change.slot, change.after);
    }
}

}  // namespace vorlant
