#pragma once
// The Windows console output behind console::out() and console::err(), with the calls
// it makes as a table, so a test can stand in for a console.

#include <functional>
#include <memory>
#include <streambuf>
#include <string_view>

namespace pemlar::console {

struct Win32ConsoleApi {
    // True when the handle is a console (not a file or a pipe).
    std::function<bool(void* handle)> isConsole;
    // Writes all of `units` to a console, or all of `bytes` to a file or pipe.
    std::function<bool(void* handle, std::wstring_view units)> writeConsole;
    std::function<bool(void* handle, std::string_view bytes)> writeFile;
};

Win32ConsoleApi systemWin32ConsoleApi();

// A stream buffer that takes UTF-8 and writes it to `handle`: to a console as UTF-16
// (a console shows bytes in its own code page, so UTF-8 came out garbled), to a file or
// pipe as the UTF-8 bytes. A character split between two writes is held until it is
// whole; a byte that starts no character becomes U+FFFD on a console.
std::unique_ptr<std::streambuf> makeConsoleBuffer(void* handle, Win32ConsoleApi api);

}  // namespace pemlar::console
