#pragma once
// The few file-system calls the core needs that the standard library can't make
// safely, one file per platform (file_system_posix.cpp, file_system_win32.cpp).

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "core/file_outcome.h"

namespace pemlar::platform {

// Writes `bytes` as a new file at `temp` (a stale one left there by an earlier, killed
// save is removed first), syncs it to the disk and moves it over `target` in one step.
// An existing target's permissions are kept. On any failure nothing is left at `temp`
// and the target is untouched.
FileOutcome writeAndReplace(const std::filesystem::path& temp, const std::filesystem::path& target,
                            std::span<const std::uint8_t> bytes);

// Writes `bytes` as a file that must not exist yet: CannotCreate with `exists` set
// when the name is taken. A file that fails halfway is removed.
FileOutcome createNewFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                          bool& exists);

// Up to maxBytes from the start of a regular file, through the system's own calls (C++
// file streams would bring their locale machinery into pemlar.exe). Nothing when it
// can't be opened, is no regular file once open, or a read fails.
std::optional<std::string> readPrefix(const std::filesystem::path& path, std::size_t maxBytes);

// Makes sure `path` is a regular file that can be appended to (created empty when
// missing), without blocking: a pipe or a device in its place is refused as
// NotRegularFile. `empty` tells whether nothing is in it yet.
FileOutcome prepareAppendFile(const std::filesystem::path& path, bool& empty);

// The local date and time now.
std::tm localTimeNow();

}  // namespace pemlar::platform
