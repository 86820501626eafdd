#include "data/windows1252.h"

#include <array>

#include "base/utf8.h"

namespace pemlar {

namespace {

// 0x80-0x9F; 0 marks the five undefined bytes, which stand for U+0080 + n.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

char32_t fromWindows1252(std::uint8_t byte) {
    if (byte < 0x80 || byte >= 0xA0) {
        return byte;
    }
    const char32_t c = kHigh[byte - 0x80];
    return c != 0 ? c : char32_t(byte);
}

std::optional<std::uint8_t> toWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<std::uint8_t>(c);
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        const char32_t mapped = kHigh[i] != 0 ? kHigh[i] : char32_t(0x80 + i);
        if (mapped == c) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string windows1252FromSystemText(std::string_view text) {
    const std::optional<std::u32string> chars = charsFromUtf8(text);
    if (!chars) {
        return std::string(text);
    }
    std::string out;
    for (const char32_t c : *chars) {
        const std::optional<std::uint8_t> byte = toWindows1252(c);
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

}  // namespace pemlar
