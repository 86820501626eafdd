#pragma once
// The instrument's EEPROM as the program models it: 2048 bytes, eight pages of 256
// bytes, page p at offset 256 * p. Multi-byte fields are little-endian ("host order")
// while the program works on them and big-endian ("device order") on the line.

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace pemlar {

inline constexpr int kPageSize = 256;
inline constexpr int kPageCount = 8;
inline constexpr int kImageSize = kPageSize * kPageCount;
inline constexpr int kAddressPage = 1;

using EepromImage = std::array<std::uint8_t, kImageSize>;
using Page = std::span<std::uint8_t, kPageSize>;
using ConstPage = std::span<const std::uint8_t, kPageSize>;
// One page held on its own, such as the address page exactly as it came over the line.
using RawPage = std::array<std::uint8_t, kPageSize>;

// Page `number` (0..7; other values are clamped to that range).
Page pageOf(EepromImage& image, int number);
ConstPage pageOf(const EepromImage& image, int number);

// Where setDefaults takes the page-7 time stamp and the filler bytes from. Tests
// inject fixed sources; the program uses systemImageSources() (calendar time and a
// pseudo-random generator). setDefaults asks for the time once and for one filler byte
// per filler position, pages in order.
struct ImageSources {
    std::function<std::uint32_t()> secondsSinceEpoch;
    std::function<std::uint8_t()> fillerByte;
};
ImageSources systemImageSources();

// Sum of `count` bytes taken as unsigned values, without truncation. A count of 0 or
// less gives 0. Stored 16-bit checksums are the low 16 bits.
std::uint32_t byteSum(const std::uint8_t* bytes, std::int32_t count);
// As byteSum, with every byte XORed with 0x53 first (page 7 only).
std::uint32_t maskedByteSum(const std::uint8_t* bytes, std::int32_t count);

// Default content of pages 0 to 7, checksums included. Bytes no default names are
// left as they were.
void setDefaults(EepromImage& image, const ImageSources& sources = systemImageSources());
// Recomputes the checksums of pages 0, 1, 2 and 7 in host order. On page 7 checksum A
// (0x4A) is computed first, because checksum B (0xFE) covers it.
void updateChecksums(EepromImage& image);
// Reverses every multi-byte field of every page; its own inverse.
void swapByteOrder(EepromImage& image);

}  // namespace pemlar
