#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>

#include "link/port_resolver.h"

namespace pemlar {

namespace {

struct DeviceRange {
    std::int32_t firstCom;
    const char* prefix;
};
constexpr std::array<DeviceRange, 3> kFixedTable{{
    {1, "/dev/ttyS"},
    {33, "/dev/ttyUSB"},
    {65, "/dev/ttyACM"},
}};
constexpr std::int32_t kDevicesPerRange = 32;

std::optional<std::string> fixedDevice(std::int32_t comNumber) {
    for (const DeviceRange& range : kFixedTable) {
        const std::int32_t index = comNumber - range.firstCom;
        if (index >= 0 && index < kDevicesPerRange) {
            return range.prefix + std::to_string(index);
        }
    }
    return std::nullopt;
}

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/";
}

}  // namespace

std::filesystem::path portMappingFolder() {
    std::filesystem::path config;
    // A relative XDG_CONFIG_HOME is invalid and to be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        config = xdg;
    } else {
        config = homeFolder() / ".config";
    }
    return config / "Nirvel" / "Pemlar" / "ports";
}

bool portMappingHonoured() {
    return true;
}

PortResolver systemPortResolver() {
    return [](std::int32_t comNumber) -> std::optional<std::string> {
        if (auto mapped = mappingFolderResolver(portMappingFolder())(comNumber)) {
            return mapped;
        }
        return fixedDevice(comNumber);
    };
}

}  // namespace pemlar
