#pragma once
// The terminal around pemlar-cli, one file per platform: UTF-8 in and out, and Ctrl+C
// as a request to stop instead of the end of the process.

#include <ostream>
#include <string>
#include <vector>

namespace pemlar::console {

// UTF-8 output, and output into a closed pipe fails instead of ending the process (a
// file already saved still counts); with catchStop, Ctrl+C (and, on POSIX, SIGTERM) only sets
// stopRequested() instead of ending the process (series production ends between two
// instruments, never in the middle of a write).
void prepare(bool catchStop);
bool stopRequested();
// Is there a user at the keyboard to answer a question (standard input a terminal)?
bool interactive();
// Standard output and standard error, taking UTF-8.
std::ostream& out();
std::ostream& err();
// The arguments after the program name, as UTF-8.
std::vector<std::string> arguments(int argc, char** argv);

}  // namespace pemlar::console
