// The list's keyboard search: which entry each typed character selects and
// what the prefix holds afterwards.
#include "mainwin/type_ahead.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace vorlant {
namespace {

// Searches the way the platform's list box does: from the top, by prefix,
// ignoring case; a failed search keeps the selection.
struct FakeList {
    explicit FakeList(std::vector<std::string> list) : entries(std::move(list)) {}

    std::vector<std::string> entries;
    int selection = -1;
    std::vector<std::string> searches;

    bool SelectFirst(const char* prefix) {
        searches.push_back(prefix);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (Lower(entries[i]).starts_with(Lower(prefix))) {
                selection = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }
    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
};

struct Keystroke {
    char typed;
    int selection;        // after the keystroke
    std::string prefix;   // after the keystroke
    bool searched = true;
};

struct Sequence {
    const char* name;
    std::vector<Keystroke> keystrokes;
};

class TypeAheadTest : public ::testing::TestWithParam<Sequence> {};

TEST_P(TypeAheadTest, SelectsByTheGrowingPrefix) {
    FakeList list({"Kowalski, Jan", "Kowalczyk, Ewa", "Nowak, Anna", "nowacki, Piotr"});
    TypeAheadPrefix prefix;
    for (const Keystroke& k : GetParam().keystrokes) {
        EXPECT_EQ(prefix.Type(k.typed, [&](const char* p) { return list.SelectFirst(p); }), k.searched) << k.typed;
        EXPECT_EQ(list.selection, k.selection) << k.typed;
        EXPECT_EQ(prefix.Letters(), k.prefix) << k.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TypeAheadTest,
    ::testing::Values(
        Sequence{"GrowsThenRestartsWithTheLetterAlone",
                 {{'k', 0, "k"}, {'o', 0, "ko"}, {'w', 0, "kow"}, {'a', 0, "kowa"}, {'l', 0, "kowal"},
                  {'c', 1, "kowalc"}, {'n', 2, "n"}, {'O', 2, "nO"}, {'w', 2, "nOw"}, {'a', 2, "nOwa"},
                  {'c', 3, "nOwac"}}},
        Sequence{"ALetterThatBeginsNothingKeepsTheSelectionAndEmptiesThePrefix",
                 {{'n', 2, "n"}, {'x', 2, ""}, {'k', 0, "k"}}},
        Sequence{"OtherCharactersSearchNothing",
                 {{'k', 0, "k"}, {'5', 0, "k", false}, {' ', 0, "k", false}, {'\xB3', 0, "k", false}, {'o', 0, "ko"}}},
        Sequence{"NothingSelectedUntilALetterMatches", {{'z', -1, ""}, {'1', -1, "", false}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypeAheadPrefixTest, SearchesWith31LettersThenStartsAfresh) {
    FakeList list({std::string(40, 'a')});
    TypeAheadPrefix prefix;
    const auto select = [&](const char* p) { return list.SelectFirst(p); };
    for (int i = 0; i < 31; ++i) prefix.Type('a', select);
    EXPECT_EQ(list.searches.back(), std::string(31, 'a'));
    EXPECT_EQ(prefix.Letters(), "");
    prefix.Type('a', select);
    EXPECT_EQ(list.searches.back(), "a");
}

}  // namespace
}  // namespace vorlant
