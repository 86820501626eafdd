#include "framework/dialog_units.h"

#include <gtest/gtest.h>

using namespace pemlar::fw;

namespace {

TEST(DialogUnits, MappingRoundsEachEdge) {
    const DialogBaseUnits base{7, 13};
    // 10*7/4 = 17.5 -> 18; 3*13/8 = 4.875 -> 5; 5*7/4 = 8.75 -> 9; 4*13/8 = 6.5 -> 7
    EXPECT_EQ(mapDialogRect({10, 3, 5, 4}, base), (Rect{18, 5, 9, 7}));
    EXPECT_EQ(mapDialogRect({0, 0, 0, 0}, base), (Rect{0, 0, 0, 0}));
    // Half away from zero on the negative side too: -10*7/4 = -17.5 -> -18.
    EXPECT_EQ(mapDialogRect({-10, -4, 1, 1}, base), (Rect{-18, -7, 2, 2}));
}

TEST(DialogUnits, AverageWidthOfTheLettersRoundsHalfUp) {
    const struct {
        int advance;
        int width;
    } rows[] = {
        {364, 7},  // 7.0
        {389, 7},  // 7.48
        {390, 8},  // 7.5
        {416, 8},  // 8.0
    };
    for (const auto& row : rows) {
        EXPECT_EQ(baseUnitsOf(row.advance, 15), (DialogBaseUnits{row.width, 15})) << row.advance;
    }
    EXPECT_EQ(kBaseUnitLetters.size(), 52U);
}

TEST(DialogUnits, OnlyCourierFacesStandInAsFixedPitch) {
    EXPECT_TRUE(isFixedPitchFace("Courier New"));
    EXPECT_TRUE(isFixedPitchFace("courier"));
    EXPECT_FALSE(isFixedPitchFace("MS Sans Serif"));
    EXPECT_FALSE(isFixedPitchFace("Courie"));
    EXPECT_FALSE(isFixedPitchFace(""));
}

}  // namespace
