#pragma once
// UTF-8, one code point at a time. Well-formed means: no overlong forms, no surrogates,
// nothing above U+10FFFF, no sequence cut short.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pemlar {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// The code point that starts at `at`, moving `at` past it; nothing, with `at` left where
// it was, when the bytes there are not well-formed.
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& at);

// The same, but a malformed sequence never fails: its first byte alone becomes U+FFFD,
// so the next lead byte is not swallowed.
char32_t nextUtf8OrReplacement(std::string_view text, std::size_t& at);

// The characters of `text` if it is well-formed throughout.
std::optional<std::u32string> charsFromUtf8(std::string_view text);

// Appends `c` (a code point up to U+10FFFF) as UTF-8.
void appendUtf8(std::string& out, char32_t c);

}  // namespace pemlar
