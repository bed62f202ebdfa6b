#include "layout/settings.h"

#include <charconv>
#include <string>

#include "common/language.h"
#include "common/string_source.h"
#include "common/text.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

constexpr const char* kFormat = "Format";
constexpr const char* kDateFormat = "Alt Date Format";
constexpr const char* kLastNameFirst = "Last Name First";
constexpr const char* kCardVersion = "Card Version";
constexpr const char* kMargins = "Margins";
constexpr const char* kTop = "Top";
constexpr const char* kLeft = "Left";
constexpr const char* kFnSort = "FN Sort";
constexpr const char* kEnabled = "Enabled";

constexpr const char* kData = "Data";
constexpr const char* kScrambleBase = "Scramble Base";

// Only the low 8 bits of an integer setting are kept.
std::uint8_t LowByte(unsigned value) {
    return static_cast<std::uint8_t>(value & 0xFFu);
}

std::uint8_t ReadByte(const ProfileStore& profile, const char* section, const char* key,
                      int defaultValue) {
    return LowByte(profile.GetInt(section, key, defaultValue));
}

bool WriteInt(ProfileStore& profile, const char* section, const char* key, int value) {
    return profile.WriteString(section, key, std::to_string(value).c_str());
}

}  // namespace

std::uint8_t LoadFirstNameSort(const ProfileStore& profile, std::string_view languageCode) {
    if (!HasFirstNameSort(languageCode)) return 0;
    return ReadByte(profile, kFnSort, kEnabled, 1);
}

void LoadSettings(const ProfileStore& profile, int versionsOffered, Settings& settings) {
    settings.dateFormat = ReadByte(profile, kFormat, kDateFormat, 0);
    settings.lastNameFirst = ReadByte(profile, kFormat, kLastNameFirst, 0);
    settings.cardVersion = ReadByte(profile, kFormat, kCardVersion, 0);
    settings.topMargin = profile.GetString(kMargins, kTop, "0.00");
    settings.leftMargin = profile.GetString(kMargins, kLeft, "0.20");
    if (settings.cardVersion + 1 > versionsOffered) settings.cardVersion = 0;
}

bool SaveSettings(ProfileStore& profile, const Settings& settings, std::string_view languageCode) {
    // Every key is tried, so that one that cannot be written does not cost
    // the others theirs.
    bool saved = WriteInt(profile, kFormat, kDateFormat, settings.dateFormat);
    saved = WriteInt(profile, kFormat, kLastNameFirst, settings.lastNameFirst) && saved;
    saved = WriteInt(profile, kFormat, kCardVersion, settings.cardVersion) && saved;
    saved = profile.WriteString(kMargins, kTop, settings.topMargin.c_str()) && saved;
    saved = profile.WriteString(kMargins, kLeft, settings.leftMargin.c_str()) && saved;
    if (HasFirstNameSort(languageCode)) saved = WriteInt(profile, kFnSort, kEnabled, settings.fnSortEnabled) && saved;
    return saved;
}

std::uint8_t LoadScrambleBase(const ProfileStore& profile, std::uint8_t builtIn) {
    const std::string text = profile.GetString(kData, kScrambleBase, "");
    std::string_view digits = Trim(text);
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    unsigned value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    const bool whole = result.ec == std::errc{} && result.ptr == digits.data() + digits.size() && !digits.empty();
    return whole && value <= 0xFF ? static_cast<std::uint8_t>(value) : builtIn;
}

int VersionsOffered(const StringSource& strings) {
    const std::string text = strings.Load(IDS_VERSION_COUNT);
    const std::string_view digits = Trim(text);
    int count = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    return result.ec == std::errc{} ? count : 0;
}

}  // namespace vorlant
