#pragma once
// The simulated instrument's EEPROM kept in a file of exactly 2048 bytes, device order.

#include <filesystem>
#include <optional>
#include <string>

#include "data/eeprom_image.h"

namespace pemlar {

// Nothing, with a reason in `error`, if the file cannot be read or is not 2048 bytes.
std::optional<EepromImage> loadImageFile(const std::filesystem::path& file, std::string& error);
// Writes a temporary file beside `file` and renames it over, so a crash never leaves a
// half-written image. False, with a reason in `error`, on failure.
bool saveImageFile(const std::filesystem::path& file, const EepromImage& image, std::string& error);

}  // namespace pemlar
