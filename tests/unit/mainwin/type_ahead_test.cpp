// The list's keyboard search: which entry each typed character selects and
// what the prefix holds afterwards.
#include "mainwin/type_ahead.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace vorlant {
namespace {

// A list of entries searched the way the platform's list box searches:
// from the top, by prefix, ignoring case; a failed search keeps the selection.
class FakeList {
public:
    explicit FakeList(std::vector<std::string> entries) : entries_(std::move(entries)) {}

    bool SelectFirst(const char* prefix) {
        searches.push_back(prefix);
        const std::string wanted = Lower(prefix);
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (Lower(entries_[i]).starts_with(wanted)) {
                selection = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }

    int selection = -1;
    std::vector<std::string> searches;

private:
    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
    std::vector<std::string> entries_;
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
    const auto select = [&](const char* text) { return list.SelectFirst(text); };
    for (const Keystroke& k : GetParam().keystrokes) {
        EXPECT_EQ(prefix.Type(k.typed, select), k.searched) << "'" << k.typed << "'";
        EXPECT_EQ(list.selection, k.selection) << "'" << k.typed << "'";
        EXPECT_EQ(prefix.Letters(), k.prefix) << "'" << k.typed << "'";
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
                 {{'k', 0, "k"}, {'5', 0, "k", false}, {' ', 0, "k", false}, {',', 0, "k", false},
                  {'\xB3', 0, "k", false}, {'o', 0, "ko"}}},
        Sequence{"NothingSelectedUntilALetterMatches", {{'z', -1, ""}, {'1', -1, "", false}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypeAheadPrefixTest, ClearingStartsANewSearch) {
    FakeList list({"Kowalski", "Nowak", "Kozak"});
    TypeAheadPrefix prefix;
    const auto select = [&](const char* text) { return list.SelectFirst(text); };
    prefix.Type('k', select);
    prefix.Type('o', select);
    prefix.Type('z', select);
    EXPECT_EQ(list.selection, 2);
    prefix.Clear();
    prefix.Type('k', select);
    EXPECT_EQ(list.selection, 0);
    EXPECT_EQ(prefix.Letters(), "k");
}

TEST(TypeAheadPrefixTest, SearchesWith31LettersThenStartsAfresh) {
    FakeList list({std::string(40, 'a')});
    TypeAheadPrefix prefix;
    const auto select = [&](const char* text) { return list.SelectFirst(text); };
    for (int i = 1; i <= 30; ++i) prefix.Type('a', select);
    EXPECT_EQ(prefix.Letters(), std::string(30, 'a'));
    prefix.Type('a', select);
    EXPECT_EQ(list.searches.back(), std::string(31, 'a'));
    EXPECT_EQ(prefix.Letters(), "");
    prefix.Type('a', select);
    EXPECT_EQ(list.searches.back(), "a");
    EXPECT_EQ(prefix.Letters(), "a");
}

}  // namespace
}  // namespace vorlant
