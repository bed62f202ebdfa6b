#include <gtest/gtest.h>

#include <string>
#include <utility>

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

}  // namespace
}  // namespace vorlant
