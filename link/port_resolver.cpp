#include "link/port_resolver.h"

#include <system_error>
#include <utility>

namespace pemlar {

std::string linkedDevice(const std::string& device) {
    const std::filesystem::path path(device);
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return device;
    }
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) {
        return device;
    }
    return (path.parent_path() / target).lexically_normal().string();
}

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

}  // namespace pemlar
