#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <string>

#include "framework/qt/art_loader.h"
#include "framework/resource_ids.h"
#include "shell/bitmap_fit.h"
#include "shell/td_infoueber.h"
#include "shell/tst_bitmap.h"

using namespace pemlar;

namespace {

struct ArtCase {
    int id;
    QSize size;
};

TEST(Artwork, BitmapsAre16ColourPicturesOnLightGrey) {
    for (const ArtCase& art : {ArtCase{kEmblemBitmap, {72, 72}}, ArtCase{kNameBitmap, {100, 52}}}) {
        const QImage image = loadBitmap(art.id);
        ASSERT_FALSE(image.isNull()) << art.id;
        EXPECT_EQ(image.size(), art.size) << art.id;
        EXPECT_EQ(image.colorCount(), 16) << art.id;
        EXPECT_EQ(image.pixel(0, 0), qRgb(0xC0, 0xC0, 0xC0)) << art.id;
    }
}

TEST(Artwork, IconHasBothSizes) {
    const QIcon icon = loadIcon(kProgramIcon);
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

struct ControlCase {
    int templateId;
    int controlId;
    QRect units;
    int artId;
    bool keepsAspect;
};

// Paints the dialog and looks at one picture control in it.
class PictureControl : public ::testing::TestWithParam<ControlCase> {};

TEST_P(PictureControl, PaintsItsPictureScaledWithoutSmoothing) {
    const ControlCase c = GetParam();
    TD_InfoUeber box(nullptr, c.templateId, kNameBitmap, kVersionString, false);
    auto* control = box.control<TST_Bitmap>(c.controlId);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), box.mapDialogRect(c.units));
    EXPECT_EQ(control->keepsAspect(), c.keepsAspect);
    const QImage picture = loadBitmap(c.artId);
    EXPECT_EQ(control->picture().size(), picture.size());

    const QRect target = bitmapTarget(picture.size(), control->size(), c.keepsAspect);
    if (c.keepsAspect) {
        // The square emblem stays square, as large as the control allows.
        EXPECT_EQ(target.width(), target.height());
        EXPECT_EQ(target.width(), qMin(control->width(), control->height()));
    } else {
        EXPECT_EQ(target, control->rect());
    }

    const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = control->geometry();
    const QRgb background = shot.pixel(1, 1);
    QSet<QRgb> palette;
    for (QRgb colour : picture.colorTable()) {
        palette.insert(colour | 0xFF000000u);
    }
    ASSERT_FALSE(palette.contains(background | 0xFF000000u));
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QRgb seen = shot.pixel(area.x() + x, area.y() + y) | 0xFF000000u;
            if (target.contains(x, y)) {
                // Only the picture's own colours: nothing was blended.
                ASSERT_TRUE(palette.contains(seen)) << x << "," << y;
            } else {
                ASSERT_EQ(seen, background | 0xFF000000u) << "untouched at " << x << "," << y;
            }
        }
    }
    // The corners of the picture land in the corners of the target.
    const QRgb topLeft = picture.pixel(0, 0) | 0xFF000000u;
    const QRgb bottomRight = picture.pixel(picture.width() - 1, picture.height() - 1) | 0xFF000000u;
    EXPECT_EQ(shot.pixel(area.topLeft() + target.topLeft()) | 0xFF000000u, topLeft);
    EXPECT_EQ(shot.pixel(area.topLeft() + target.bottomRight()) | 0xFF000000u, bottomRight);
}

INSTANTIATE_TEST_SUITE_P(
    AboutAndSplash, PictureControl,
    ::testing::Values(
        ControlCase{kAboutDialog, kEmblemPicture, {8, 9, 48, 48}, kEmblemBitmap, true},
        ControlCase{kAboutDialog, kNamePicture, {72, 13, 108, 23}, kNameBitmap, false},
        ControlCase{kSplashDialog, kEmblemPicture, {8, 9, 48, 48}, kEmblemBitmap, true},
        ControlCase{kSplashDialog, kNamePicture, {72, 13, 108, 23}, kNameBitmap, false}),
    [](const ::testing::TestParamInfo<ControlCase>& info) {
        return "Template" + std::to_string(info.param.templateId) + "Control" +
               std::to_string(info.param.controlId);
    });

}  // namespace
