#include "framework/qt/dib_image.h"

#include "framework/dib_layout.h"

namespace pemlar::fw::qt {

namespace {

// A 32-bit picture of an icon has its alpha in the fourth byte; one of a .bmp file with
// a 40-byte header has nothing there, as GDI reads it.
QImage imageOf(const fw::DibLayout& dib) {
    const bool icon = !dib.mask.empty();
    const int bits = dib.bitsPerPixel;
    QImage image(dib.width, dib.height,
                 bits <= 8            ? QImage::Format_Indexed8
                 : icon && bits == 32 ? QImage::Format_ARGB32
                                      : QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    if (bits <= 8) {
        QList<QRgb> table;
        for (std::size_t at = 0; at < dib.colours.size(); at += 4) {
            table.push_back(qRgb(dib.colours[at + 2], dib.colours[at + 1], dib.colours[at]));
        }
        image.setColorTable(table);
    }
    const std::size_t pixelBytes = static_cast<std::size_t>(bits / 8);
    for (int y = 0; y < dib.height; ++y) {
        uchar* out = image.scanLine(y);
        if (bits <= 8) {
            for (int x = 0; x < dib.width; ++x) {
                out[x] = static_cast<uchar>(dib.colourIndex(x, y));
            }
            continue;
        }
        const std::span<const std::uint8_t> row = dib.row(y);
        for (int x = 0; x < dib.width; ++x) {
            const std::uint8_t* p = row.data() + pixelBytes * static_cast<std::size_t>(x);
            reinterpret_cast<QRgb*>(out)[x] =
                icon && bits == 32 ? qRgba(p[2], p[1], p[0], p[3]) : qRgb(p[2], p[1], p[0]);
        }
    }
    if (!icon) {
        return image;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < dib.height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < dib.width; ++x) {
            if (dib.transparent(x, y)) {
                out[x] = 0;
            }
        }
    }
    return image;
}

}  // namespace

QImage decodeBmpFile(std::span<const std::uint8_t> file) {
    const std::optional<fw::DibLayout> dib = fw::bmpLayout(file);
    return dib ? imageOf(*dib) : QImage();
}

std::vector<QImage> decodeIcoFile(std::span<const std::uint8_t> file) {
    std::vector<QImage> images;
    for (const fw::DibLayout& dib : fw::icoLayouts(file)) {
        QImage image = imageOf(dib);
        if (image.isNull()) {
            return {};
        }
        images.push_back(std::move(image));
    }
    return images;
}

}  // namespace pemlar::fw::qt
