// The list's keyboard search: the entry each typed character selects and the prefix it leaves.
#include "mainwin/type_ahead.h"

#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vorlant {
namespace {

TEST(TypeAheadTest, SelectsByTheGrowingPrefixAndRestartsWithTheLetterAlone) {
    const std::vector<std::string> entries{"Kowalski, Jan", "Kowalczyk, Ewa", "Nowak, Anna", "nowacki, Piotr",
                                           std::string(40, 'a')};
    int selection = -1;
    std::string searched;
    // As the platform's list box searches: the first entry with the prefix, case ignored; a miss keeps the selection.
    const TypeAheadPrefix::SelectFirst select = [&](const char* prefix) {
        searched = prefix;
        const auto found = std::ranges::find_if(
            entries, [&](const std::string& e) { return strncasecmp(e.c_str(), prefix, searched.size()) == 0; });
        if (found != entries.end()) selection = static_cast<int>(found - entries.begin());
        return found != entries.end();
    };
    TypeAheadPrefix prefix;
    // Only letters search: not digits, blanks or 'ł' (0xB3), which the C locale does not count as one.
    struct Keystroke { char typed; int selection; const char* prefix; };  // the last two: afterwards
    for (const Keystroke& k : {Keystroke{'z', -1, ""}, {'k', 0, "k"}, {'o', 0, "ko"}, {'W', 0, "koW"},
                               {'5', 0, "koW"}, {'a', 0, "koWa"}, {'l', 0, "koWal"}, {'c', 1, "koWalc"},
                               {'n', 2, "n"}, {' ', 2, "n"}, {'o', 2, "no"}, {'w', 2, "now"}, {'a', 2, "nowa"},
                               {'c', 3, "nowac"}, {'\xB3', 3, "nowac"}, {'x', 3, ""}, {'k', 0, "k"}}) {
        EXPECT_EQ(prefix.Type(k.typed, select), k.typed >= 'A') << k.typed;
        EXPECT_EQ(std::pair(selection, std::string(prefix.Letters())), std::pair(k.selection, std::string(k.prefix)))
            << k.typed;
    }
    // A prefix of 31 letters is still searched for; the next letter starts afresh.
    for (int i = 0; i < 31; ++i) prefix.Type('a', select);
    EXPECT_EQ(std::tuple(selection, searched, prefix.Letters()), std::tuple(4, std::string(31, 'a'), ""));
}

}  // namespace
}  // namespace vorlant
