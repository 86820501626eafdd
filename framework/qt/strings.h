#pragma once
// Strings of the program's string table.

#include <QString>

namespace pemlar {

// Empty when the table has no such id.
QString loadString(int id);

}  // namespace pemlar
