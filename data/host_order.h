#pragma once
// Stores multi-byte values least significant byte first, the order the program
// keeps while it works on an image.

#include <cstdint>
#include <span>

namespace pemlar {

inline void storeHost16(std::span<std::uint8_t> bytes, int offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void storeHost32(std::span<std::uint8_t> bytes, int offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace pemlar
