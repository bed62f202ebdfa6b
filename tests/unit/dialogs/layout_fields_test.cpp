#include "dialogs/layout_fields.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>

#include "support/rc_strings.h"

namespace vorlant {
namespace {

TEST(LayoutFieldsTest, EachUsedSlotHasItsEditAndOnlyTheMonthlyOnesShow) {
    std::set<int> shown;
    std::set<std::size_t> offsets;
    for (const LayoutField& field : LayoutFields()) {
        const std::size_t o = field.offset;
        offsets.insert(o);
        const int edit = o < 192 ? (o % 16 == 0 ? 1031 : 1043) + static_cast<int>(o / 16)
                                 : 1066 + static_cast<int>((o - 320) / 8);
        EXPECT_EQ(field.editId, edit) << "offset " << o;
        if (field.shown) shown.insert(field.editId);
    }
    EXPECT_EQ(offsets.size(), 33u);
    EXPECT_EQ(shown, (std::set<int>{1066, 1067, 1068, 1069, 1070, 1071, 1074}));
}

// Texts typed into the edits (by id) over the version-0 layout; what OK
// stores, or the edit it rejects.
CardLayout AfterOk(const std::map<int, std::string>& typed, std::optional<int>& rejected) {
    CardLayout layout;
    layout.LoadDefaults(0, test::RcStringSource{});
    layout.SetSlot(card_layout::HeaderX(3), "junk!");   // hidden: passes through as it is
    LayoutFieldTexts texts = FieldTextsOf(layout);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (const auto it = typed.find(LayoutFields()[i].editId); it != typed.end()) texts[i] = it->second;
    }
    const auto index = NormalizeShownFields(texts);
    rejected = index ? std::optional<int>(LayoutFields()[*index].editId) : std::nullopt;
    if (!index) StoreFieldTexts(texts, layout);
    return layout;
}

TEST(LayoutFieldsTest, OkStoresNormalisedTextsOfSevenCharactersAtMost) {
    std::optional<int> rejected;
    CardLayout expected;
    expected.LoadDefaults(0, test::RcStringSource{});
    expected.SetSlot(card_layout::HeaderX(3), "junk!");
    EXPECT_EQ(AfterOk({}, rejected), expected);
    EXPECT_EQ(rejected, std::nullopt);

    const CardLayout layout = AfterOk({{1068, "3"}, {1074, "1.2345678901"}}, rejected);
    EXPECT_EQ(layout.ColumnX(0), "3.00");
    EXPECT_EQ(layout.ColumnX(6), "1.23456");
    EXPECT_EQ(layout.Slot(card_layout::HeaderX(3)), "junk!");

    AfterOk({{1066, "2"}, {1069, "3,5"}, {1071, "abc"}}, rejected);
    EXPECT_EQ(rejected, 1069);
}

}  // namespace
}  // namespace vorlant
