#include "link/port_pins.h"

namespace pemlar {

// \\.\COMn names the device itself; asking the file system about it could open it.
std::filesystem::path stableDeviceFolder() {
    return {};
}

std::string stableDeviceName(const std::string& device, const std::filesystem::path&) {
    return device;
}

}  // namespace pemlar
