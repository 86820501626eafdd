#include "framework/mnemonics.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pemlar::fw;

namespace {

TEST(Mnemonics, TheCharacterAfterTheFirstSingleAmpersand) {
    const struct {
        std::u32string_view text;
        char32_t mnemonic;
    } rows[] = {
        {U"&Lesen", U'L'}, {U"Be&enden", U'e'}, {U"a&&b", 0}, {U"a&&&b", U'b'}, {U"&x &y", U'x'},
        {U"Ende&", 0},     {U"&Über", U'Ü'},    {U"", 0},     {U"ohne", 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(mnemonicOf(row.text), row.mnemonic);
    }
}

// Controls in template order with their mnemonics (0: none, or can't take the focus).
const std::vector<char32_t> kMnemonics = {U'L', U'B', 0, U'I', U'B', U'B', U'O'};

TEST(Mnemonics, TheOnlyMatchIsPressedSeveralTakeTheFocusInTurn) {
    const struct {
        std::optional<std::size_t> focused;
        char32_t typed;
        std::optional<std::size_t> control;
        bool press;
    } rows[] = {
        {0, U'I', 3, true},              // one match: pressed
        {3, U'I', 3, true},              // also when it has the focus
        {0, U'X', std::nullopt, false},  // nobody's mnemonic
        {0, 0, std::nullopt, false},
        {0, U'B', 1, false},  // several: the first after the focus, unpressed
        {1, U'B', 4, false},  // the focused one is passed
        {4, U'B', 5, false},
        {5, U'B', 1, false},  // wraps
        {6, U'B', 1, false},  // none after the focus: the first
        {std::nullopt, U'B', 1, false},
        {2, U'B', 4, false},  // focus on a control without a mnemonic
    };
    for (const auto& row : rows) {
        const std::optional<MnemonicHit> hit = findMnemonic(kMnemonics, row.focused, row.typed);
        ASSERT_EQ(hit.has_value(), row.control.has_value()) << row.focused.value_or(99);
        if (hit) {
            EXPECT_EQ(hit->control, *row.control) << row.focused.value_or(99);
            EXPECT_EQ(hit->press, row.press) << row.focused.value_or(99);
        }
    }
}

}  // namespace
