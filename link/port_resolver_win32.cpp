#include "link/port_resolver.h"

namespace pemlar {

std::filesystem::path portMappingFolder() {
    return {};  // the system numbers the ports itself
}

bool portMappingHonoured() {
    return false;
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
