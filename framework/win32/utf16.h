#pragma once
// UTF-8 (the resources' and the interface's texts) to UTF-16 (what the W calls take)
// and back. Malformed input never fails: each bad sequence becomes U+FFFD.

#include <string>
#include <string_view>

#include "base/utf16.h"

namespace pemlar::fw::win32 {

inline std::u16string toUtf16(std::string_view utf8) {
    return utf16FromUtf8(utf8);
}
inline std::string toUtf8(std::u16string_view utf16) {
    return utf8FromUtf16(utf16);
}

}  // namespace pemlar::fw::win32

namespace pemlar::fw::win32 {

// The program's text (Windows-1252 bytes, lines CR LF) and the W calls' UTF-16: every
// byte has a character (the five the code page leaves undefined stand for U+0081 etc.),
// and a character Windows-1252 lacks becomes '?'. Line breaks pass as they are: edit
// controls hold CR LF themselves.
std::u16string wideFromWindows(std::string_view bytes);
std::string windowsFromWide(std::u16string_view units);
// Characters (UTF-32) and UTF-16; a lone surrogate becomes U+FFFD.
std::u16string wideFromChars(std::u32string_view chars);
std::u32string charsFromWide(std::u16string_view units);
// A string of the resources (UTF-8, lines LF or CR LF) as the program's text.
std::string windowsFromUtf8(std::string_view utf8);

}  // namespace pemlar::fw::win32
