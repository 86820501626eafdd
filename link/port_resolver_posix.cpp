#include <array>

#include "base/user_folders.h"
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

}  // namespace

std::filesystem::path portMappingFolder() {
    return userConfigHome(WithoutHome::AccountFolder) / "Nirvel" / "Pemlar" / "ports";
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
