#include <system_error>

#include "link/port_pins.h"

namespace pemlar {

std::filesystem::path stableDeviceFolder() {
    return "/dev/serial/by-id";
}

std::string stableDeviceName(const std::string& device, const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target = fs::canonical(device, error);
    if (error || fs::path(device).parent_path() == folder) {
        return device;  // a dangling entry keeps failing as itself
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (fs::canonical(it->path(), ignored) == target && !ignored) {
            return it->path().string();
        }
    }
    return device;
}

}  // namespace pemlar
