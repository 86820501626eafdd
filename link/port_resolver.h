#pragma once
// Which device a COM port number stands for. `scom` asks its resolver for every probe
// and open, so tests hand it one that maps only the devices they created.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace pemlar {

// The highest COM number there is; the port list and the scan stop one short of it.
inline constexpr std::int32_t kLastComNumber = 255;

// The device path for COM<comNumber>, or nothing when that number has no device.
using PortResolver = std::function<std::optional<std::string>(std::int32_t comNumber)>;

// The machine's own ports. On Windows `\\.\COM<n>` (the plain name fails from COM10 up).
// Elsewhere an entry COM<n> in portMappingFolder() (normally a symbolic link to a
// device) comes first, then the fixed table COM1-32 -> /dev/ttyS0-31,
// COM33-64 -> /dev/ttyUSB0-31, COM65-96 -> /dev/ttyACM0-31.
PortResolver systemPortResolver();

// Only the entries COM<n> present in `folder` (dangling links included, so that an
// open of a vanished device fails instead of reaching another port).
PortResolver mappingFolderResolver(std::filesystem::path folder);

// <config>/Nirvel/Pemlar/ports, <config> being $XDG_CONFIG_HOME or ~/.config; empty
// where portMappingHonoured() is false.
std::filesystem::path portMappingFolder();

// The device a mapping entry (a symbolic link) names, a relative target taken from the
// entry's folder; any other path as it is.
std::string linkedDevice(const std::string& device);

// Whether systemPortResolver() looks into portMappingFolder() (not on Windows, where
// the system numbers the ports itself).
bool portMappingHonoured();

}  // namespace pemlar
