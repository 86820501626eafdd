#pragma once
// POSIX write() until every byte is out.

#include <cstdint>
#include <span>

namespace pemlar {

// Writes all of `bytes` to `fd`, again after an interrupted call; false with errno set
// when a write fails (EIO when one writes nothing).
bool writeAll(int fd, std::span<const std::uint8_t> bytes);

}  // namespace pemlar
