#pragma once
// Frames as the tests expect them on the line, built without the code under test.

#include <cstdint>
#include <vector>

#include "data/eeprom_image.h"

namespace pemlar {

using Bytes = std::vector<std::uint8_t>;

// `body` followed by the low 16 bits of its byte sum, high byte first.
inline Bytes withCheckValue(Bytes body) {
    std::uint32_t sum = 0;
    for (const std::uint8_t byte : body) {
        sum += byte;
    }
    body.push_back(static_cast<std::uint8_t>(sum >> 8 & 0xFF));
    body.push_back(static_cast<std::uint8_t>(sum & 0xFF));
    return body;
}

inline Bytes pageBytes(const EepromImage& image, int page) {
    return Bytes(image.begin() + kPageSize * page, image.begin() + kPageSize * (page + 1));
}

// A reply frame AA 55 <b2> <b3> <payload> <check value>.
inline Bytes replyFrame(const Bytes& payload, std::uint8_t b2 = 0x01, std::uint8_t b3 = 0x01) {
    Bytes body{0xAA, 0x55, b2, b3};
    body.insert(body.end(), payload.begin(), payload.end());
    return withCheckValue(body);
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

}  // namespace pemlar
