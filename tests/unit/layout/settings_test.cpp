#include "layout/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/rc_strings.h"

namespace vorlant {
namespace {

// An INI file as the platform's private-profile functions see it.
class FakeProfile : public ProfileStore {
public:
    using Key = std::pair<std::string, std::string>;
    struct Write {
        std::string section, key, value;
        bool operator==(const Write&) const = default;
    };

    std::map<Key, std::string> values;
    std::vector<Write> writes;

    // Optional sign and leading decimal digits; a negative value comes back
    // as its unsigned two's complement, no digits give 0, and an empty value
    // counts as missing.
    unsigned GetInt(const char* section, const char* key, int defaultValue) const override {
        const auto it = values.find({section, key});
        if (it == values.end() || it->second.empty()) return static_cast<unsigned>(defaultValue);
        const std::string& text = it->second;
        std::size_t i = 0;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        unsigned value = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            value = value * 10u + static_cast<unsigned>(text[i] - '0');
        }
        return negative ? 0u - value : value;
    }

    std::string GetString(const char* section, const char* key, const char* defaultValue) const override {
        const auto it = values.find({section, key});
        return it == values.end() ? defaultValue : it->second;
    }

    void WriteString(const char* section, const char* key, const char* value) override {
        writes.push_back({section, key, value});
        values[{section, key}] = value;
    }
};

TEST(Settings, NoFileGivesTheDefaults) {
    const FakeProfile profile;
    Settings settings;
    settings.topMargin = "stale";
    settings.cardVersion = 3;
    LoadSettings(profile, 1, settings);
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(settings.topMargin, "0.00");
    EXPECT_EQ(settings.leftMargin, "0.20");
    EXPECT_EQ(LoadFirstNameSort(profile, "portuguese"), 1);
    EXPECT_EQ(LoadFirstNameSort(profile, "polish"), 0);
}

TEST(Settings, FirstNameSortIsReadOnlyForPortuguese) {
    FakeProfile profile;
    profile.values[{"FN Sort", "Enabled"}] = "1";
    EXPECT_EQ(LoadFirstNameSort(profile, "portuguese"), 1);
    for (const char* language : {"polish", "Portuguese", "portuguese ", ""}) {
        EXPECT_EQ(LoadFirstNameSort(profile, language), 0) << language;
    }
    profile.values[{"FN Sort", "Enabled"}] = "0";
    EXPECT_EQ(LoadFirstNameSort(profile, "portuguese"), 0);
    profile.values[{"FN Sort", "Enabled"}] = "257";
    EXPECT_EQ(LoadFirstNameSort(profile, "portuguese"), 1);
}

TEST(Settings, IntegersKeepTheirLowEightBits) {
    struct Case { const char* stored; int expected; };
    for (const Case c : {Case{"3", 3}, Case{"256", 0}, Case{"258", 2}, Case{"259", 3}, Case{"-1", 255},
                         Case{"-256", 0}, Case{"4294967297", 1}, Case{"", 0}, Case{"x", 0}, Case{"2abc", 2}}) {
        SCOPED_TRACE(std::string("stored \"") + c.stored + '"');
        FakeProfile profile;
        profile.values[{"Format", "Alt Date Format"}] = c.stored;
        profile.values[{"Format", "Last Name First"}] = c.stored;
        profile.values[{"Format", "Card Version"}] = c.stored;
        Settings settings;
        LoadSettings(profile, 256, settings);
        EXPECT_EQ(settings.dateFormat, c.expected);
        EXPECT_EQ(settings.lastNameFirst, c.expected);
        EXPECT_EQ(settings.cardVersion, c.expected);
    }
}

TEST(Settings, CardVersionNotOfferedBecomesZero) {
    struct Case { const char* stored; int offered; int expected; };
    for (const Case c : {Case{"1", 1, 0}, Case{"0", 1, 0}, Case{"1", 2, 1}, Case{"4", 5, 4}, Case{"5", 5, 0},
                         Case{"256", 1, 0}, Case{"257", 2, 1}, Case{"0", 0, 0}, Case{"2", -1, 0}}) {
        FakeProfile profile;
        profile.values[{"Format", "Card Version"}] = c.stored;
        Settings settings;
        LoadSettings(profile, c.offered, settings);
        EXPECT_EQ(settings.cardVersion, c.expected) << c.stored << " with " << c.offered << " offered";
    }
}

TEST(Settings, SaveWritesEveryKeyInOrder) {
    Settings settings;
    settings.dateFormat = 3;
    settings.lastNameFirst = 1;
    settings.cardVersion = -2;
    settings.topMargin = "";
    settings.leftMargin = "0.35";
    settings.fnSortEnabled = 0;

    using W = FakeProfile::Write;
    const std::vector<W> common = {
        {"Format", "Alt Date Format", "3"}, {"Format", "Last Name First", "1"},
        {"Format", "Card Version", "-2"},   {"Margins", "Top", ""},
        {"Margins", "Left", "0.35"}};

    FakeProfile polish;
    SaveSettings(polish, settings, "polish");
    EXPECT_EQ(polish.writes, common);

    FakeProfile portuguese;
    SaveSettings(portuguese, settings, "portuguese");
    std::vector<W> withSort = common;
    withSort.push_back({"FN Sort", "Enabled", "0"});
    EXPECT_EQ(portuguese.writes, withSort);
}

TEST(Settings, StoredValuesComeBackAsHeldAfterTheVersionCheck) {
    FakeProfile profile;
    profile.values[{"Format", "Card Version"}] = "1";
    profile.values[{"Margins", "Top"}] = "";
    profile.values[{"Margins", "Left"}] = " 1,5x";
    Settings settings;
    LoadSettings(profile, 1, settings);
    EXPECT_EQ(settings.cardVersion, 0);
    EXPECT_EQ(settings.topMargin, "");
    EXPECT_EQ(settings.leftMargin, " 1,5x");

    SaveSettings(profile, settings, "polish");
    EXPECT_EQ(profile.values.at({"Format", "Card Version"}), "0");
    Settings back;
    LoadSettings(profile, 1, back);
    EXPECT_EQ(back, settings);
}

TEST(Settings, VersionsOfferedIsTheCountString) {
    EXPECT_EQ(VersionsOffered(test::RcStringSource{}), 1);
    struct Case { const char* text; int expected; };
    for (const Case c : {Case{"3", 3}, Case{" 2 ", 2}, Case{"", 0}, Case{"x", 0}, Case{"99999999999", 0}}) {
        test::MapStringSource strings;
        strings.strings[146] = c.text;
        EXPECT_EQ(VersionsOffered(strings), c.expected) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace vorlant
