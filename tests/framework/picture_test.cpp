#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <algorithm>
#include <string>

#include "framework/dialog.h"
#include "framework/qt/art_loader.h"
#include "resources/resource_ids.h"
#include "tests/framework/native.h"
#include "tests/support/case_name.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

using pemlar::test::PrintTo;

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
    if (icon.isNull()) {
        GTEST_SKIP() << "no icon art in this build";
    }
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

struct PictureCase {
    const char* name;
    int controlId;
    int artId;
    bool square;  // placed as the largest square at the top left, else over the whole control
};

// Paints the about box and looks at one picture in it.
class PictureControl : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureControl, PaintsItsBitmapIntoTheTargetWithoutSmoothing) {
    const PictureCase c = GetParam();
    fw::Dialog box(kAboutDialog);
    const fw::Rect place = box.requireControl(c.controlId).rect();
    auto& control = box.replaceControl<fw::Picture>(c.controlId, c.artId);
    EXPECT_EQ(control.rect(), place);
    EXPECT_EQ(box.control<fw::Picture>(c.controlId), &control);
    const QImage picture = loadBitmap(c.artId);
    EXPECT_EQ(control.bitmapSize(), (fw::Size{picture.width(), picture.height()}));
    if (c.square) {
        control.setPlacement([](fw::Size area, fw::Size) {
            const int side = std::min(area.width, area.height);
            return fw::Rect{0, 0, side, side};
        });
    }
    const fw::Rect t = control.target();
    const QRect target(t.x, t.y, t.width, t.height);

    const QImage shot = widgetOf(box)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area(place.x, place.y, place.width, place.height);
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

INSTANTIATE_TEST_SUITE_P(AboutBox, PictureControl,
                         ::testing::Values(PictureCase{"Emblem", kEmblemPicture, kEmblemBitmap,
                                                       true},
                                           PictureCase{"Name", kNamePicture, kNameBitmap, false}),
                         pemlar::test::caseName);

}  // namespace
