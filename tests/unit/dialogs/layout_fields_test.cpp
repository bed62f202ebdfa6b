#include "dialogs/layout_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/rc_strings.h"

namespace vorlant {
namespace {

TEST(LayoutFieldsTest, EveryUsedSlotHasOneFieldAndOnlyTheMonthlyOnesShow) {
    std::set<int> ids;
    std::set<std::size_t> offsets;
    std::set<int> shown;
    for (const LayoutField& field : LayoutFields()) {
        ids.insert(field.editId);
        offsets.insert(field.offset);
        if (field.shown) shown.insert(field.editId);
    }
    EXPECT_EQ(ids.size(), 33u);
    EXPECT_EQ(offsets.size(), 33u);
    EXPECT_EQ(shown, (std::set<int>{1066, 1067, 1068, 1069, 1070, 1071, 1074}));
    // The edits of the template, by slot.
    for (const LayoutField& field : LayoutFields()) {
        const std::size_t o = field.offset;
        const int expected = o < 192 ? (o % 16 == 0 ? 1031 : 1043) + static_cast<int>(o / 16)
                                     : 1066 + static_cast<int>((o - 320) / 8);
        EXPECT_EQ(field.editId, expected) << "offset " << o;
    }
}

class LayoutFieldTextsTest : public ::testing::Test {
protected:
    LayoutFieldTextsTest() { layout.LoadDefaults(0, test::RcStringSource{}); }
    static std::size_t IndexOf(int editId) {
        for (std::size_t i = 0; i < kLayoutFieldCount; ++i) {
            if (LayoutFields()[i].editId == editId) return i;
        }
        return kLayoutFieldCount;
    }
    CardLayout layout;
};

TEST_F(LayoutFieldTextsTest, UntouchedFieldsGiveBackTheSameLayout) {
    layout.SetSlot(card_layout::HeaderX(3), "junk!");  // hidden: passes through as it is
    layout.SetSlot(card_layout::ColumnX(4), "x");
    const CardLayout before = layout;
    LayoutFieldTexts texts = FieldTextsOf(layout);
    EXPECT_EQ(NormalizeShownFields(texts), std::nullopt);
    StoreFieldTexts(texts, layout);
    EXPECT_EQ(layout, before);
}

TEST_F(LayoutFieldTextsTest, ShownFieldsAreNormalisedAndCutToSevenCharacters) {
    LayoutFieldTexts texts = FieldTextsOf(layout);
    texts[IndexOf(1068)] = "3";
    texts[IndexOf(1074)] = "1.2345678901";
    ASSERT_EQ(NormalizeShownFields(texts), std::nullopt);
    StoreFieldTexts(texts, layout);
    EXPECT_EQ(layout.ColumnX(0), "3.00");
    EXPECT_EQ(layout.ColumnX(6), "1.23456");
}

TEST_F(LayoutFieldTextsTest, TheFirstRejectedFieldIsNamed) {
    LayoutFieldTexts texts = FieldTextsOf(layout);
    texts[IndexOf(1066)] = "2";
    texts[IndexOf(1069)] = "3,5";
    texts[IndexOf(1071)] = "abc";
    EXPECT_EQ(NormalizeShownFields(texts), IndexOf(1069));
    EXPECT_EQ(texts[IndexOf(1066)], "2.00");
}

}  // namespace
}  // namespace vorlant
