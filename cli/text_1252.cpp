#include "cli/text_1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "data/windows1252.h"

namespace pemlar {

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next code point of `text` from `at`, moving `at` past it; nothing when the bytes
// there are no well-formed UTF-8.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < static_cast<std::size_t>(length)) {
        return std::nullopt;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[static_cast<std::size_t>(length)] || c > 0x10FFFF ||
        (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;  // overlong forms and surrogates
    }
    at += static_cast<std::size_t>(length);
    return c;
}

}  // namespace

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        appendUtf8(out, fromWindows1252(b));
    }
    return out;
}

std::optional<std::string> windows1252FromUtf8(std::string_view text, std::string& error) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = at;
        const std::optional<char32_t> c = nextCodePoint(text, at);
        if (!c) {
            error = "Der Text ist kein gültiges UTF-8 (Byte " + std::to_string(start + 1) + ").";
            return std::nullopt;
        }
        const std::optional<std::uint8_t> byte = toWindows1252(*c);
        if (!byte) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*c));
            error =
                "Das Zeichen \xE2\x80\x9E" + std::string(text.substr(start, at - start)) +
                "\xE2\x80\x9C (" + code +
                ") gibt es im Zeichensatz Windows-1252 nicht; es kann nicht gespeichert werden.";
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

}  // namespace pemlar
