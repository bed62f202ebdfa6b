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
    // Only letters search: not digits, blanks or '-'; 'ł' (0xB3) does, though nothing begins with it.
    struct Keystroke { char typed; bool searched; int selection; const char* prefix; };  // the last two: afterwards
    for (const Keystroke& k : {Keystroke{'z', true, -1, ""}, {'k', true, 0, "k"}, {'o', true, 0, "ko"},
                               {'W', true, 0, "koW"}, {'5', false, 0, "koW"}, {'a', true, 0, "koWa"},
                               {'l', true, 0, "koWal"}, {'c', true, 1, "koWalc"}, {'n', true, 2, "n"},
                               {' ', false, 2, "n"}, {'o', true, 2, "no"}, {'w', true, 2, "now"},
                               {'a', true, 2, "nowa"}, {'c', true, 3, "nowac"}, {'-', false, 3, "nowac"},
                               {'\xB3', true, 3, ""}, {'k', true, 0, "k"}}) {
        EXPECT_EQ(prefix.Type(k.typed, select), k.searched) << k.typed;
        EXPECT_EQ(std::pair(selection, std::string(prefix.Letters())), std::pair(k.selection, std::string(k.prefix)))
            << k.typed;
    }
    // A prefix of 31 letters is still searched for; the next letter starts afresh.
    for (int i = 0; i < 31; ++i) prefix.Type('a', select);
    EXPECT_EQ(std::tuple(selection, searched, prefix.Letters()), std::tuple(4, std::string(31, 'a'), ""));
}

TEST(Cp1250LetterTest, PolishLettersAreLettersDigitsBlanksAndPunctuationAreNot) {
    const struct {
        const char* what;
        std::string_view bytes;
        bool letters;
    } cases[] = {
        {"ASCII letters", "AZaz", true},
        {"Polish capitals: Ą Ć Ę Ł Ń Ó Ś Ź Ż", "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF", true},
        {"Polish small letters: ą ć ę ł ń ó ś ź ż", "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF", true},
        {"other letters: Š ž Ř ß ţ, and the caron ˇ as the platform has it", "\x8A\x9E\xD8\xDF\xFE\xA1", true},
        {"digits", "0123456789", false},
        {"blanks: space, tab, no-break space", " \t\xA0", false},
        {"ASCII punctuation next to the letters", "@[`{-.,", false},
        {"quotes, dashes, ellipsis, bullet", "\x82\x84\x85\x91\x92\x93\x94\x95\x96\x97\x8B\x9B\xAB\xBB", false},
        {"signs: € † ‰ ™ § © ® ° ± × ÷", "\x80\x86\x89\x99\xA7\xA9\xAE\xB0\xB1\xD7\xF7", false},
        {"other lone accents: ˘ ˛ ´ ¸ ˝ ˙", "\xA2\xB2\xB4\xB8\xBD\xFF", false},
        {"no character: NUL, 0x81, 0x83, 0x98", std::string_view("\0\x81\x83\x98", 4), false},
    };
    for (const auto& c : cases) {
        for (const char b : c.bytes) {
            EXPECT_EQ(IsCp1250Letter(b), c.letters) << c.what << ": 0x" << std::hex << (b & 0xFF);
        }
    }
}

}  // namespace
}  // namespace vorlant
