#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "common/bytes.h"
#include "common/text.h"

namespace vorlant {
namespace {

TEST(Trim, RemovesWhiteSpaceAtBothEnds) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case& c : {Case{"", ""}, Case{"   ", ""}, Case{" a b ", "a b"}, Case{"\t\r\nx\v\f", "x"},
                          Case{"abc", "abc"}}) {
        EXPECT_EQ(Trim(c.in), c.out) << '"' << c.in << '"';
        std::string s = c.in;
        TrimInPlace(s);
        EXPECT_EQ(s, c.out);
        std::array<char, 16> buffer{};
        std::strcpy(buffer.data(), c.in);
        TrimInPlace(buffer.data(), buffer.size());
        EXPECT_STREQ(buffer.data(), c.out);
    }
}

TEST(Trim, InPlaceStaysInsideAnUnterminatedBuffer) {
    char buffer[6] = {' ', 'a', 'b', ' ', ' ', 'z'};   // no terminator
    TrimInPlace(buffer, sizeof(buffer));
    EXPECT_STREQ(buffer, "ab");
}

TEST(Bytes, FieldsOutsideTheSpanReadAsZeroAndAreNotWritten) {
    std::array<std::uint8_t, 4> bytes{0x34, 0x12, 0xFF, 'A'};
    EXPECT_EQ(ReadU16(bytes, 0), 0x1234);
    EXPECT_EQ(ReadU16(bytes, 3), 0);
    EXPECT_EQ(ReadI8(bytes, 2), -1);
    EXPECT_EQ(ReadU8(bytes, 4), 0);
    WriteU16(bytes, 3, 0xBEEF);
    EXPECT_EQ(bytes[3], 'A');
    EXPECT_EQ(TextField(bytes, 3, 5), "A");      // bounded by the span
    EXPECT_EQ(TextField(bytes, 2, 2), "\xFF");   // last byte of the field is its terminator
    EXPECT_EQ(TextField(bytes, 9, 3), "");
}

}  // namespace
}  // namespace vorlant
