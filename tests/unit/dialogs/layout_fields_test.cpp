#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "dialogs/layout_fields.h"
#include "dialogs/length_value.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

TEST(NormalizeLengthTest, AcceptedTextsTakeTheCanonicalFormRejectedOnesStayAsTyped) {
    const std::pair<const char*, const char*> cases[] = {  // no canonical form: rejected
        {"", "0.00"}, {"\t\r\n ", "0.00"}, {" 2.5 ", "2.50"}, {"7", "7.00"}, {".25", "0.25"}, {".", "0.00"},
        {"5.", "5.00"}, {"12", "1.00"}, {"125", "1.25"}, {"1234", "1.23"}, {"1.5", "1.50"}, {"1.234", "1.234"},
        {"1.2345678901", "1.2345678901"}, {"10.5", nullptr}, {"10.", nullptr}, {"1.2.3", nullptr}, {"..", nullptr},
        {"1,5", nullptr}, {"-1", nullptr}, {"+1", nullptr}, {"x.50", nullptr}, {"1 2", nullptr}, {"\xd9\xa1", nullptr},
    };
    for (const auto& [typed, canonical] : cases) {
        std::string text = typed;
        EXPECT_EQ(NormalizeLength(text), canonical != nullptr) << '"' << typed << '"';
        EXPECT_EQ(text, canonical != nullptr ? canonical : typed);
    }
}

// What OK stores over `layout` after the texts typed into the edits (by id), or the edit it rejects.
std::pair<CardLayout, std::optional<int>> AfterOk(CardLayout layout, const std::map<int, std::string>& typed) {
    LayoutFieldTexts texts = FieldTextsOf(layout);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (const auto it = typed.find(LayoutFields()[i].editId); it != typed.end()) texts[i] = it->second;
    }
    const auto index = NormalizeShownFields(texts);
    if (index) return {layout, LayoutFields()[*index].editId};
    StoreFieldTexts(texts, layout);
    return {layout, std::nullopt};
}

TEST(LayoutFieldsTest, OkStoresNormalisedTextsOfSevenCharactersAtMost) {
    // A hidden slot keeps what the file gave it; columns 4 and 5 (1072, 1073) are hidden, not checked.
    CardLayout before;
    before.LoadDefaults(0, test::RcStringSource{});
    before.SetSlot(card_layout::HeaderX(3), "junk!");
    EXPECT_EQ(AfterOk(before, {}), std::pair(before, std::optional<int>()));
    const CardLayout layout = AfterOk(before, {{1068, "3"}, {1069, "1.2345678901"}, {1072, "x"}, {1074, "4"}}).first;
    EXPECT_EQ(layout.ColumnX(0), "3.00");
    EXPECT_EQ(layout.ColumnX(1), "1.23456");
    EXPECT_EQ(layout.ColumnX(4), "x");
    EXPECT_EQ(layout.ColumnX(6), "4.00");
    EXPECT_EQ(layout.Slot(card_layout::HeaderX(3)), "junk!");
    EXPECT_EQ(AfterOk(before, {{1066, "2"}, {1069, "3,5"}, {1071, "abc"}}).second, 1069);
}

}  // namespace
}  // namespace vorlant
