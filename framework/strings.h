#pragma once
// Strings of the program's string table.

#include <QString>

// Empty when the table has no such id.
QString loadString(int id);
