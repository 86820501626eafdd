#include <gtest/gtest.h>

#include <vector>

#include "data/eeprom_image.h"

using namespace pemlar;

namespace {

ImageSources fixedSources(std::uint8_t filler = 0x11) {
    return ImageSources{[] { return 0x12345678u; }, [filler] { return filler; }};
}

EepromImage defaultImage() {
    EepromImage image{};
    setDefaults(image, fixedSources());
    return image;
}

std::uint16_t storedWord(const EepromImage& image, int pageNumber, int offset) {
    ConstPage p = pageOf(image, pageNumber);
    return static_cast<std::uint16_t>(p[offset] | p[offset + 1] << 8);
}

TEST(ByteSum, EdgeCases) {
    const std::vector<std::uint8_t> ff(260, 0xFF);
    struct Case {
        std::int32_t count;
        std::uint32_t sum;
    } cases[] = {{0, 0}, {-1, 0}, {-1000, 0}, {1, 255}, {256, 65280}, {260, 66300}};
    for (const Case& c : cases) {
        EXPECT_EQ(byteSum(ff.data(), c.count), c.sum) << c.count;
    }
    EXPECT_EQ(static_cast<std::uint16_t>(byteSum(ff.data(), 260)), 764);
}

TEST(MaskedByteSum, EdgeCases) {
    const std::uint8_t s = 0x53, zero = 0x00, ff = 0xFF;
    EXPECT_EQ(maskedByteSum(&s, 1), 0u);
    EXPECT_EQ(maskedByteSum(&zero, 1), 83u);
    EXPECT_EQ(maskedByteSum(&ff, 1), 0xACu);
    EXPECT_EQ(maskedByteSum(&ff, 0), 0u);
    EXPECT_EQ(maskedByteSum(&ff, -5), 0u);
}

TEST(Defaults, DeviceOrderGoldenValues) {
    EepromImage image = defaultImage();
    swapByteOrder(image);
    struct Case {
        int page, offset;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {0, 0x00, {0x00, 0x78, 0xD9, 0x80}},  // 7920000
        {0, 0x04, {0x00, 0x0A, 0xFC, 0x80}},  // 720000
        {0, 0x11, {0x04, 0xB0, 0x02, 0x58, 0x01, 0x2C}},
        {0, 0x18, {0x03, 0xE8, 1, 210, 1, 127, '?'}},
        {0, 0xAD, {0, 1, 2, 8, 'g', 'm', 'd', 'e', 0, 0, 1, 0x11}},
        {2, 0x00, {0x4F, 0xB0, 0x03, 0xE8, 0x03, 0xE8, 236, 236, 0x04, 0x1A}},
        {2, 0x38 + 16 * 5 + 10, {0x03, 0xE8}},
        {2, 0xB8, {0x02, 0x9B, 0x03, 0xE8, 0x03, 0xE8, 0x11}},
        {7, 0x00, {'T', 'Q', '1', '-', '0', '0', '0', '1', 0, 0x12, 0x34, 0x56, 0x78, 0, 49}},
        {7, 0x1C, {0, 40, 0, 20}},
    };
    for (const Case& c : cases) {
        ConstPage p = pageOf(image, c.page);
        EXPECT_EQ(
            std::vector<std::uint8_t>(p.begin() + c.offset, p.begin() + c.offset + c.bytes.size()),
            c.bytes)
            << "page " << c.page << " offset " << c.offset;
    }
}

TEST(Defaults, ChecksumsOfPages0127Verify) {
    EepromImage image = defaultImage();
    for (int pageNumber : {0, 1, 2}) {
        EXPECT_EQ(storedWord(image, pageNumber, 0xFE),
                  static_cast<std::uint16_t>(byteSum(pageOf(image, pageNumber).data(), 0xFE)));
    }
    const std::uint8_t* p7 = pageOf(image, 7).data();
    EXPECT_EQ(storedWord(image, 7, 0x4A), static_cast<std::uint16_t>(maskedByteSum(p7, 0x4A)));
    EXPECT_EQ(storedWord(image, 7, 0xFE), static_cast<std::uint16_t>(maskedByteSum(p7, 0xFE)));
    EepromImage again = image;
    updateChecksums(again);
    EXPECT_EQ(again, image);
}

TEST(Defaults, DeterministicAndLeavesUnnamedBytesAlone) {
    constexpr std::uint8_t kMarker = 0xEE;
    EepromImage image;
    image.fill(kMarker);
    setDefaults(image, fixedSources());
    EepromImage second;
    second.fill(kMarker);
    setDefaults(second, fixedSources());
    EXPECT_EQ(image, second);

    struct Range {
        int page, first, last;
    } untouched[] = {
        {0, 0x24, 0x25}, {0, 0x50, 0x5E}, {0, 0x60, 0x6E}, {0, 0x70, 0x7E}, {0, 0x99, 0x9C},
        {0, 0xA5, 0xAC}, {1, 1, 24},      {1, 26, 49},     {1, 51, 74},     {1, 76, 99},
        {1, 101, 149},   {2, 0x14, 0x17}, {2, 0x24, 0x27}, {2, 0x34, 0x37}, {3, 1, 255},
        {4, 0, 255},     {5, 0, 255},     {6, 0, 255},     {7, 0x0F, 0x10}, {7, 0x19, 0x1B},
        {7, 0x26, 0x2B},
    };
    std::array<bool, kImageSize> expectMarker{};
    for (const Range& r : untouched) {
        for (int i = r.first; i <= r.last; ++i) {
            expectMarker[kPageSize * r.page + i] = true;
        }
    }
    for (int row = 0; row < 8; ++row) {  // matrix: only rows and columns 0-5 are set
        for (int col = 0; col < 8; ++col) {
            if (row > 5 || col > 5) {
                expectMarker[kPageSize * 2 + 0x38 + 16 * row + 2 * col] = true;
                expectMarker[kPageSize * 2 + 0x38 + 16 * row + 2 * col + 1] = true;
            }
        }
    }
    for (int i = 0; i < kImageSize; ++i) {
        EXPECT_EQ(image[i] == kMarker, expectMarker[i]) << "image offset " << i;
    }
}

TEST(SwapByteOrder, TwiceIsIdentityAndTouchesOnlyListedFields) {
    EepromImage image;
    for (int i = 0; i < kImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    }
    const EepromImage original = image;
    swapByteOrder(image);
    int moved = 0;
    for (int i = 0; i < kImageSize; ++i) {
        moved += image[i] != original[i];
    }
    // 4x32 + 11x16 bits on page 0, 1 word on page 1, 95 on page 2, 1x32 + 11x16 on page 7.
    EXPECT_EQ(moved, 38 + 2 + 190 + 26);
    EXPECT_EQ(pageOf(image, 0)[0x9D], original[0x9D]);  // not a swapped field
    swapByteOrder(image);
    EXPECT_EQ(image, original);
}

TEST(Page7Checksums, CoverageOfEachChecksum) {
    struct Case {
        int offset;
        bool changesA;
    } cases[] = {{0x00, true},  {0x20, true},  {0x49, true},
                 {0x4C, false}, {0x80, false}, {0xFD, false}};
    for (const Case& c : cases) {
        EepromImage image = defaultImage();
        const std::uint16_t a = storedWord(image, 7, 0x4A), b = storedWord(image, 7, 0xFE);
        pageOf(image, 7)[c.offset] ^= 0x01;
        updateChecksums(image);
        EXPECT_EQ(storedWord(image, 7, 0x4A) != a, c.changesA) << c.offset;
        if (!c.changesA) {
            EXPECT_NE(storedWord(image, 7, 0xFE), b) << c.offset;
        }
        // Checksum B is taken over the new checksum A.
        EXPECT_EQ(storedWord(image, 7, 0xFE),
                  static_cast<std::uint16_t>(maskedByteSum(pageOf(image, 7).data(), 0xFE)));
    }
}

}  // namespace
