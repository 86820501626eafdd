#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/resource_ids.h"
#include "shell/bitmap_fit.h"
#include "shell/td_infoueber.h"
#include "shell/tst_bitmap.h"
#include "tests/support/case_name.h"

using namespace pemlar;

namespace {

using pemlar::test::PrintTo;

struct ControlCase {
    const char* name;
    int templateId;
    int controlId;
    fw::Rect units;
    fw::Size bitmap;
    bool keepsAspect;
};

// The pictures of the about box and the splash: where they sit and where their bitmap
// goes. (That the back end paints the bitmap there, unsmoothed, is its own test.)
class PictureControl : public ::testing::TestWithParam<ControlCase> {};

TEST_P(PictureControl, TakesThePlaceOfItsStaticAndFitsItsBitmap) {
    const ControlCase c = GetParam();
    TD_InfoUeber box(nullptr, c.templateId, kNameBitmap, kVersionString, false);
    auto* control = box.control<TST_Bitmap>(c.controlId);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->rect(), box.mapDialogRect(c.units));
    EXPECT_EQ(control->keepsAspect(), c.keepsAspect);
    EXPECT_EQ(control->bitmapSize(), c.bitmap);

    const fw::Size size = control->rect().size();
    const fw::Rect target = control->target();
    EXPECT_EQ(target, bitmapTarget(c.bitmap, size, c.keepsAspect));
    if (c.keepsAspect) {
        // The square emblem stays square, as large as the control allows.
        EXPECT_EQ(target.width, target.height);
        EXPECT_EQ(target.width, std::min(size.width, size.height));
    } else {
        EXPECT_EQ(target, (fw::Rect{0, 0, size.width, size.height}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    AboutAndSplash, PictureControl,
    ::testing::Values(
        ControlCase{"AboutEmblem", kAboutDialog, kEmblemPicture, {8, 9, 48, 48}, {72, 72}, true},
        ControlCase{"AboutName", kAboutDialog, kNamePicture, {72, 13, 108, 23}, {100, 52}, false},
        ControlCase{"SplashEmblem", kSplashDialog, kEmblemPicture, {8, 9, 48, 48}, {72, 72}, true},
        ControlCase{
            "SplashName", kSplashDialog, kNamePicture, {72, 13, 108, 23}, {100, 52}, false}),
    pemlar::test::caseName);

}  // namespace
