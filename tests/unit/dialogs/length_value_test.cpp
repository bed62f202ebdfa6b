#include "dialogs/length_value.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlant {
namespace {

TEST(NormalizeLengthTest, AcceptedTextsTakeTheCanonicalForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "0.00"},        {"   ", "0.00"},    {"\t\r\n", "0.00"},
        {" 2.5 ", "2.50"},   {"7", "7.00"},      {".25", "0.25"},
        {".", "0.00"},       {".5", "0.50"},     {"5.", "5.00"},
        {"12", "1.00"},      {"125", "1.25"},    {"987", "9.87"},
        {"1234", "1.23"},    {"0123", "0.12"},   {"1.5", "1.50"},
        {"1.25", "1.25"},    {"1.234", "1.234"}, {"9.99", "9.99"},
        {"0.", "0.00"},      {"\t3\n", "3.00"},  {"1.2345678901", "1.2345678901"},
    };
    for (const auto& [typed, canonical] : cases) {
        std::string text = typed;
        EXPECT_TRUE(NormalizeLength(text)) << '"' << typed << '"';
        EXPECT_EQ(text, canonical) << '"' << typed << '"';
    }
}

TEST(NormalizeLengthTest, RejectedTextsStayAsTyped) {
    for (const char* typed : {"10.5", "10.", "1.2.3", "..", "1,5", "-1", "+1", "1a", "x.50", "abc", "1 2",
                              " 9,99 ", "1e2", "\xd9\xa1"}) {
        std::string text = typed;
        EXPECT_FALSE(NormalizeLength(text)) << '"' << typed << '"';
        EXPECT_EQ(text, typed);
    }
}

TEST(CommitOrRestoreTest, KeepsTheLastAcceptedValue) {
    std::string value = "0.20";
    EXPECT_FALSE(CommitOrRestore(value, "abc"));
    EXPECT_EQ(value, "0.20");
    EXPECT_TRUE(CommitOrRestore(value, " 3.5"));
    EXPECT_EQ(value, "3.50");
    EXPECT_FALSE(CommitOrRestore(value, "1,5"));
    EXPECT_EQ(value, "3.50");
    EXPECT_TRUE(CommitOrRestore(value, ""));
    EXPECT_EQ(value, "0.00");
}

}  // namespace
}  // namespace vorlant
