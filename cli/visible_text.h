#pragma once
// Bytes from an instrument or a file, made safe for a terminal: shown as read, never
// obeyed.

#include <string>
#include <string_view>

namespace pemlar {

// `utf8` with every control character made visible: 0x01-0x1F as their Control
// Pictures sign (as the window's address edit shows them, CR as U+240D), DEL as
// U+2421, and U+0080-U+009F (the bytes Windows-1252 leaves undefined, some of which a
// terminal takes as the start of a command) as "\x81" etc. Everything else as it is.
std::string visibleText(std::string_view utf8);

}  // namespace pemlar
