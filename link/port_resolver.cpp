#include "link/port_resolver.h"

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

}  // namespace pemlar
