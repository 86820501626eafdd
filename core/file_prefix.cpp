#include "core/file_prefix.h"

#include <system_error>

#include "core/file_system.h"

namespace pemlar {

std::optional<std::string> readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    return platform::readPrefix(path, maxBytes);
}

}  // namespace pemlar
