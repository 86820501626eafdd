#include "core/file_prefix.h"

#include <fstream>
#include <system_error>

namespace pemlar {

std::optional<std::string> readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes(maxBytes, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (file.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

}  // namespace pemlar
