#pragma once
// The command line as Windows keeps it: wide, so nothing typed is lost to the ANSI code
// page of argv. Windows only.

#include <optional>
#include <string>
#include <vector>

namespace pemlar {

// The words of this process's command line as UTF-8, the program's name first; nothing
// when the system cannot split it.
std::optional<std::vector<std::string>> wideCommandLine();

}  // namespace pemlar
