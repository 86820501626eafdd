#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/resource_ids.h"
#include "shell/bitmap_fit.h"
#include "shell/td_infoueber.h"
#include "shell/tst_bitmap.h"

using namespace pemlar;

namespace {

struct ControlCase {
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
    ::testing::Values(ControlCase{kAboutDialog, kEmblemPicture, {8, 9, 48, 48}, {72, 72}, true},
                      ControlCase{kAboutDialog, kNamePicture, {72, 13, 108, 23}, {100, 52}, false},
                      ControlCase{kSplashDialog, kEmblemPicture, {8, 9, 48, 48}, {72, 72}, true},
                      ControlCase{
                          kSplashDialog, kNamePicture, {72, 13, 108, 23}, {100, 52}, false}),
    [](const ::testing::TestParamInfo<ControlCase>& info) {
        return "Template" + std::to_string(info.param.templateId) + "Control" +
               std::to_string(info.param.controlId);
    });

}  // namespace
