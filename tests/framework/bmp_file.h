#pragma once
// A .bmp file made byte by byte, for pictures no writer at hand makes.

#include <cstdint>
#include <vector>

namespace pemlar {

// `rows` are the stored rows, bottom one first, each padded to four bytes; `colours`
// are 0x00RRGGBB.
inline std::vector<std::uint8_t> bmpFile(int width, int height, int bits,
                                         const std::vector<std::uint32_t>& colours,
                                         const std::vector<std::uint8_t>& rows) {
    std::vector<std::uint8_t> file;
    const auto put = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    const auto pixelsAt = static_cast<std::uint32_t>(14 + 40 + 4 * colours.size());
    file.push_back('B');
    file.push_back('M');
    put(pixelsAt + static_cast<std::uint32_t>(rows.size()), 4);
    put(0, 4);
    put(pixelsAt, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(static_cast<std::uint32_t>(bits), 2);
    put(0, 4);  // uncompressed
    put(static_cast<std::uint32_t>(rows.size()), 4);
    put(2835, 4);
    put(2835, 4);
    put(static_cast<std::uint32_t>(colours.size()), 4);
    put(0, 4);
    for (const std::uint32_t colour : colours) {
        put(colour, 4);
    }
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

}  // namespace pemlar
