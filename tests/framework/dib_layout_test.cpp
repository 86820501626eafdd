#include "framework/dib_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "resources/art.h"
#include "tests/framework/bmp_file.h"

using namespace pemlar;
using pemlar::fw::bmpLayout;
using pemlar::fw::icoLayouts;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::size_t strideOf(int width, int bits) {
    return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

// A picture of index 1 (or black) everywhere, with two colours up to 8 bits a pixel.
Bytes plainBmp(int width, int height, int bits) {
    const std::vector<std::uint32_t> colours =
        bits <= 8 ? std::vector<std::uint32_t>{0x000000, 0xFFFFFF} : std::vector<std::uint32_t>{};
    Bytes rows(strideOf(width, bits) * static_cast<std::size_t>(height), 0);
    if (bits == 8) {
        std::fill(rows.begin(), rows.end(), 1);
    }
    return bmpFile(width, height, bits, colours, rows);
}

TEST(DibLayout, TakesEveryShippedPicture) {
    int pictures = 0;
    for (const ArtEntry& entry : artEntries()) {
        if (entry.kind == ArtKind::Bitmap) {
            EXPECT_TRUE(bmpLayout(entry.bytes).has_value()) << entry.id;
        } else {
            EXPECT_FALSE(icoLayouts(entry.bytes).empty()) << entry.id;
        }
        ++pictures;
    }
    EXPECT_GE(pictures, 3);
}

TEST(DibLayout, TakesEveryDepthAndSideUpToTheLimit) {
    struct Shape {
        int width;
        int height;
        int bits;
    };
    for (const Shape s : {Shape{3, 2, 1}, Shape{3, 2, 4}, Shape{3, 2, 8}, Shape{3, 2, 24},
                          Shape{3, 2, 32}, Shape{8192, 1, 1}, Shape{1, 8192, 1}}) {
        const Bytes file = plainBmp(s.width, s.height, s.bits);
        const auto dib = bmpLayout(file);
        ASSERT_TRUE(dib.has_value()) << s.width << "x" << s.height << "x" << s.bits;
        EXPECT_EQ(dib->width, s.width);
        EXPECT_EQ(dib->height, s.height);
        EXPECT_EQ(dib->stride, strideOf(s.width, s.bits));
        EXPECT_EQ(dib->pixels.size(), dib->stride * static_cast<std::size_t>(s.height));
        EXPECT_EQ(dib->colourCount(), s.bits <= 8 ? 2u : 0u);
        EXPECT_FALSE(dib->topDown);
    }
    for (const Shape s : {Shape{8193, 1, 1}, Shape{1, 8193, 1}}) {
        EXPECT_FALSE(bmpLayout(plainBmp(s.width, s.height, s.bits)).has_value())
            << s.width << "x" << s.height;
    }
}

TEST(DibLayout, RowsCountFromTheTopWhateverTheirOrder) {
    // Two rows of 4 bits: stored first 0x10 (index 1 at the left), then 0x01.
    for (const int height : {2, -2}) {
        const Bytes file = bmpFile(2, height, 4, {0, 0xFFFFFF}, {0x10, 0, 0, 0, 0x01, 0, 0, 0});
        const auto dib = bmpLayout(file);
        ASSERT_TRUE(dib.has_value()) << height;
        EXPECT_EQ(dib->topDown, height < 0);
        const int topLeft = height < 0 ? 1 : 0;
        EXPECT_EQ(dib->colourIndex(0, 0), static_cast<unsigned>(topLeft)) << height;
        EXPECT_EQ(dib->colourIndex(1, 0), static_cast<unsigned>(1 - topLeft)) << height;
        EXPECT_FALSE(dib->transparent(0, 0));
    }
}

// Cut short anywhere, or not the kind taken here: nothing, and nothing read beyond the bytes.
TEST(DibLayout, RefusesDamagedOrForeignFiles) {
    for (const ArtEntry& entry : artEntries()) {
        const Bytes whole(entry.bytes.begin(), entry.bytes.end());
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_FALSE(bmpLayout(cut).has_value()) << entry.id << " cut at " << size;
            EXPECT_TRUE(icoLayouts(cut).empty()) << entry.id << " cut at " << size;
        }
    }
    const Bytes good = plainBmp(4, 4, 8);
    ASSERT_TRUE(bmpLayout(good).has_value());
    struct Damage {
        std::size_t at;
        std::uint8_t value;
    };
    for (const Damage d : {Damage{30, 1},                    // run-length compressed
                           Damage{46, 1},                    // one colour: index 1 lies beyond
                           Damage{46, 3},                    // a third colour over the pixels
                           Damage{10, 20},                   // pixels inside the header
                           Damage{14, 0xFF},                 // a header longer than the file
                           Damage{18, 0}, Damage{21, 0x80},  // no width, a negative one
                           Damage{22, 5},                    // rows beyond the end
                           Damage{28, 16}}) {                // 16 bits a pixel
        Bytes bad = good;
        bad[d.at] = d.value;
        EXPECT_FALSE(bmpLayout(bad).has_value()) << "byte " << d.at;
    }
}

}  // namespace
