#pragma once
// Reading the first bytes of a small file, as they are.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace pemlar {

// Up to maxBytes from the start of the file (fewer when the file is shorter). Nothing
// when it is not a regular file (a pipe or a terminal would block the caller), can't be
// opened or fails while being read.
std::optional<std::string> readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace pemlar
