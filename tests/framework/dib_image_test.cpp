#include "framework/qt/dib_image.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <vector>

#include "resources/art.h"

using namespace pemlar;

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

Bytes bmpOf(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
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
        bitmaps.push_back(bmpOf(image));
    }
    ASSERT_GE(icons.size(), 1u);
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

// Cut short anywhere, or not the kind decoded here: nothing, and nothing read beyond the bytes.
TEST(DibImage, RefusesDamagedOrForeignFiles) {
    for (const ArtEntry& entry : artEntries()) {
        const Bytes whole(entry.bytes.begin(), entry.bytes.end());
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_TRUE(decodeBmpFile(cut).isNull()) << entry.id << " cut at " << size;
            EXPECT_TRUE(decodeIcoFile(cut).empty()) << entry.id << " cut at " << size;
        }
    }
    QImage small(4, 4, QImage::Format_Indexed8);
    small.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    small.fill(1);
    const Bytes good = bmpOf(small);
    ASSERT_FALSE(decodeBmpFile(good).isNull());
    struct Damage {
        std::size_t at;
        std::uint8_t value;
    };
    for (const Damage d : {Damage{30, 1},                    // run-length compressed
                           Damage{46, 1},                    // one colour: index 1 lies beyond
                           Damage{18, 0}, Damage{21, 0x80},  // no width, a negative one
                           Damage{28, 16}}) {                // 16 bits a pixel
        Bytes bad = good;
        bad[d.at] = d.value;
        EXPECT_TRUE(decodeBmpFile(bad).isNull()) << "byte " << d.at;
    }
}

}  // namespace
