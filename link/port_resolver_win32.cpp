#include <cstdlib>

#include "link/port_resolver.h"

namespace pemlar {

std::filesystem::path portMappingFolder() {
    const char* appData = std::getenv("APPDATA");
    const std::filesystem::path base = appData != nullptr ? appData : ".";
    return base / "Nirvel" / "Pemlar" / "ports";
}

// \\.\COMn names the device itself; asking the file system about it could open it.
std::string deviceBehind(const std::string& path, const std::filesystem::path&) {
    return path;
}

PortResolver systemPortResolver() {
    return [](std::int32_t comNumber) -> std::optional<std::string> {
        if (comNumber < 1) {
            return std::nullopt;
        }
        return "\\\\.\\COM" + std::to_string(comNumber);
    };
}

}  // namespace pemlar
