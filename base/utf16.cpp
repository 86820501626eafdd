#include "base/utf16.h"

#include "base/utf8.h"

namespace pemlar {

namespace {

bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

}  // namespace

char32_t nextUtf16(std::u16string_view units, std::size_t& at) {
    const char32_t c = units[at++];
    if (c >= 0xD800 && c <= 0xDBFF && at < units.size() && units[at] >= 0xDC00 &&
        units[at] <= 0xDFFF) {
        return 0x10000 + ((c - 0xD800) << 10) + (units[at++] - 0xDC00);
    }
    return isSurrogate(c) ? kReplacementChar : c;
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c > 0x10FFFF || isSurrogate(c)) {
        c = kReplacementChar;
    }
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
}

std::u16string utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        appendUtf16(out, nextUtf8OrReplacement(utf8, at));
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t at = 0; at < utf16.size();) {
        appendUtf8(out, nextUtf16(utf16, at));
    }
    return out;
}

}  // namespace pemlar
