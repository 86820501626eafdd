#pragma once
// The end of the window program's --help: where it keeps its settings and backups and
// how COM numbers reach a device, which differ between the systems (one file each).

#include <string_view>

namespace pemlar {

std::string_view helpPlaces();

}  // namespace pemlar
