#pragma once
// The program's text (Windows-1252, CR LF) against the UTF-8 of the test sources.

#include <string>
#include <string_view>

#include "cli/text_1252.h"

namespace pemlar {

// Windows-1252 with CR LF as UTF-8 with '\n'.
inline std::string shownText(std::string_view windowsText) {
    std::string out;
    for (std::size_t i = 0; i < windowsText.size(); ++i) {
        if (windowsText[i] == '\r' && i + 1 < windowsText.size() && windowsText[i + 1] == '\n') {
            continue;
        }
        out += windowsText[i];
    }
    return utf8FromWindows1252(out);
}

// UTF-8 with '\n' as the characters of an edit (UTF-32 with CR LF). Only what the test
// sources hold: no check for broken sequences.
inline std::u32string editChars(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        if (c == U'\n') {
            out += U'\r';
        }
        out += c;
        i += length;
    }
    return out;
}

// UTF-8 as Windows-1252 (for texts that Windows-1252 holds).
inline std::string windowsText(std::string_view utf8) {
    std::string error;
    std::string out;
    for (char c : windows1252FromUtf8(utf8, error).value_or("<not Windows-1252>")) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

}  // namespace pemlar
