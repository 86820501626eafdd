#include "framework/qt/dib_image.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <vector>

#include "resources/art.h"
#include "tests/framework/bmp_file.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const QByteArray& data) {
    return Bytes(data.begin(), data.end());
}

// What Qt's own readers make of the same file.
std::vector<QImage> qtPictures(const Bytes& file) {
    QByteArray data(reinterpret_cast<const char*>(file.data()),
                    static_cast<qsizetype>(file.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    std::vector<QImage> pictures;
    do {
        QImage image = reader.read();
        if (!image.isNull()) {
            pictures.push_back(image);
        }
    } while (reader.jumpToNextImage());
    return pictures;
}

// Same pixels; a pixel transparent in one is transparent in the other, whatever its colour.
void expectSamePicture(const QImage& ours, const QImage& theirs) {
    ASSERT_EQ(ours.size(), theirs.size());
    EXPECT_EQ(ours.colorCount(), theirs.colorCount());
    const QImage a = ours.convertToFormat(QImage::Format_ARGB32);
    const QImage b = theirs.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            ASSERT_EQ(qAlpha(q) == 0 ? qAlpha(p) : p, qAlpha(q) == 0 ? 0u : q) << x << "," << y;
        }
    }
}

Bytes fileOf(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytesOf(data);
}

TEST(DibImage, DecodesAsQtDoes) {
    std::vector<Bytes> bitmaps;
    std::vector<Bytes> icons;
    for (const ArtEntry& entry : artEntries()) {
        (entry.kind == ArtKind::Icon ? icons : bitmaps)
            .emplace_back(entry.bytes.begin(), entry.bytes.end());
    }
    // 1, 8 and 24 bits a pixel, as Qt writes them.
    QImage mono(13, 5, QImage::Format_Mono);
    mono.fill(0);
    mono.setPixel(3, 1, 1);
    QImage indexed(7, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(200, 100, 50), qRgb(9, 9, 9)});
    indexed.fill(2);
    indexed.setPixel(6, 0, 1);
    QImage rgb(5, 4, QImage::Format_RGB32);
    rgb.fill(qRgb(10, 20, 30));
    rgb.setPixel(4, 3, qRgb(250, 0, 7));
    for (const QImage& image : {mono, indexed, rgb}) {
        bitmaps.push_back(fileOf(image, "BMP"));
    }
    // 32 bits with something in the fourth byte, which is no alpha in a .bmp file.
    bitmaps.push_back(bmpFile(2, 1, 32, {}, {1, 2, 3, 0x80, 4, 5, 6, 0}));
    // An icon of 32 bits a pixel: alpha, and the mask Qt writes besides.
    QImage translucent(3, 2, QImage::Format_ARGB32);
    translucent.fill(qRgba(10, 20, 30, 128));
    translucent.setPixel(0, 0, qRgba(0, 0, 0, 0));
    ASSERT_GE(icons.size(), 1u);
    icons.push_back(fileOf(translucent, "ICO"));
    for (const Bytes& file : bitmaps) {
        const std::vector<QImage> theirs = qtPictures(file);
        ASSERT_EQ(theirs.size(), 1u);
        expectSamePicture(decodeBmpFile(file), theirs[0]);
    }
    for (const Bytes& file : icons) {
        const std::vector<QImage> theirs = qtPictures(file);
        const std::vector<QImage> ours = decodeIcoFile(file);
        ASSERT_EQ(ours.size(), theirs.size());
        for (std::size_t i = 0; i < ours.size(); ++i) {
            expectSamePicture(ours[i], theirs[i]);
        }
    }
}

}  // namespace
