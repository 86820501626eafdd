#pragma once
// The simulated instrument on a fresh pseudo-terminal, entered as COM<n> in a mapping
// folder of its own. Hand resolver() to `scom` and it reaches the simulator and
// nothing else.

#include <cstdint>
#include <filesystem>
#include <memory>

#include "data/eeprom_image.h"
#include "link/port_resolver.h"
#include "sim/sim_server.h"
#include "tests/support/temp_folder.h"

namespace pemlar {

// The simulator without line pacing: tests need not wait for 9600 baud.
SimOptions fastSimOptions(SimFault fault = SimFault::None);

class SimulatedComPort {
public:
    static constexpr std::int32_t kDefaultCom = 7;

    // Throws std::runtime_error when no pseudo-terminal can be had.
    explicit SimulatedComPort(SimOptions options = fastSimOptions(),
                              const EepromImage& deviceImage = demoDeviceImage(),
                              std::int32_t comNumber = kDefaultCom);

    SimServer& sim() { return *server_; }
    std::int32_t comNumber() const { return comNumber_; }
    const std::filesystem::path& mappingFolder() const { return mappingFolder_; }
    // Maps only the entries of mappingFolder().
    PortResolver resolver() const;
    // Adds an entry COM<n> leading to `target` (which need not exist).
    void link(std::int32_t comNumber, const std::filesystem::path& target) const;

    static EepromImage demoDeviceImage();

private:
    TempFolder folder_;
    std::filesystem::path mappingFolder_;
    std::int32_t comNumber_;
    std::unique_ptr<SimServer> server_;
};

}  // namespace pemlar
