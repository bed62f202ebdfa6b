// The list's keyboard search: the entry each typed character selects and the prefix it leaves, and the search itself.
#include "mainwin/type_ahead.h"

#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vorlant {
namespace {

// A list of entries searched as the list box is: the first entry with the prefix, case ignored; a miss keeps the
// selection.
struct FakeList {
    explicit FakeList(std::vector<std::string> entries) : entries(std::move(entries)) {}
    const TypeAheadPrefix::SelectFirst select = [this](const char* prefix) {
        searched = prefix;
        const auto found = std::ranges::find_if(
            entries, [&](const std::string& e) { return strncasecmp(e.c_str(), prefix, searched.size()) == 0; });
        if (found != entries.end()) selection = static_cast<int>(found - entries.begin());
        return found != entries.end();
    };
    std::vector<std::string> entries;
    int selection = -1;
    std::string searched;
};

constexpr std::uint32_t kPause = 1000;

TEST(TypeAheadTest, SelectsByTheGrowingPrefixAndRestartsWithTheLetterAlone) {
    FakeList list({"Kowalski, Jan", "Kowalczyk, Ewa", "Nowak, Anna", "nowacki, Piotr", std::string(40, 'a')});
    TypeAheadPrefix prefix;
    std::uint32_t now = 5000;  // a keystroke every tenth of a second
    // Only letters search: not digits, blanks or '-'; 'ł' (0xB3) does, though nothing begins with it.
    struct Keystroke { char typed; bool letter; int selection; const char* prefix; };  // the last two: afterwards
    for (const Keystroke& k : {Keystroke{'z', true, -1, ""}, {'k', true, 0, "k"}, {'o', true, 0, "ko"},
                               {'W', true, 0, "koW"}, {'5', false, 0, "koW"}, {'a', true, 0, "koWa"},
                               {'l', true, 0, "koWal"}, {'c', true, 1, "koWalc"}, {'n', true, 2, "n"},
                               {' ', false, 2, "n"}, {'o', true, 2, "no"}, {'w', true, 2, "now"},
                               {'a', true, 2, "nowa"}, {'c', true, 3, "nowac"}, {'-', false, 3, "nowac"},
                               {'\xB3', true, 3, ""}, {'k', true, 0, "k"}}) {
        EXPECT_EQ(prefix.Type(k.typed, k.letter, {now += 100, kPause}, list.select), k.letter) << k.typed;
        EXPECT_EQ(std::pair(list.selection, std::string(prefix.Letters())),
                  std::pair(k.selection, std::string(k.prefix))) << k.typed;
    }
    // A prefix of 31 letters is still searched for; the next letter starts afresh.
    for (int i = 0; i < 31; ++i) prefix.Type('a', true, {now += 100, kPause}, list.select);
    EXPECT_EQ(std::tuple(list.selection, list.searched, prefix.Letters()), std::tuple(4, std::string(31, 'a'), ""));
}

// "K" now and "a" later finds "Anna", not "Kaczmarek". The clock may wrap between the two; a time before the first
// counts as none passed; characters that are no letters do not count.
TEST(TypeAheadTest, ALetterAfterAPauseStartsANewPrefix) {
    const struct { const char* what; std::uint32_t first, second; bool nonLetterBetween; const char* prefix;
                   int selection; } cases[] = {
        {"at once", 10000, 10300, false, "Ka", 1},
        {"just within the pause", 10000, 11000, false, "Ka", 1},
        {"after the pause", 10000, 11001, false, "a", 2},
        {"minutes later", 10000, 190000, false, "a", 2},
        {"across the clock's wrap, at once", 0xFFFFFF00u, 0x80u, false, "Ka", 1},
        {"across the clock's wrap, after the pause", 0xFFFFFF00u, 0x500u, false, "a", 2},
        {"a digit in the pause does not hold the prefix", 10000, 11500, true, "a", 2},
        {"a clock read earlier than the last letter's", 10000, 9000, false, "Ka", 1},
        {"half the clock's range after: earlier", 10000, 10000 + 0x80000000u, false, "Ka", 1},
        {"just under half the clock's range after", 10000, 10000 + 0x7FFFFFFFu, false, "a", 2},
    };
    for (const auto& c : cases) {
        FakeList list({"Kowalski, Jan", "Kaczmarek, Ewa", "Anna Nowak"});
        TypeAheadPrefix prefix;
        prefix.Type('K', true, {c.first, kPause}, list.select);
        if (c.nonLetterBetween) prefix.Type('7', false, {c.first + 900, kPause}, list.select);
        prefix.Type('a', true, {c.second, kPause}, list.select);
        EXPECT_EQ(std::pair(std::string(prefix.Letters()), list.selection), std::pair(std::string(c.prefix), c.selection))
            << c.what;
    }
}

// Capitals of ASCII and of the Polish letters, standing in for the platform's.
void ToCapitals(std::u16string& text) {
    constexpr std::u16string_view small = u"ąćęłńóśźż", capital = u"ĄĆĘŁŃÓŚŹŻ";
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        if (const std::size_t at = small.find(c); at != std::u16string_view::npos) c = capital[at];
    }
}

TEST(FirstEntryWithPrefixTest, FindsTheFirstEntryFromTheTopWithBothSidesFolded) {
    const std::vector<std::u16string> entries{u"KÓŁKO, Jan", u"Kółko, Anna", u"Łąkowa, Ewa", u"Ko"};
    const EntryAt entryAt = [&](int index) -> std::optional<std::u16string> {
        if (index < 0 || index >= static_cast<int>(entries.size())) return std::nullopt;
        return entries[static_cast<std::size_t>(index)];
    };
    const struct { const char* what; std::u16string_view prefix; int found; } cases[] = {
        {"small letters typed find the entry in capitals above the other one", u"kół", 0},
        {"the entry's small letters count too", u"łą", 2},
        {"several begin so: the first from the top", u"k", 0},
        {"the first that continues so", u"ko", 3},
        {"longer than \"Ko\", which is passed over", u"kom", -1},
        {"no entry continues so", u"KÓŁKOO", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstEntryWithPrefix(c.prefix, entryAt, &ToCapitals), c.found) << c.what;
}

}  // namespace
}  // namespace vorlant
