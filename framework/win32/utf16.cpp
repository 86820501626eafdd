#include "framework/win32/utf16.h"

#include <cstddef>
#include <cstdint>

#include "base/utf8.h"
#include "data/windows1252.h"

namespace pemlar::fw::win32 {

std::u16string wideFromWindows(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        // Every Windows-1252 character lies in the basic plane.
        out.push_back(static_cast<char16_t>(fromWindows1252(static_cast<std::uint8_t>(byte))));
    }
    return out;
}

std::string windowsFromWide(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (const char32_t c : charsFromWide(units)) {
        out.push_back(static_cast<char>(toWindows1252(c).value_or('?')));
    }
    return out;
}

std::u16string wideFromChars(std::u32string_view chars) {
    std::u16string out;
    out.reserve(chars.size());
    for (const char32_t c : chars) {
        appendUtf16(out, c);
    }
    return out;
}

std::u32string charsFromWide(std::u16string_view units) {
    std::u32string out;
    out.reserve(units.size());
    for (std::size_t at = 0; at < units.size();) {
        out.push_back(nextUtf16(units, at));
    }
    return out;
}

std::string windowsFromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    char32_t previous = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = nextUtf8OrReplacement(utf8, at);
        if (c == '\n' && previous != '\r') {
            out.push_back('\r');
        }
        out.push_back(static_cast<char>(toWindows1252(c).value_or('?')));
        previous = c;
    }
    return out;
}

}  // namespace pemlar::fw::win32
