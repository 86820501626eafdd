#pragma once
// Address lines are Windows-1252 inside the program; the terminal speaks UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace pemlar {

// Every byte as its UTF-8 character (the five bytes Windows-1252 leaves undefined as
// the control characters of the same number, as Windows itself does).
std::string utf8FromWindows1252(std::string_view bytes);

// UTF-8 text as Windows-1252 bytes; nothing, with a German message in `error`, when
// the text is no valid UTF-8 or holds a character Windows-1252 doesn't have.
std::optional<std::string> windows1252FromUtf8(std::string_view text, std::string& error);

}  // namespace pemlar
