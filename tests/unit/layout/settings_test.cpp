#include "layout/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <tuple>

namespace vorlant {
namespace {

// An INI file as the platform reads it: an integer from leading digits, an empty value missing.
struct FakeProfile : ProfileStore {
    unsigned GetInt(const char* section, const char* key, int defaultValue) const override {
        const std::string text = GetString(section, key, "");
        return static_cast<unsigned>(text.empty() ? defaultValue : std::strtoll(text.c_str(), nullptr, 10));
    }
    std::string GetString(const char* section, const char* key, const char* defaultValue) const override {
        const auto it = values.find(std::string(section) + '/' + key);
        return it == values.end() ? defaultValue : it->second;
    }
    void WriteString(const char*, const char*, const char*) override { ADD_FAILURE() << "written"; }
    std::map<std::string, std::string> values;
};

// Each integer keeps its low 8 bits, then a card version not offered becomes 0; margins stay as stored.
TEST(SettingsTest, IntegersKeepTheirLowByteAndTheCardVersionMustBeOffered) {
    for (const auto& [stored, offered, value, version] : {std::tuple{"3", 256, 3, 3}, {"258", 256, 2, 2}, {"", 9, 0, 0},
         {"-1", 256, 255, 255}, {"1", 1, 1, 0}, {"1", 2, 1, 1}, {"5", 5, 5, 0}, {"257", 2, 1, 1}, {"2", -1, 2, 0}}) {
        FakeProfile profile;
        profile.values = {{"Format/Alt Date Format", stored}, {"Format/Last Name First", stored},
                          {"Format/Card Version", stored}, {"Margins/Left", " 1,5x"}};
        Settings settings{9, 9, 9, "stale", "stale", 1};
        LoadSettings(profile, offered, settings);
        EXPECT_EQ(settings, (Settings{value, value, version, "0.00", " 1,5x", 1}))
            << '"' << stored << "\" with " << offered << " offered";
    }
}

TEST(SettingsTest, ScrambleBaseIsOverriddenOnlyByAWholeNumberOfOneByte) {
    for (const auto& [stored, base] : {std::pair<const char*, int>{nullptr, 0x11}, {"", 0x11}, {"43", 43}, {"0", 0},
         {" 0x2B ", 0x2B}, {"0X2b", 0x2B}, {"255", 255}, {"256", 0x11}, {"-1", 0x11}, {"12a", 0x11}, {"0x", 0x11}}) {
        FakeProfile profile;
        if (stored != nullptr) profile.values["Data/Scramble Base"] = stored;
        EXPECT_EQ(LoadScrambleBase(profile, 0x11), base) << (stored ? stored : "(missing)");
    }
}

}  // namespace
}  // namespace vorlant
