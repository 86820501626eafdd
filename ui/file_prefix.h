#pragma once
// Reading the first bytes of a small file, as they are.

#include <optional>
#include <string>

#include <QString>

// Up to maxBytes from the start of the file (fewer when the file is shorter). Nothing
// when it is not a regular file (a pipe or a terminal would block the window), can't be
// opened or fails while being read.
std::optional<std::string> readFilePrefix(const QString& path, qint64 maxBytes);
