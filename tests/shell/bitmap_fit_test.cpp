#include <gtest/gtest.h>

#include "shell/bitmap_fit.h"

using namespace pemlar;

namespace {

struct FitCase {
    const char* what;
    fw::Size picture;
    fw::Size control;
    bool keepsAspect;
    fw::Rect expected;
};

const FitCase kCases[] = {
    {"square into a taller control: the width limits", {72, 72}, {72, 78}, true, {0, 0, 72, 72}},
    {"square into a wider control: the height limits", {72, 72}, {80, 72}, true, {0, 0, 72, 72}},
    {"square grows to the narrower side", {72, 72}, {96, 104}, true, {0, 0, 96, 96}},
    {"square shrinks to the narrower side", {72, 72}, {48, 60}, true, {0, 0, 48, 48}},
    {"wide picture in a tall control", {100, 52}, {50, 200}, true, {0, 0, 50, 26}},
    {"wide picture in a wider control", {100, 52}, {200, 52}, true, {0, 0, 100, 52}},
    {"equal proportions: the height decides", {100, 50}, {60, 30}, true, {0, 0, 60, 30}},
    // 52 * (30 / 52.0) is 29.999999999999996 in double arithmetic
    {"products are truncated, not rounded", {100, 52}, {75, 30}, true, {0, 0, 57, 29}},
    {"one third", {3, 3}, {10, 20}, true, {0, 0, 10, 10}},
    {"stretched over the whole control", {100, 52}, {162, 37}, false, {0, 0, 162, 37}},
    {"stretched, smaller than the picture", {100, 52}, {20, 90}, false, {0, 0, 20, 90}},
    {"no room: empty control", {72, 72}, {0, 48}, true, {}},
    {"no room: zero height", {72, 72}, {48, 0}, true, {}},
    {"nothing to draw: empty picture", {0, 0}, {48, 48}, false, {}},
};

TEST(BitmapTarget, Table) {
    for (const FitCase& c : kCases) {
        EXPECT_EQ(bitmapTarget(c.picture, c.control, c.keepsAspect), c.expected) << c.what;
    }
}

TEST(BitmapTarget, KeptProportionsAlwaysFitAtTheTopLeft) {
    for (int w = 1; w <= 40; ++w) {
        for (int h = 1; h <= 40; ++h) {
            const fw::Rect target = bitmapTarget({100, 52}, {w, h}, true);
            ASSERT_EQ(target.origin(), (fw::Point{0, 0}));
            ASSERT_LE(target.width, w);
            ASSERT_LE(target.height, h);
            // One side fills the control, up to the pixel lost by truncation.
            ASSERT_TRUE(target.width >= w - 1 || target.height >= h - 1) << w << "x" << h;
        }
    }
}

}  // namespace
