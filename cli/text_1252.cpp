#include "cli/text_1252.h"

#include <cstdint>
#include <cstdio>

#include "base/utf8.h"
#include "data/windows1252.h"

namespace pemlar {

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
        const std::optional<char32_t> c = nextUtf8(text, at);
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
