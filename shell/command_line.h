#pragma once
// The two questions the window program answers on its command line, before any window
// or display exists, so that they work on a machine without a display too.

#include <optional>
#include <ostream>

namespace pemlar {

// Answers --help or --version (the first of them among the arguments) on `out` and
// returns the exit status; returns nothing when neither is given, so the window opens.
// Every other argument is left alone.
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out);

}  // namespace pemlar
