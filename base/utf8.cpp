#include "base/utf8.h"

#include <array>
#include <cstdint>

namespace pemlar {

std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    // The sequence's length and the bits its lead byte carries.
    std::size_t length = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07u;
    } else {
        return std::nullopt;  // a continuation byte or 0xF8-0xFF where a lead belongs
    }
    if (text.size() - at < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3Fu);
    }
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    at += length;
    return c;
}

char32_t nextUtf8OrReplacement(std::string_view text, std::size_t& at) {
    if (const std::optional<char32_t> c = nextUtf8(text, at)) {
        return *c;
    }
    ++at;
    return kReplacementChar;
}

std::optional<std::u32string> charsFromUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> c = nextUtf8(text, at);
        if (!c) {
            return std::nullopt;
        }
        out += *c;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    auto put = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

}  // namespace pemlar
