#pragma once
// UTF-8 (the resources' and the interface's texts) to UTF-16 (what the W calls take)
// and back. Malformed input never fails: each bad sequence becomes U+FFFD.

#include <string>
#include <string_view>

namespace pemlar::fw::win32 {

std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

}  // namespace pemlar::fw::win32
