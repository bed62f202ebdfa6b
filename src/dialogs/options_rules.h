// The rules behind the options dialog and the main window's options command:
// the values the dialog edits, the stepping of its two spinners, switching
// the card version, and what the main window takes over afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "layout/card_layout.h"
#include "layout/layout_files.h"
#include "layout/settings.h"

namespace vorlant {

class StringSource;

// Spinner positions are whole hundredths of an inch ("2.62" is 262).
struct SpinRange {
    int lower = 0;
    int upper = 0;
};
inline constexpr SpinRange kMonthlyTopRange{230, 280};
inline constexpr SpinRange kMonthlyHeightRange{290, 340};

// One step of a spinner whose buddy shows `shown`: one hundredth down for a
// negative `delta`, up for a positive one, but never past a bound in the
// direction of the step, so a value outside the range only moves towards
// it. The result is canonical, "d.dd"; a value above 9.99 (from a layout
// file) keeps its first three digits.
std::string StepLength(std::string_view shown, int delta, SpinRange range);

// What the options dialog edits: copies of the main window's values, handed
// back only when the dialog ends with OK.
struct OptionsValues {
    int dateFormat = 0;
    std::string topMargin;
    std::string leftMargin;
    int cardVersion = 0;
    CardLayout workLayout;
    std::uint8_t fnSortEnabled = 0;

    bool operator==(const OptionsValues&) const = default;
};

OptionsValues OptionsValuesOf(const Settings& settings, const CardLayout& layout);

// The card version the dialog shows: one the resources do not offer is 0.
int VersionShown(int cardVersion, int versionsOffered);

// Choosing another card version: the working layout is written at once to
// the file of the version being left (whatever the dialog's outcome), then
// the new version's file, or its defaults, becomes the working layout.
// Choosing the version already shown changes nothing. False when changes to
// the layout being left were lost: its file could not be written and holds
// another layout; the switch is made all the same.
bool SwitchCardVersion(OptionsValues& values, int newVersion, LayoutFiles& files, const StringSource& strings);

// What the main window does after the dialog, besides taking values over.
struct OptionsFollowUp {
    bool sortPublishers = false;   // sort the table by first name again
    bool rebuildList = false;      // refill the list, retitle, take the selection
};

// The main window's side of the options command. After OK (`ok`): a change
// of the date style, either margin text (byte for byte), the card version
// or any layout byte, or with the Portuguese resources of the first-name
// sort, sets `settingsChanged`, and every value is taken over; with any
// other resources the first-name sort stays off. After Cancel nothing is
// taken. Either way a change made in this run or earlier rebuilds the list.
OptionsFollowUp TakeOverOptions(bool ok, const OptionsValues& chosen, std::string_view languageCode,
                                Settings& settings, CardLayout& layout, std::uint8_t& settingsChanged);

}  // namespace vorlant
