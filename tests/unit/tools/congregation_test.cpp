// The generated files, read the way a reader of the formats would read them:
// the decoders here are written from the record layouts, not taken from the
// generator or from src/data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "congregation.h"
#include "data/scramble.h"
#include "support/temp_folder.h"

namespace vorlant::gen {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kPublisherRecord = 816;
constexpr std::size_t kDetailsRecord = 192;
constexpr std::size_t kRemarkRecord = 48;

GeneratorOptions Options(bool scrambled = true, bool maximum = false) {
    GeneratorOptions o;
    o.year = 2025;
    o.month = 3;
    o.day = 14;
    o.scrambled = scrambled;
    o.maximum = maximum;
    return o;
}

std::uint16_t U16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }

std::string Plain(const Bytes& b, std::size_t at, std::size_t width) {
    std::string text;
    for (std::size_t i = 0; i + 1 < width && b[at + i] != 0; ++i) text.push_back(static_cast<char>(b[at + i]));
    return text;
}

// Additive descrambling; a stored 204 at a position below `keep204Below` stays.
std::string Additive(const Bytes& b, std::size_t at, std::size_t width, std::size_t keep204Below = 0) {
    std::string text = Plain(b, at, width);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (!(c == 204 && i < keep204Below)) text[i] = static_cast<char>(c - i - ScrambleBase);
    }
    return text.substr(0, text.find('\0'));
}

std::string GroupText(const Bytes& b, std::size_t at, std::size_t width) {
    std::string text = Plain(b, at, width);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char key = GroupKey[i % GroupKey.size()];
        if (text[i] != key) text[i] = static_cast<char>(text[i] ^ key);
    }
    return text;
}

std::string Cp(const std::string& utf8) { return Utf8ToCp1250(utf8).value(); }

struct RemarkRecord {
    std::string text;  // trimmed
    int month, year;
    std::uint16_t id;
    bool kept;
};

std::vector<RemarkRecord> Remarks(const Bytes& file) {
    std::vector<RemarkRecord> out;
    for (std::size_t at = kRemarkRecord; at + kRemarkRecord <= file.size(); at += kRemarkRecord) {
        std::string text = Plain(file, at, 44);
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        const int month = file[at + 44];
        const std::uint16_t id = U16(file, at + 46);
        out.push_back({text, month, file[at + 45], id, month >= 1 && month <= 12 && id >= 11 && !text.empty()});
    }
    return out;
}

TEST(CongregationGenerator, FileSizesCountsAndMarker) {
    struct Case {
        GeneratorOptions options;
        int publishers, groups;
    };
    GeneratorOptions none = Options();
    none.publishers = 0;
    const Case cases[] = {{Options(), 30, 4}, {Options(false), 30, 4}, {none, 0, 4}, {Options(true, true), 909, 20}};
    for (const Case& c : cases) {
        const Congregation g = Generate(c.options);
        SCOPED_TRACE(c.publishers);
        EXPECT_EQ(g.publisherFile.size(), (c.publishers + 1) * kPublisherRecord);
        EXPECT_EQ(g.publishers.size(), static_cast<std::size_t>(c.publishers));
        ASSERT_EQ(g.groupFile.size(), 1881u);
        EXPECT_EQ(g.groupFile[0], c.groups);
        EXPECT_EQ(g.detailsFile.size(), g.detailsRecords * kDetailsRecord);
        EXPECT_EQ(g.remarkFile.size() % kRemarkRecord, 0u);
        const auto remarks = Remarks(g.remarkFile);
        EXPECT_EQ(std::count_if(remarks.begin(), remarks.end(), [](auto& r) { return r.kept; }), g.usableRemarks);
        EXPECT_EQ(g.publisherFile[23] == 'A', !c.options.scrambled);
        if (!c.options.scrambled) {
            EXPECT_EQ(g.publisherFile[24], 0);
        }
        const std::string password = c.options.scrambled ? Additive(g.publisherFile, 2, 21, 21) : Plain(g.publisherFile, 2, 21);
        EXPECT_EQ(password, " ");
    }
    const Congregation largest = Generate(Options(true, true));
    EXPECT_EQ(largest.detailsRecords, 601);
    EXPECT_EQ(largest.usableRemarks, 898);
}

TEST(CongregationGenerator, SameSeedAndDateGiveTheSameFiles) {
    const Congregation a = Generate(Options());
    const Congregation b = Generate(Options());
    EXPECT_EQ(a.publisherFile, b.publisherFile);
    EXPECT_EQ(a.groupFile, b.groupFile);
    EXPECT_EQ(a.detailsFile, b.detailsFile);
    EXPECT_EQ(a.remarkFile, b.remarkFile);
    GeneratorOptions other = Options();
    other.seed = 2;
    EXPECT_NE(Generate(other).publisherFile, a.publisherFile);
}

// Every text a reader descrambles comes back as the generator meant it.
TEST(CongregationGenerator, EveryScrambledTextReadsBack) {
    for (const bool maximum : {false, true}) {
        const Congregation g = Generate(Options(true, maximum));
        std::set<std::uint16_t> ids;
        for (const PublisherInfo& p : g.publishers) {
            const std::size_t at = p.record * kPublisherRecord;
            EXPECT_EQ(Additive(g.publisherFile, at + 2, 21, 21), Cp(p.firstName)) << p.record;
            EXPECT_EQ(Additive(g.publisherFile, at + 23, 21, 21), Cp(p.lastName)) << p.record;
            EXPECT_EQ(Additive(g.publisherFile, at + 152, 9), p.baptismDate);
            EXPECT_EQ(Additive(g.publisherFile, at + 161, 9), p.birthDate);
            // The address must survive the rule for a 204 among its first 30 characters.
            const std::string address = Additive(g.publisherFile, at + 44, 63, 30);
            EXPECT_EQ(address.rfind("ul. ", 0), 0u) << p.record;
            EXPECT_NE(address.find(", "), std::string::npos) << p.record;
            EXPECT_EQ(U16(g.publisherFile, at + 182), p.id);
            EXPECT_GE(p.id, 11);
            EXPECT_TRUE(ids.insert(p.id).second) << "identifier used twice: " << p.id;
            if (p.details == DetailsCase::LongName || p.details == DetailsCase::DigitsOnly) {
                const std::size_t d = p.detailsIndex * kDetailsRecord;
                ASSERT_LT(p.detailsIndex, g.detailsRecords);
                EXPECT_EQ(U16(g.detailsFile, d), p.id);
                EXPECT_EQ(Additive(g.detailsFile, d + 2, 65), Cp(p.longName));
                EXPECT_FALSE(Additive(g.detailsFile, d + 67, 51).empty());
                EXPECT_FALSE(Additive(g.detailsFile, d + 118, 72).empty());
            }
        }
        for (std::size_t group = 0; group < g.groupTexts.size(); ++group) {
            const std::size_t offsets[] = {1, 481, 961, 1441, 1681}, widths[] = {24, 24, 24, 12, 9};
            for (std::size_t t = 0; t < 5; ++t) {
                EXPECT_EQ(GroupText(g.groupFile, offsets[t] + group * widths[t], widths[t]), Cp(g.groupTexts[group][t]));
            }
        }
    }
}

TEST(CongregationGenerator, PlainFilesHoldThePlainNames) {
    const Congregation g = Generate(Options(false));
    for (const PublisherInfo& p : g.publishers) {
        EXPECT_EQ(Plain(g.publisherFile, p.record * kPublisherRecord + 2, 21), Cp(p.firstName));
        EXPECT_EQ(Plain(g.publisherFile, p.record * kPublisherRecord + 23, 21), Cp(p.lastName));
    }
}

TEST(CongregationGenerator, MonthlyValuesAreWhereTheInfoSays) {
    const Congregation g = Generate(Options());
    for (const PublisherInfo& p : g.publishers) {
        const std::size_t at = p.record * kPublisherRecord;
        for (std::size_t m = 0; m < 12; ++m) {
            for (std::size_t s = 0; s < 2; ++s) {
                const MonthFigures& f = p.months[m][s];
                const std::uint16_t kind4 = U16(g.publisherFile, at + 240 + 72 * 4 + 6 * m + 2 * s);
                const std::uint16_t hours = U16(g.publisherFile, at + 240 + 72 * 2 + 6 * m + 2 * s);
                EXPECT_EQ(g.publisherFile[at + 202 + 3 * m + s] & 3, f.status);
                EXPECT_EQ(hours, f.hours);
                EXPECT_EQ(kind4 & 0x3FF, f.studies);
                EXPECT_EQ(hours != 0 || (kind4 & 0x800) != 0, f.shared);
            }
        }
    }
}

// The cases that the readers, the list filter and the card must handle are
// all present in the default congregation.
TEST(CongregationGenerator, HoldsTheSpecialCases) {
    const Congregation g = Generate(Options());
    const auto& ps = g.publishers;
    const int today = 2;  // March
    const int todaySlot = 2025 % 2, reportSlot = g.reportYear % 2;
    auto any = [&](auto predicate) { return std::any_of(ps.begin(), ps.end(), predicate); };
    auto everyCardMonth = [&](const PublisherInfo& p, int status) {
        for (int m = 0; m < 12; ++m) {
            if (m >= 3 && m <= 7) continue;  // April to August 2025 lie after "today"
            if (p.months[m][CardYearSlot(g.serviceYear, m)].status != status) return false;
        }
        return true;
    };
    EXPECT_TRUE(any([&](auto& p) { return everyCardMonth(p, 2) && p.group != 0; }));
    EXPECT_TRUE(any([&](auto& p) { return everyCardMonth(p, 2) && p.group == 0; }));
    EXPECT_TRUE(any([&](auto& p) { return everyCardMonth(p, 3); }));
    EXPECT_TRUE(any([&](auto& p) {
        return p.months[today][todaySlot].status == 2 && p.months[g.reportMonth][reportSlot].status < 2 && p.group != 0;
    }));
    EXPECT_TRUE(any([&](auto& p) { return p.fieldMissionary && everyCardMonth(p, 0) && p.months[0][1].hours > 0; }));
    auto anyMonth = [&](auto predicate) {
        return any([&](auto& p) {
            return std::any_of(p.months.begin(), p.months.end(),
                               [&](auto& slots) { return predicate(p, slots[0]) || predicate(p, slots[1]); });
        });
    };
    EXPECT_TRUE(anyMonth([](auto&, auto& f) { return f.status == 1; }));
    EXPECT_TRUE(anyMonth([](auto&, auto& f) { return f.shared && f.hours == 0; }));
    EXPECT_TRUE(anyMonth([](auto& p, auto& f) { return f.status == 0 && !p.fieldMissionary && f.hours > 0; }));
    EXPECT_TRUE(any([](auto& p) { return p.omitted; }));
    EXPECT_TRUE(any([](auto& p) { return p.anointed; }));
    EXPECT_TRUE(any([](auto& p) { return p.baptismDate.empty(); }));
    EXPECT_TRUE(any([](auto& p) { return p.appointment == Appointment::Elder; }));
    EXPECT_TRUE(any([](auto& p) { return p.appointment == Appointment::Servant; }));
    EXPECT_TRUE(any([&](auto& p) {
        return !p.omitted && p.group == 0 && p.months[g.reportMonth][reportSlot].status < 2;
    }));
    EXPECT_TRUE(any([&](auto& p) {
        return std::count_if(ps.begin(), ps.end(), [&](auto& q) {
                   return q.firstName == p.firstName && q.lastName == p.lastName;
               }) > 1;
    }));

    for (const DetailsCase c : {DetailsCase::LongName, DetailsCase::DigitsOnly}) {
        EXPECT_TRUE(any([&](auto& p) { return p.details == c && p.detailsIndex > 0; }));
    }
    EXPECT_TRUE(any([](auto& p) { return p.longName.find_first_not_of("0123456789 ") == std::string::npos && !p.longName.empty(); }));
    EXPECT_EQ(std::count_if(ps.begin(), ps.end(), [&](auto& p) {
                  return p.details == DetailsCase::WrongId && p.detailsIndex > 0 && p.detailsIndex < g.detailsRecords &&
                         U16(g.detailsFile, p.detailsIndex * kDetailsRecord) != p.id;
              }), 2);
    EXPECT_TRUE(any([&](auto& p) { return p.details == DetailsCase::BeyondEnd && p.detailsIndex >= g.detailsRecords; }));

    const auto remarks = Remarks(g.remarkFile);
    auto known = [&](std::uint16_t id) { return any([&](auto& p) { return p.id == id; }); };
    EXPECT_TRUE(std::any_of(remarks.begin(), remarks.end(), [](auto& r) { return r.text.empty() && r.month > 0; }));
    EXPECT_TRUE(std::any_of(remarks.begin(), remarks.end(), [](auto& r) { return r.id == 10 && !r.text.empty(); }));
    EXPECT_TRUE(std::any_of(remarks.begin(), remarks.end(), [&](auto& r) { return r.kept && !known(r.id); }));
    EXPECT_TRUE(std::any_of(remarks.begin(), remarks.end(), [](auto& r) { return r.month == 0 || r.month > 12; }));
    bool replaced = false;
    for (std::size_t i = 0; i < remarks.size(); ++i) {
        for (std::size_t j = i + 1; j < remarks.size(); ++j) {
            const auto &a = remarks[i], &b = remarks[j];
            replaced |= a.kept && b.kept && a.id == b.id && a.month == b.month && a.year % 2 == b.year % 2 && a.text != b.text;
        }
    }
    EXPECT_TRUE(replaced);
    bool strayTerminator = false;
    for (std::size_t at = kRemarkRecord; at < g.remarkFile.size(); at += kRemarkRecord) strayTerminator |= g.remarkFile[at + 43] != 0;
    EXPECT_TRUE(strayTerminator);

    bool keyByteKept = false;  // a group text byte equal to its key character, stored unchanged
    const std::size_t offsets[] = {1, 481, 961, 1441, 1681}, widths[] = {24, 24, 24, 12, 9};
    for (std::size_t t = 0; t < 5; ++t) {
        for (std::size_t group = 0; group < g.groupTexts.size(); ++group) {
            const std::string stored = Plain(g.groupFile, offsets[t] + group * widths[t], widths[t]);
            for (std::size_t i = 0; i < stored.size(); ++i) keyByteKept |= stored[i] == GroupKey[i % GroupKey.size()];
        }
    }
    EXPECT_TRUE(keyByteKept);
}

TEST(CongregationGenerator, AnySeedAndDateCanBeGenerated) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        for (int month = 1; month <= 12; ++month) {
            GeneratorOptions o = Options(seed % 2 == 0);
            o.seed = seed;
            o.month = month;
            o.publishers = static_cast<int>(seed * 5);
            EXPECT_NO_THROW(Generate(o)) << seed << " " << month;
        }
    }
}

TEST(CongregationGenerator, RejectsUnusableOptions) {
    auto with = [](auto change) {
        GeneratorOptions o = Options();
        change(o);
        return o;
    };
    const GeneratorOptions bad[] = {
        with([](auto& o) { o.publishers = 910; }),  with([](auto& o) { o.groups = 21; }),
        with([](auto& o) { o.month = 13; }),        with([](auto& o) { o.month = 2; o.day = 29; }),
        with([](auto& o) { o.password = "123456789012345678901"; }),
        with([](auto& o) { o.password = "abcdeę"; }),  // the 'ę' would be stored as 0
        with([](auto& o) { o.password = "\xC5"; }),
    };
    for (const GeneratorOptions& o : bad) {
        EXPECT_FALSE(CheckOptions(o).empty()) << o.password;
        EXPECT_THROW(Generate(o), std::invalid_argument);
    }
    EXPECT_NO_THROW(Generate(with([](auto& o) { o.password = "abcdeę"; o.scrambled = false; })));
    EXPECT_NO_THROW(Generate(with([](auto& o) { o.month = 2; o.day = 29; o.year = 2024; })));
}

TEST(CongregationGenerator, ConvertsPolishTextToCodePage1250) {
    EXPECT_EQ(Utf8ToCp1250("ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż"),
              "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    EXPECT_FALSE(Utf8ToCp1250("\xC5\x82\xC5").has_value());  // cut short
    EXPECT_FALSE(Utf8ToCp1250("\xE4\xB8\xAD").has_value());  // not in the code page
}

TEST(CongregationGenerator, WritesTheFilesAndRemovesLeftOutOnes) {
    test::TempFolder folder;
    Congregation g = Generate(Options());
    ASSERT_TRUE(WriteCongregation(g, folder.Str()));
    EXPECT_EQ(folder.Read("tdat9.bin"), g.publisherFile);
    EXPECT_EQ(folder.Read("remark9.dat"), g.remarkFile);
    g.remarkFile.clear();
    ASSERT_TRUE(WriteCongregation(g, folder.Str()));
    EXPECT_FALSE(folder.Exists("remark9.dat"));
    EXPECT_EQ(folder.Read("bkstudy.dat"), g.groupFile);
    EXPECT_EQ(folder.Read("xten7.dat"), g.detailsFile);
}

}  // namespace
}  // namespace vorlant::gen
