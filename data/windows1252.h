#pragma once
// Windows-1252, the program's character set, against Unicode. The five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for U+0081 etc., so every
// byte has a character and comes back as itself.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pemlar {

char32_t fromWindows1252(std::uint8_t byte);
// Empty for a character the code page cannot hold.
std::optional<std::uint8_t> toWindows1252(char32_t c);

// A message of the operating system in Windows-1252. Where it is valid UTF-8 (POSIX
// systems) each character is converted, what the code page lacks becoming '?'; anything
// else already is in the system's 8-bit code page (Windows) and stays as it is.
std::string windows1252FromSystemText(std::string_view text);

}  // namespace pemlar
