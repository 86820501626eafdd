#pragma once
// The two questions the window program answers on its command line, before any window
// or display exists, so that they work on a machine without a display too.

#include <optional>
#include <ostream>
#include <string_view>

namespace pemlar {

// The answer to --help or --version (the first of them among the arguments); nothing
// when neither is given, so the window opens. Every other argument is left alone.
std::optional<std::string_view> commandLineAnswer(int argc, const char* const* argv);

// The same answer written on `out`, with the exit status. Inline: the program writes
// through the C library instead, so that pemlar.exe links no C++ streams.
inline std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out) {
    const std::optional<std::string_view> text = commandLineAnswer(argc, argv);
    if (!text) {
        return std::nullopt;
    }
    out << *text;
    return 0;
}

}  // namespace pemlar
