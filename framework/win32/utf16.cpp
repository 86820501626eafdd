#include "framework/win32/utf16.h"

#include <cstddef>
#include <cstdint>

#include "data/windows1252.h"

namespace pemlar::fw::win32 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `at` and moves past it; overlong forms, surrogates and
// values above U+10FFFF are malformed and consume one byte only, so the next lead byte
// is not swallowed.
char32_t decodeOne(std::string_view s, std::size_t& at) {
    const auto lead = static_cast<std::uint8_t>(s[at]);
    ++at;
    if (lead < 0x80) {
        return lead;
    }
    // Continuation bytes, bits of the lead byte, and the smallest value of that length.
    int extra = 3;
    char32_t cp = lead & 0x07u;
    char32_t minimum = 0x10000;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8) != 0xF0) {
        return kReplacement;  // a continuation byte or 0xF8-0xFF where a lead belongs
    }
    if (s.size() - at < static_cast<std::size_t>(extra)) {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<std::uint8_t>(s[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return kReplacement;
    }
    at += static_cast<std::size_t>(extra);
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    auto put = [&out](unsigned value) { out.push_back(static_cast<char>(value)); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::u16string toUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t cp = decodeOne(utf8, at);
        if (cp < 0x10000) {
            out.push_back(static_cast<char16_t>(cp));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;  // a lone surrogate
        }
        appendUtf8(out, cp);
    }
    return out;
}

}  // namespace pemlar::fw::win32

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
    for (char32_t c : chars) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            c = kReplacement;
        }
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

std::u32string charsFromWide(std::u16string_view units) {
    std::u32string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        out.push_back(c);
    }
    return out;
}

std::string windowsFromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    char32_t previous = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = decodeOne(utf8, at);
        if (c == '\n' && previous != '\r') {
            out.push_back('\r');
        }
        out.push_back(static_cast<char>(toWindows1252(c).value_or('?')));
        previous = c;
    }
    return out;
}

}  // namespace pemlar::fw::win32
