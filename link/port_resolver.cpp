#include "link/port_resolver.h"

#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <utility>

namespace pemlar {

PortResolver mappingFolderResolver(std::filesystem::path folder) {
    return [folder = std::move(folder)](std::int32_t comNumber) -> std::optional<std::string> {
        if (comNumber < 1) {
            return std::nullopt;
        }
        const std::filesystem::path entry = folder / ("COM" + std::to_string(comNumber));
        std::error_code error;
        const auto status = std::filesystem::symlink_status(entry, error);
        if (error || !std::filesystem::exists(status)) {
            return std::nullopt;
        }
        return entry.string();
    };
}

PortResolver pinnedPortResolver(PortResolver resolver) {
    struct Pins {
        std::mutex mutex;
        std::map<std::int32_t, std::string> devices;
    };
    auto pins = std::make_shared<Pins>();
    return [pins,
            resolver = std::move(resolver)](std::int32_t comNumber) -> std::optional<std::string> {
        const std::lock_guard<std::mutex> lock(pins->mutex);
        if (const auto kept = pins->devices.find(comNumber); kept != pins->devices.end()) {
            return kept->second;
        }
        std::optional<std::string> device = resolver ? resolver(comNumber) : std::nullopt;
        if (!device) {
            return std::nullopt;
        }
        device = deviceBehind(*device);
        pins->devices.emplace(comNumber, *device);
        return device;
    };
}

}  // namespace pemlar
