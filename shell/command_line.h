#pragma once
// The two questions the window program answers on its command line, before any window
// or display exists, so that they work on a machine without a display too.

#include <optional>
#include <string_view>

namespace pemlar {

// The answer to --help or --version (the first of them among the arguments); nothing
// when neither is given, so the window opens. Every other argument is left alone.
std::optional<std::string_view> commandLineAnswer(int argc, const char* const* argv);

}  // namespace pemlar
