#include "dialogs/options_rules.h"

#include "common/language.h"

namespace vorlant {

std::string StepLength(std::string_view shown, int delta, SpinRange range) {
    int value = LayoutValueHundredths(shown);
    if (delta < 0 && value > range.lower) {
        --value;
    } else if (delta > 0 && value < range.upper) {
        ++value;
    }
    // Of a longer value the first three digits are shown: the point stays at
    // index 1, where every reader of a length expects it.
    while (value > kLargestLength) value /= 10;
    return LengthText(value);
}

OptionsValues OptionsValuesOf(const Settings& settings, const CardLayout& layout) {
    OptionsValues values;
    values.dateFormat = settings.dateFormat;
    values.topMargin = settings.topMargin;
    values.leftMargin = settings.leftMargin;
    values.cardVersion = settings.cardVersion;
    values.workLayout = layout;
    values.fnSortEnabled = settings.fnSortEnabled;
    return values;
}

int VersionShown(int cardVersion, int versionsOffered) {
    return cardVersion >= 0 && cardVersion < versionsOffered ? cardVersion : 0;
}

bool SwitchCardVersion(OptionsValues& values, int newVersion, LayoutFiles& files, const StringSource& strings) {
    if (newVersion < 0 || newVersion == values.cardVersion) return true;
    const FileSave saved = files.Save(values.cardVersion, values.workLayout);
    values.cardVersion = newVersion;
    values.workLayout = files.Load(newVersion, strings);
    return saved != FileSave::FailedChangesLost;
}

OptionsFollowUp TakeOverOptions(bool ok, const OptionsValues& chosen, std::string_view languageCode,
                                Settings& settings, CardLayout& layout, std::uint8_t& settingsChanged) {
    OptionsFollowUp next;
    if (ok) {
        if (chosen.dateFormat != settings.dateFormat || chosen.topMargin != settings.topMargin ||
            chosen.leftMargin != settings.leftMargin || chosen.cardVersion != settings.cardVersion ||
            chosen.workLayout != layout) {
            settingsChanged = 1;
        }
        settings.topMargin = chosen.topMargin;
        settings.leftMargin = chosen.leftMargin;
        settings.dateFormat = chosen.dateFormat;
        settings.cardVersion = chosen.cardVersion;
        if (HasFirstNameSort(languageCode)) {
            if (chosen.fnSortEnabled != settings.fnSortEnabled) settingsChanged = 1;
            settings.fnSortEnabled = chosen.fnSortEnabled;
            next.sortPublishers = settingsChanged == 1;
        } else {
            settings.fnSortEnabled = 0;
        }
        layout = chosen.workLayout;
    }
    next.rebuildList = settingsChanged == 1;
    return next;
}

}  // namespace vorlant
