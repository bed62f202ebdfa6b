#include "layout/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/fake_profile.h"

namespace vorlant {
namespace {

using test::FakeProfile;

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
        EXPECT_TRUE(profile.written.empty());
    }
}

// The first-name sort, the Portuguese resources' own: on unless stored otherwise, as its low byte; for any other tag
// off. The scramble base: overridden only by a whole number of one byte.
TEST(SettingsTest, FirstNameSortIsReadForItsLanguageOnlyAndTheScrambleBaseAsOneByte) {
    for (const auto& [language, stored, enabled] :
         {std::tuple{"portuguese", "", 1}, {"portuguese", "0", 0}, {"portuguese", "257", 1}, {"portuguese", "512", 0},
          {"polish", "1", 0}, {"polish", "", 0}, {"Portuguese", "", 0}}) {
        FakeProfile profile;
        profile.values = {{"FN Sort/Enabled", stored}};
        EXPECT_EQ(LoadFirstNameSort(profile, language), enabled) << language << " \"" << stored << '"';
    }
    for (const auto& [stored, base] : {std::pair<const char*, int>{nullptr, 0x11}, {"", 0x11}, {"43", 43}, {"0", 0},
         {" 0x2B ", 0x2B}, {"0X2b", 0x2B}, {"255", 255}, {"256", 0x11}, {"-1", 0x11}, {"12a", 0x11}, {"0x", 0x11}}) {
        FakeProfile profile;
        if (stored != nullptr) profile.values["Data/Scramble Base"] = stored;
        EXPECT_EQ(LoadScrambleBase(profile, 0x11), base) << (stored ? stored : "(missing)");
    }
}

// Every key in order, "FN Sort" only for "portuguese"; a key that cannot be written costs no other key its write.
TEST(SettingsTest, SavingTriesEveryKeyAndSaysWhetherAllWereWritten) {
    const std::vector<std::string> polish = {"Format/Alt Date Format=3", "Format/Last Name First=1",
                                             "Format/Card Version=0",    "Margins/Top=0.35", "Margins/Left="};
    std::vector<std::string> portuguese = polish;
    portuguese.push_back("FN Sort/Enabled=1");
    for (const auto& [language, failing] :
         {std::pair<const char*, std::set<std::size_t>>{"polish", {}}, {"portuguese", {}}, {"polish", {1}},
          {"polish", {4}}, {"portuguese", {6}}, {"polish", {1, 2, 3, 4, 5}}}) {
        FakeProfile profile;
        profile.failing = failing;
        const bool saved = SaveSettings(profile, Settings{3, 1, 0, "0.35", "", 1}, language);
        EXPECT_EQ(saved, failing.empty()) << language << " failing " << failing.size();
        EXPECT_EQ(profile.written, language == std::string("polish") ? polish : portuguese)
            << language << " failing " << failing.size();
    }
}

}  // namespace
}  // namespace vorlant
