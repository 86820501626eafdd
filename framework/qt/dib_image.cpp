#include "framework/qt/dib_image.h"

#include <optional>

namespace pemlar {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::int64_t kMaxSide = 1 << 14;  // keeps every size below in range

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

// `dib` starts with the info header. Pixels come from `pixels` (the .bmp file names
// their place) or right after the colour table. An icon's picture is half the height
// its header says, the lower half being the transparency mask.
QImage decodeDib(std::span<const std::uint8_t> dib, std::optional<std::size_t> pixels, bool icon) {
    if (dib.size() < kInfoHeaderSize) {
        return {};
    }
    const std::uint32_t headerSize = u32At(dib, 0);
    const std::int64_t width = i32At(dib, 4);
    std::int64_t height = i32At(dib, 8);
    const int bits = static_cast<int>(u16At(dib, 14));
    const std::uint32_t compression = u32At(dib, 16);
    const std::uint32_t coloursUsed = u32At(dib, 32);
    const bool topDown = height < 0 && !icon;
    if (topDown) {
        height = -height;
    }
    if (icon) {
        height /= 2;
    }
    if (headerSize < kInfoHeaderSize || headerSize > dib.size() || compression != 0 || width <= 0 ||
        height <= 0 || width > kMaxSide || height > kMaxSide ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24)) {
        return {};
    }
    const std::size_t tableSize = bits > 8 ? 0 : (coloursUsed != 0 ? coloursUsed : 1u << bits);
    if (tableSize > (1u << bits) && bits <= 8) {
        return {};
    }
    const std::size_t tableAt = headerSize;
    if (tableAt + 4 * tableSize > dib.size()) {
        return {};
    }
    QList<QRgb> table;
    for (std::size_t i = 0; i < tableSize; ++i) {
        const std::size_t at = tableAt + 4 * i;
        table.push_back(qRgb(dib[at + 2], dib[at + 1], dib[at]));
    }
    const std::size_t pixelsAt = pixels.value_or(tableAt + 4 * tableSize);
    const std::size_t stride = rowBytes(width, bits);
    const std::size_t maskStride = icon ? rowBytes(width, 1) : 0;
    const auto rows = static_cast<std::size_t>(height);
    if (pixelsAt > dib.size() || (stride + maskStride) * rows > dib.size() - pixelsAt) {
        return {};
    }

    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    QImage image(w, h, bits <= 8 ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    if (bits <= 8) {
        image.setColorTable(table);
    }
    const unsigned mask = (1u << (bits <= 8 ? bits : 0)) - 1;
    for (int y = 0; y < h; ++y) {
        const std::size_t fileRow = topDown ? y : rows - 1 - y;
        const std::uint8_t* row = dib.data() + pixelsAt + fileRow * stride;
        uchar* out = image.scanLine(y);
        for (int x = 0; x < w; ++x) {
            if (bits == 24) {
                const std::uint8_t* p = row + 3 * x;
                reinterpret_cast<QRgb*>(out)[x] = qRgb(p[2], p[1], p[0]);
                continue;
            }
            const int bit = x * bits;
            const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & mask;
            if (index >= tableSize) {
                return {};
            }
            out[x] = static_cast<uchar>(index);
        }
    }
    if (!icon) {
        return image;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    const std::size_t maskAt = pixelsAt + stride * rows;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = dib.data() + maskAt + (rows - 1 - y) * maskStride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if ((row[x / 8] >> (7 - x % 8)) & 1) {
                out[x] = 0;
            }
        }
    }
    return image;
}

}  // namespace

QImage decodeBmpFile(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return {};
    }
    const std::uint32_t pixelsAt = u32At(file, 10);
    if (pixelsAt < kFileHeaderSize) {
        return {};
    }
    return decodeDib(file.subspan(kFileHeaderSize), pixelsAt - kFileHeaderSize, false);
}

std::vector<QImage> decodeIcoFile(std::span<const std::uint8_t> file) {
    constexpr std::size_t kDirectorySize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (file.size() < kDirectorySize || u16At(file, 0) != 0 || u16At(file, 2) != 1) {
        return {};
    }
    const std::size_t count = u16At(file, 4);
    if (count == 0 || kDirectorySize + count * kEntrySize > file.size()) {
        return {};
    }
    std::vector<QImage> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectorySize + i * kEntrySize;
        const std::size_t size = u32At(file, entry + 8);
        const std::size_t at = u32At(file, entry + 12);
        if (at > file.size() || size > file.size() - at) {
            return {};
        }
        QImage image = decodeDib(file.subspan(at, size), std::nullopt, true);
        if (image.isNull()) {
            return {};
        }
        images.push_back(std::move(image));
    }
    return images;
}

}  // namespace pemlar
