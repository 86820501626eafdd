#include "framework/dib_layout.h"

#include <algorithm>

namespace pemlar::fw {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t u16At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32At(std::span<const std::uint8_t> b, std::size_t at) {
    return u16At(b, at) | (u16At(b, at + 2) << 16);
}

std::int32_t i32At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(u32At(b, at));
}

std::size_t rowBytes(std::int64_t width, int bits) {
    return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

bool indicesWithinTable(const DibLayout& dib) {
    if (dib.bitsPerPixel > 8 || dib.colourCount() >= (1u << dib.bitsPerPixel)) {
        return true;
    }
    for (int y = 0; y < dib.height; ++y) {
        for (int x = 0; x < dib.width; ++x) {
            if (dib.colourIndex(x, y) >= dib.colourCount()) {
                return false;
            }
        }
    }
    return true;
}

// `dib` starts with the info header. The pixels lie at `pixelsAt` (a .bmp file names
// their place) or right after the colour table, where an icon's picture has them. An
// icon's picture is half the height its header says, the lower half being the mask.
// The sides are limited before anything is multiplied, so no size below overflows.
std::optional<DibLayout> layoutOf(std::span<const std::uint8_t> dib,
                                  std::optional<std::size_t> pixelsAt) {
    const bool icon = !pixelsAt.has_value();
    if (dib.size() < kInfoHeaderSize) {
        return std::nullopt;
    }
    const std::size_t headerSize = u32At(dib, 0);
    const std::int64_t width = i32At(dib, 4);
    std::int64_t rows = i32At(dib, 8);
    const int bits = static_cast<int>(u16At(dib, 14));
    const std::uint32_t compression = u32At(dib, 16);
    const std::uint32_t coloursUsed = u32At(dib, 32);
    const bool topDown = rows < 0 && !icon;
    if (topDown) {
        rows = -rows;
    }
    if (icon) {
        rows /= 2;
    }
    if (headerSize < kInfoHeaderSize || headerSize > dib.size() || compression != 0 || width <= 0 ||
        rows <= 0 || width > DibLayout::kLargestSide || rows > DibLayout::kLargestSide ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) {
        return std::nullopt;
    }
    // Deeper pictures may carry a table too (a palette for displays of 256 colours).
    const std::size_t largestTable = std::size_t{1} << std::min(bits, 8);
    const std::size_t colours =
        coloursUsed != 0 ? coloursUsed : (bits <= 8 ? largestTable : std::size_t{0});
    if (colours > largestTable || 4 * colours > dib.size() - headerSize) {
        return std::nullopt;
    }
    const std::size_t tableEnd = headerSize + 4 * colours;
    const std::size_t start = pixelsAt.value_or(tableEnd);
    const std::size_t stride = rowBytes(width, bits);
    const std::size_t maskStride = icon ? rowBytes(width, 1) : 0;
    const auto height = static_cast<std::size_t>(rows);
    if (start < tableEnd || start > dib.size() ||
        (stride + maskStride) * height > dib.size() - start) {
        return std::nullopt;
    }
    DibLayout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(rows);
    layout.bitsPerPixel = bits;
    layout.topDown = topDown;
    layout.header = dib.first(kInfoHeaderSize);
    layout.colours = dib.subspan(headerSize, 4 * colours);
    layout.pixels = dib.subspan(start, stride * height);
    layout.stride = stride;
    layout.mask = dib.subspan(start + stride * height, maskStride * height);
    layout.maskStride = maskStride;
    if (!indicesWithinTable(layout)) {
        return std::nullopt;
    }
    return layout;
}

}  // namespace

std::span<const std::uint8_t> DibLayout::row(int y) const {
    const auto stored = static_cast<std::size_t>(topDown ? y : height - 1 - y);
    return pixels.subspan(stored * stride, stride);
}

unsigned DibLayout::colourIndex(int x, int y) const {
    const int bit = x * bitsPerPixel;
    const unsigned all = (1u << bitsPerPixel) - 1;
    return (row(y)[static_cast<std::size_t>(bit / 8)] >> (8 - bitsPerPixel - bit % 8)) & all;
}

bool DibLayout::transparent(int x, int y) const {
    if (mask.empty()) {
        return false;
    }
    const auto stored = static_cast<std::size_t>(height - 1 - y);
    return ((mask[stored * maskStride + static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1) != 0;
}

std::optional<DibLayout> bmpLayout(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t pixelsAt = u32At(file, 10);
    if (pixelsAt < kFileHeaderSize) {
        return std::nullopt;
    }
    return layoutOf(file.subspan(kFileHeaderSize), pixelsAt - kFileHeaderSize);
}

std::vector<DibLayout> icoLayouts(std::span<const std::uint8_t> file) {
    constexpr std::size_t kDirectorySize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (file.size() < kDirectorySize || u16At(file, 0) != 0 || u16At(file, 2) != 1) {
        return {};
    }
    const std::size_t count = u16At(file, 4);
    if (count == 0 || kDirectorySize + count * kEntrySize > file.size()) {
        return {};
    }
    std::vector<DibLayout> pictures;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectorySize + i * kEntrySize;
        const std::size_t size = u32At(file, entry + 8);
        const std::size_t at = u32At(file, entry + 12);
        if (at > file.size() || size > file.size() - at) {
            return {};
        }
        std::optional<DibLayout> picture = layoutOf(file.subspan(at, size), std::nullopt);
        if (!picture) {
            return {};
        }
        pictures.push_back(*picture);
    }
    return pictures;
}

}  // namespace pemlar::fw
