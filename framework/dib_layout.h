#pragma once
// Device-independent bitmaps as the program's art stores them: .bmp files and the pictures
// of .ico files. Every back end takes its pictures through here, so they all show the same
// files and refuse the same ones: uncompressed, 1, 4, 8, 24 or 32 bits a pixel, at most
// 8192 pixels a side, every part within the file and every colour index within the table.
// Nothing is copied; the layout points into the file's bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pemlar::fw {

struct DibLayout {
    static constexpr int kLargestSide = 8192;

    int width = 0;
    int height = 0;  // rows, whatever their order
    int bitsPerPixel = 0;
    bool topDown = false;  // a .bmp file with a negative height: the top row comes first
    // The 40-byte info header as in the file (a later version's further fields left out).
    std::span<const std::uint8_t> header;
    // Blue, green, red and an unused byte per colour; the colours a pixel's index names.
    std::span<const std::uint8_t> colours;
    std::span<const std::uint8_t> pixels;  // `height` rows of `stride` bytes, as stored
    std::size_t stride = 0;
    // An icon's picture only: the transparency mask, one bit a pixel (set: transparent),
    // bottom row first.
    std::span<const std::uint8_t> mask;
    std::size_t maskStride = 0;

    std::size_t colourCount() const { return colours.size() / 4; }
    // Row `y` counted from the top.
    std::span<const std::uint8_t> row(int y) const;
    // The colour index of a pixel of 1, 4 or 8 bits.
    unsigned colourIndex(int x, int y) const;
    bool transparent(int x, int y) const;
};

// The picture of a .bmp file; nothing when it is damaged or not of the kind above.
std::optional<DibLayout> bmpLayout(std::span<const std::uint8_t> file);

// Every picture of an .ico file in file order; empty when the file is damaged or any of
// its pictures is not of the kind above (a PNG picture, say).
std::vector<DibLayout> icoLayouts(std::span<const std::uint8_t> file);

}  // namespace pemlar::fw
