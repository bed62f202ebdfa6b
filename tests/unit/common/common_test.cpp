#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/file.h"
#include "common/text.h"

namespace vorlant {
namespace {

TEST(Trim, RemovesWhiteSpaceAtBothEndsNeverReadingPastTheBuffer) {
    for (const auto& [in, out] : {std::pair{"", ""}, {"   ", ""}, {" a b ", "a b"}, {"\t\r\nx\v\f", "x"}}) {
        EXPECT_EQ(Trim(in), out) << '"' << in << '"';
    }
    char buffer[6] = {' ', 'a', 'b', ' ', ' ', 'z'};  // no terminator
    TrimInPlace(buffer, sizeof(buffer));
    EXPECT_STREQ(buffer, "ab");
}

// The name a message shows for the INI file beside the executable.
TEST(FileNameOf, IsWhatFollowsTheLastSeparatorOfEitherKind) {
    for (const auto& [path, name] : {std::pair{"C:\\Program Files\\Vorlant\\Vorlant.INI", "Vorlant.INI"},
                                     {"\\\\server\\share/dir\\x.ini", "x.ini"}, {"/tmp/a\\b/c.INI", "c.INI"},
                                     {"cplot.dat", "cplot.dat"}, {"dir\\", ""}, {"", ""}}) {
        EXPECT_EQ(FileNameOf(path), name) << path;
    }
}

}  // namespace
}  // namespace vorlant
