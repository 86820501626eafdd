#pragma once
// The program's resources by id, as the window layer's users need them.

#include <string>

#include "framework/resource_ids.h"

namespace pemlar::fw {

// String `id` of the string table in Windows-1252 (CR LF); empty when there is none.
std::string loadString(int id);

}  // namespace pemlar::fw
