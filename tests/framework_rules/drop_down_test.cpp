#include "framework/drop_down.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pemlar::fw;

namespace {

TEST(DropDown, TheListHasWhatTheTemplateLeavesBelowTheBox) {
    EXPECT_EQ(dropDownLimit(90, 24), 66);
    EXPECT_EQ(dropDownLimit(20, 24), 0);
}

TEST(DropDown, ListShowsWholeRowsThatFit) {
    const struct {
        int rows;
        int limit;
        int height;
    } cases[] = {
        {2, 66, 2 + 2 * 16},   // fewer than fit: every row
        {12, 66, 2 + 4 * 16},  // (66 - 2) / 16 = 4 whole rows
        {12, 65, 2 + 3 * 16},  // a row cut short is left out
        {12, 10, 2 + 1 * 16},  // at least one, however small the template
        {12, 0, 2 + 12 * 16},  // no limit
    };
    for (const auto& c : cases) {
        const std::vector<int> rows(static_cast<std::size_t>(c.rows), 16);
        EXPECT_EQ(dropDownListHeight(2, rows, c.limit), c.height) << c.rows << " " << c.limit;
    }
    EXPECT_EQ(dropDownListHeight(2, {}, 66), 2);
}

TEST(DropDown, ListOpensBelowUnlessOnlyAboveHasRoom) {
    const Rect screen{0, 100, 800, 500};  // rows 100 to 599
    const struct {
        int boxY;
        int height;
        int listY;
    } cases[] = {
        {200, 64, 224},   // room below
        {540, 64, 476},   // none below: above
        {536, 40, 560},   // just fits below (560 + 40 = 600)
        {150, 40, 174},   // room both ways: below
        {130, 490, 154},  // room neither way: below
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dropDownPlace({50, c.boxY, 120, 24}, c.height, screen),
                  (Rect{50, c.listY, 120, c.height}))
            << c.boxY;
    }
    EXPECT_EQ(dropDownPlace({50, 500, 120, 24}, 64, std::nullopt), (Rect{50, 524, 120, 64}));
}

}  // namespace
