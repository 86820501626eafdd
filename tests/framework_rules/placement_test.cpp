#include "framework/placement.h"

#include <gtest/gtest.h>

using namespace pemlar::fw;

namespace {

TEST(Placement, CentredOriginHalvesTowardZero) {
    const Rect screen{0, 0, 1024, 768};
    EXPECT_EQ(centredOrigin({400, 301}, screen), (Point{312, 233}));
    EXPECT_EQ(centredOrigin({1027, 770}, screen), (Point{-1, -1}));
    EXPECT_EQ(centredOrigin({100, 100}, {1024, 0, 800, 600}), (Point{1374, 250}));
}

}  // namespace
