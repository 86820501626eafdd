#pragma once
// UTF-16 (what the W calls of Windows take) against code points and UTF-8. Nothing here
// fails: a lone surrogate, a value no code point has and malformed UTF-8 each become
// U+FFFD.

#include <cstddef>
#include <string>
#include <string_view>

namespace pemlar {

// The code point that starts at `at`, moving `at` past it.
char32_t nextUtf16(std::u16string_view units, std::size_t& at);

// Appends `c` as one unit or a surrogate pair.
void appendUtf16(std::u16string& out, char32_t c);

std::u16string utf16FromUtf8(std::string_view utf8);
std::string utf8FromUtf16(std::u16string_view utf16);

}  // namespace pemlar
