#pragma once
// Loading and saving address files.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "core/address_file.h"
#include "core/file_outcome.h"

namespace pemlar {

// The five line slots of the file at path, from its first 125 bytes (see
// addressSlotsFromFile for short and foreign files). Nothing when the file is not a
// regular file, can't be opened or fails while being read.
std::optional<AddressFileBytes> loadAddressFile(const std::filesystem::path& path);

// Writes the 125 bytes as the file at path, all or nothing: the bytes go to a new file
// beside it (".<name>.pemlar-tmp", so a leftover of a killed save is found and
// replaced), which takes the old one's place only once it is complete and synced. A
// symbolic link is followed: its target is replaced, not the link. A target that
// exists but is no regular file (device, pipe, socket, folder) is refused and left
// alone; an existing file keeps its permissions. On any failure a file already there
// is left exactly as it was.
FileOutcome saveAddressFile(const std::filesystem::path& path, const AddressFileBytes& bytes);

// The same for any bytes (a page backup saved where the user asked).
FileOutcome saveFileWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Where saveAddressFile writes before the rename, for `target` with links resolved.
std::filesystem::path temporaryFileFor(const std::filesystem::path& target);

}  // namespace pemlar
