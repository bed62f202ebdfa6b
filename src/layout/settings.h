// The persisted settings: date style, name order, card version, margins and
// the first-name sort, kept in the INI file beside the executable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlant {

class StringSource;

// The three private-profile operations on the INI file. The program's
// implementation calls the platform's functions; tests keep a map.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The integer value as the platform reads it: leading decimal digits,
    // optionally signed, `defaultValue` when the key is missing.
    virtual unsigned GetInt(const char* section, const char* key, int defaultValue) const = 0;
    // The value as stored (an empty value stays empty), `defaultValue` when
    // the key is missing.
    virtual std::string GetString(const char* section, const char* key,
                                  const char* defaultValue) const = 0;
    // False when the value could not be written.
    virtual bool WriteString(const char* section, const char* key, const char* value) = 0;
};

struct Settings {
    int dateFormat = 0;
    int lastNameFirst = 0;
    int cardVersion = 0;
    std::string topMargin = "0.00";
    std::string leftMargin = "0.20";
    std::uint8_t fnSortEnabled = 0;

    bool operator==(const Settings&) const = default;
};

// The first-name sort switch, read only for the "portuguese" resources
// (default on); 0 for every other language.
std::uint8_t LoadFirstNameSort(const ProfileStore& profile, std::string_view languageCode);

// Date style, name order, card version and margins, each integer as its low
// 8 bits; then a card version that the resources do not offer becomes 0.
void LoadSettings(const ProfileStore& profile, int versionsOffered, Settings& settings);

// Writes every key, in order; the "FN Sort" key only for "portuguese". A key
// that cannot be written does not stop the others; false when any failed.
bool SaveSettings(ProfileStore& profile, const Settings& settings, std::string_view languageCode);

// The base of the companion program's text scrambling: the built-in one,
// unless the INI file's "Data" / "Scramble Base" holds a number from 0 to
// 255 (decimal, or hexadecimal after "0x"). Read only, never written: it is
// for a congregation whose companion program was set up with another base.
std::uint8_t LoadScrambleBase(const ProfileStore& profile, std::uint8_t builtIn);

// The number of card versions the resources offer (the decimal value of
// their version-count string); 0 when that string holds no number.
int VersionsOffered(const StringSource& strings);

}  // namespace vorlant
