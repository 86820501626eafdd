#include "data/eeprom_image.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <random>

#include "data/host_order.h"

namespace pemlar {

namespace {

constexpr int kChecksumOffset = 0xFE;
constexpr int kPage7ChecksumAOffset = 0x4A;
constexpr std::uint8_t kChecksumMask = 0x53;

void storeByteSum(Page p) {
    storeHost16(p, kChecksumOffset, static_cast<std::uint16_t>(byteSum(p.data(), kChecksumOffset)));
}

}  // namespace

Page pageOf(EepromImage& image, int number) {
    number = std::clamp(number, 0, kPageCount - 1);
    return Page(image.data() + kPageSize * number, kPageSize);
}

ConstPage pageOf(const EepromImage& image, int number) {
    number = std::clamp(number, 0, kPageCount - 1);
    return ConstPage(image.data() + kPageSize * number, kPageSize);
}

std::uint32_t byteSum(const std::uint8_t* bytes, std::int32_t count) {
    std::uint32_t sum = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        sum += bytes[i];
    }
    return sum;
}

std::uint32_t maskedByteSum(const std::uint8_t* bytes, std::int32_t count) {
    std::uint32_t sum = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        sum += static_cast<std::uint8_t>(bytes[i] ^ kChecksumMask);
    }
    return sum;
}

void updateChecksums(EepromImage& image) {
    storeByteSum(pageOf(image, 0));
    storeByteSum(pageOf(image, 1));
    storeByteSum(pageOf(image, 2));
    // Checksum B covers checksum A, so A must be current first.
    Page p7 = pageOf(image, 7);
    storeHost16(p7, kPage7ChecksumAOffset,
                static_cast<std::uint16_t>(maskedByteSum(p7.data(), kPage7ChecksumAOffset)));
    storeHost16(p7, kChecksumOffset,
                static_cast<std::uint16_t>(maskedByteSum(p7.data(), kChecksumOffset)));
}

ImageSources systemImageSources() {
    const auto seed = static_cast<std::uint32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ std::time(nullptr));
    auto generator = std::make_shared<std::minstd_rand>(seed);
    return ImageSources{
        .secondsSinceEpoch = [] { return static_cast<std::uint32_t>(std::time(nullptr)); },
        .fillerByte = [generator] { return static_cast<std::uint8_t>((*generator)() >> 8); },
    };
}

}  // namespace pemlar
