#include "layout/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "support/rc_strings.h"

namespace vorlant {
namespace {

// An INI file as the platform's private-profile functions see it, its values
// kept by "section/key": an integer is read from the value's leading digits,
// and an empty value counts as missing for it.
struct FakeProfile : ProfileStore {
    unsigned GetInt(const char* section, const char* key, int defaultValue) const override {
        const std::string text = GetString(section, key, "");
        return static_cast<unsigned>(text.empty() ? defaultValue : std::strtoll(text.c_str(), nullptr, 10));
    }
    std::string GetString(const char* section, const char* key, const char* defaultValue) const override {
        const auto it = values.find(std::string(section) + '/' + key);
        return it == values.end() ? defaultValue : it->second;
    }
    void WriteString(const char* section, const char* key, const char* value) override {
        writes.push_back(std::string(section) + '/' + key + '=' + value);
        values[std::string(section) + '/' + key] = value;
    }
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
};

TEST(SettingsTest, MissingKeysGiveTheDefaultsAndMarginsAreTakenAsStored) {
    FakeProfile profile;
    Settings settings{3, 1, 2, "stale", "stale", 1};
    LoadSettings(profile, 5, settings);
    EXPECT_EQ(settings, (Settings{0, 0, 0, "0.00", "0.20", 1}));
    profile.values = {{"Margins/Top", ""}, {"Margins/Left", " 1,5x"}};
    LoadSettings(profile, 5, settings);
    EXPECT_EQ(settings.topMargin, "");
    EXPECT_EQ(settings.leftMargin, " 1,5x");
}

TEST(SettingsTest, FirstNameSortIsReadOnlyForPortuguese) {
    FakeProfile profile;
    EXPECT_EQ(LoadFirstNameSort(profile, "portuguese"), 1);
    for (const char* language : {"polish", "Portuguese", "portuguese ", ""}) {
        EXPECT_EQ(LoadFirstNameSort(profile, language), 0) << language;
    }
    profile.values["FN Sort/Enabled"] = "0";
    EXPECT_EQ(LoadFirstNameSort(profile, "portuguese"), 0);
}

// Each integer keeps its low 8 bits; then a card version that is not offered becomes 0.
TEST(SettingsTest, IntegersAndTheCardVersionCheck) {
    for (const auto& [stored, offered, value, version] :
         {std::tuple{"3", 256, 3, 3}, {"256", 256, 0, 0}, {"258", 256, 2, 2}, {"259", 256, 3, 3}, {"-1", 256, 255, 255},
          {"", 256, 0, 0}, {"1", 1, 1, 0}, {"1", 2, 1, 1}, {"4", 5, 4, 4}, {"5", 5, 5, 0}, {"257", 2, 1, 1},
          {"2", -1, 2, 0}}) {
        FakeProfile profile;
        profile.values = {{"Format/Alt Date Format", stored}, {"Format/Last Name First", stored},
                          {"Format/Card Version", stored}};
        Settings settings;
        LoadSettings(profile, offered, settings);
        EXPECT_EQ(settings, (Settings{value, value, version})) << '"' << stored << "\" with " << offered << " offered";
    }
}

TEST(SettingsTest, VersionsOfferedIsTheCountString) {
    EXPECT_EQ(VersionsOffered(test::RcStringSource{}), 1);
    for (const auto& [text, count] : {std::pair<const char*, int>{" 2 ", 2}, {"", 0}, {"x", 0}, {"99999999999", 0}}) {
        test::MapStringSource strings;
        strings.strings[146] = text;
        EXPECT_EQ(VersionsOffered(strings), count) << '"' << text << '"';
    }
}

TEST(SettingsTest, ScrambleBaseIsOverriddenOnlyByAWholeNumberOfOneByte) {
    for (const auto& [stored, base] :
         {std::pair<const char*, int>{nullptr, 0x11}, {"", 0x11}, {"43", 43}, {" 0x2B ", 0x2B}, {"0X2b", 0x2B},
          {"0", 0}, {"255", 255}, {"256", 0x11}, {"-1", 0x11}, {"12a", 0x11}, {"0x", 0x11}, {"abc", 0x11}}) {
        FakeProfile profile;
        if (stored != nullptr) profile.values["Data/Scramble Base"] = stored;
        EXPECT_EQ(LoadScrambleBase(profile, 0x11), base) << (stored ? stored : "(missing)");
        EXPECT_TRUE(profile.writes.empty());
    }
}

TEST(SettingsTest, SaveWritesEveryKeyInOrder) {
    const Settings settings{3, 1, -2, "", "0.35", 0};
    FakeProfile polish, portuguese;
    SaveSettings(polish, settings, "polish");
    SaveSettings(portuguese, settings, "portuguese");
    std::vector<std::string> expected = {"Format/Alt Date Format=3", "Format/Last Name First=1",
                                         "Format/Card Version=-2", "Margins/Top=", "Margins/Left=0.35"};
    EXPECT_EQ(polish.writes, expected);
    expected.push_back("FN Sort/Enabled=0");
    EXPECT_EQ(portuguese.writes, expected);
}

}  // namespace
}  // namespace vorlant
