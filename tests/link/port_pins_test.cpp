// A COM number keeps the device it was first resolved to, for the whole run.
#include "link/port_pins.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "link/scom.h"
#include "sim/demo_image.h"
#include "tests/support/fake_clock.h"
#include "tests/support/simulated_com_port.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

namespace fs = std::filesystem;

TEST(PortPins, ANumberKeepsItsDeviceAndNeverFallsBackToTheTable) {
    TempFolder folder;
    const fs::path ports = folder.path() / "ports";
    fs::create_directories(ports);
    // Stands in for the fixed table's /dev/ttyS6: a file, so nothing real is reached.
    const fs::path tableDevice = folder.path() / "table-ttyS6";
    std::ofstream(tableDevice) << "";
    const PortResolver mapping = mappingFolderResolver(ports);
    PortPins pins([&](std::int32_t n) -> std::optional<std::string> {
        return mapping(n) ? mapping(n) : std::optional<std::string>(tableDevice.string());
    });

    std::string error;
    std::unique_ptr<SimServer> sim = SimServer::onPty(demoImage(), fastSimOptions(), error);
    ASSERT_TRUE(sim) << error;
    const std::string pty = sim->devicePath();
    fs::create_symlink(pty, ports / "COM7");
    EXPECT_EQ(pins.device(7), (ports / "COM7").string()) << "looking pins nothing";
    EXPECT_FALSE(pins.pinned(7));
    EXPECT_EQ(pins.pin(7), pty) << "kept as the device the entry names";

    scom com(7, pins.resolver(), instantClock());
    fs::remove(ports / "COM7");
    EepromImage image{};
    ASSERT_EQ(com.open(), ScomResult::Ok) << "the entry went, the device is still there";
    EXPECT_EQ(com.readEeprom(image), ScomResult::Ok);
    ASSERT_EQ(com.close(), ScomResult::Ok);

    sim.reset();  // the device itself goes
    EXPECT_EQ(com.open(), ScomResult::OpenFailed);
    EXPECT_EQ(com.lastFailure().device, pty) << "never " << tableDevice;
    EXPECT_EQ(com.lastFailure().kind, FailureKind::NotFound);
    EXPECT_EQ(pins.device(8), tableDevice.string()) << "numbers not pinned still resolve";
    pins.release(7);
    EXPECT_EQ(pins.device(7), tableDevice.string());

    PortPins onlyMapped(mapping);
    EXPECT_EQ(onlyMapped.pin(9), std::nullopt);
    EXPECT_FALSE(onlyMapped.pinned(9)) << "a number without a device may get one later";
}

TEST(PortPins, KeepsAnAdapterByItsStableName) {
    TempFolder folder;
    const fs::path byId = folder.path() / "by-id";
    fs::create_directories(byId);
    std::ofstream(folder.path() / "ttyUSB0");
    std::ofstream(folder.path() / "ttyS0");
    fs::create_symlink(folder.path() / "ttyUSB0", byId / "usb-FTDI_FT232R_A50285BI");
    fs::create_symlink(folder.path() / "ttyUSB0", folder.path() / "COM5");
    fs::create_symlink(byId / "usb-FTDI_FT232R_A50285BI", folder.path() / "COM6");
    const std::map<std::int32_t, fs::path> given = {
        {5, folder.path() / "COM5"},    {6, folder.path() / "COM6"},
        {7, folder.path() / "ttyUSB0"}, {8, folder.path() / "ttyS0"},
        {9, folder.path() / "missing"},
    };
    PortPins pins([&](std::int32_t n) { return std::optional<std::string>(given.at(n).string()); },
                  byId);
    const std::map<std::int32_t, fs::path> kept = {
        {5, byId / "usb-FTDI_FT232R_A50285BI"}, {6, byId / "usb-FTDI_FT232R_A50285BI"},
        {7, byId / "usb-FTDI_FT232R_A50285BI"}, {8, folder.path() / "ttyS0"},
        {9, folder.path() / "missing"},
    };
    for (const auto& [n, path] : kept) {
        EXPECT_EQ(pins.pin(n), path.string()) << "COM" << n;
    }
}

}  // namespace
