#pragma once
// Which device a COM port number stands for. `scom` asks its resolver for every probe
// and open, so tests hand it one that maps only the devices they created.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace pemlar {

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

// `resolver`, but each number's first device is kept for the life of the returned
// resolver (and its copies): a mapping link that vanishes or is re-pointed later does
// not move the number to another device, and never to the fixed table's. A link is
// kept as the device it led to; a dangling one as itself, so it keeps failing. A
// number without a device is asked again next time. Safe to share between threads.
PortResolver pinnedPortResolver(PortResolver resolver);

// What a resolver's answer stands for, to be kept: on POSIX the device at the end of
// its symbolic links, named by its entry in `byIdFolder` when it has one there (so
// only the same USB adapter is reached again); the path itself when it leads nowhere,
// and on Windows.
std::string deviceBehind(const std::string& path,
                         const std::filesystem::path& byIdFolder = "/dev/serial/by-id");

// <config>/Nirvel/Pemlar/ports, <config> being $XDG_CONFIG_HOME or ~/.config.
std::filesystem::path portMappingFolder();

}  // namespace pemlar
