#pragma once
// The program's string table: id -> text (UTF-8).

#include <string_view>

namespace pemlar {

// Empty when the table has no such id.
std::string_view stringResource(int id);

}  // namespace pemlar
