#pragma once
// Loading and saving address files.

#include <optional>

#include <QString>

#include "ui/address_file.h"

// The five line slots of the file at path, from its first 125 bytes (see
// addressSlotsFromFile for short and foreign files). Nothing when the file is not a
// regular file, can't be opened or fails while being read.
std::optional<AddressFileBytes> loadAddressFile(const QString& path);

// Writes the 125 bytes as the file at path, all or nothing: the bytes go to a new file
// beside it, which replaces the old one only once it is complete. Returns false when
// anything failed (folder not writable, disk full, ...); a file already there is then
// left exactly as it was.
bool saveAddressFile(const QString& path, const AddressFileBytes& bytes);
