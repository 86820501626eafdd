#pragma once
// How a byte of a line slot appears as a character of the address edit, and back.
//
// Control bytes (0x01-0x1F, 0x7F) arrive from instruments and foreign address files;
// shown as themselves a CR or LF would read as a line break and shift every line after
// it. They appear as their Control Pictures sign instead (0x0D as U+240D, 0x7F as
// U+2421), which maps back to the same byte, so a line comes back byte for byte. Every
// other byte is its Windows-1252 character.

#include <cstdint>
#include <optional>

namespace pemlar {

char32_t lineChar(std::uint8_t byte);
// The reverse of lineChar; a plain Windows-1252 character, control characters included,
// is its own byte. Empty for what no line byte stands for (the zero byte ends a line and
// is never a character of it).
std::optional<std::uint8_t> lineByte(char32_t c);

}  // namespace pemlar
