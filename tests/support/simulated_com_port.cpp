#include "tests/support/simulated_com_port.h"

#include <stdexcept>
#include <string>

#include "sim/demo_image.h"

namespace pemlar {

SimOptions fastSimOptions(SimFault fault) {
    SimOptions options;
    options.fast = true;
    options.fault = fault;
    return options;
}

EepromImage SimulatedComPort::demoDeviceImage() {
    return demoImage();
}

SimulatedComPort::SimulatedComPort(SimOptions options, const EepromImage& deviceImage,
                                   std::int32_t comNumber)
    : mappingFolder_(folder_.path() / "ports"), comNumber_(comNumber) {
    std::filesystem::create_directories(mappingFolder_);
    std::string error;
    server_ = SimServer::onPty(deviceImage, std::move(options), error);
    if (!server_) {
        throw std::runtime_error("no simulated instrument: " + error);
    }
    link(comNumber_, server_->devicePath());
}

PortResolver SimulatedComPort::resolver() const {
    return mappingFolderResolver(mappingFolder_);
}

void SimulatedComPort::link(std::int32_t comNumber, const std::filesystem::path& target) const {
    std::filesystem::create_symlink(target, mappingFolder_ / ("COM" + std::to_string(comNumber)));
}

}  // namespace pemlar
