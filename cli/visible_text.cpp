#include "cli/visible_text.h"

#include <cstdint>

namespace pemlar {

std::string visibleText(std::string_view utf8) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(utf8[i]);
        if (byte < 0x20 || byte == 0x7F) {
            // U+2400 + n (U+2421 for DEL) in UTF-8: E2 90 80+n.
            out += "\xE2\x90";
            out += static_cast<char>(0x80 + (byte == 0x7F ? 0x21 : byte));
        } else if (byte == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<std::uint8_t>(utf8[i + 1]) >= 0x80 &&
                   static_cast<std::uint8_t>(utf8[i + 1]) < 0xA0) {
            const auto code = static_cast<std::uint8_t>(utf8[++i]);
            out += "\\x";
            out += kHex[code >> 4];
            out += kHex[code & 0xF];
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

}  // namespace pemlar
