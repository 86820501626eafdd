#include "link/port_resolver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

TEST(PortResolver, MappingFolderMapsOnlyItsEntries) {
    TempFolder folder;
    std::filesystem::create_symlink("/dev/null", folder.path() / "COM3");
    std::filesystem::create_symlink(folder.path() / "gone", folder.path() / "COM4");
    const PortResolver resolve = mappingFolderResolver(folder.path());

    EXPECT_EQ(resolve(3), (folder.path() / "COM3").string());
    EXPECT_EQ(resolve(4), (folder.path() / "COM4").string()) << "a dangling link still maps";
    for (const std::int32_t unmapped : {1, 2, 5, 0, -3}) {
        EXPECT_EQ(resolve(unmapped), std::nullopt) << unmapped;
    }
    EXPECT_EQ(mappingFolderResolver(folder.path() / "missing")(3), std::nullopt);
}

// Which config folder counts is the base layer's (tests/base); this is what lies below it.
TEST(PortResolver, MappingFolderFollowsTheConfigFolder) {
    const ScopedEnvironment xdg("XDG_CONFIG_HOME", "/tmp/cfg");
    EXPECT_EQ(portMappingFolder(), std::filesystem::path("/tmp/cfg/Nirvel/Pemlar/ports"));
}

// Only computes names; no device is ever opened.
TEST(PortResolver, SystemResolverPrefersTheMappingThenTheTable) {
    TempFolder config;
    const ScopedEnvironment xdg("XDG_CONFIG_HOME", config.path().c_str());
    const std::filesystem::path ports = config.path() / "Nirvel" / "Pemlar" / "ports";
    std::filesystem::create_directories(ports);
    std::filesystem::create_symlink("/dev/null", ports / "COM2");
    const PortResolver resolve = systemPortResolver();

    struct Case {
        std::int32_t com;
        std::optional<std::string> device;
    };
    const Case cases[] = {
        {2, (ports / "COM2").string()},
        {1, "/dev/ttyS0"},
        {32, "/dev/ttyS31"},
        {33, "/dev/ttyUSB0"},
        {64, "/dev/ttyUSB31"},
        {65, "/dev/ttyACM0"},
        {96, "/dev/ttyACM31"},
        {97, std::nullopt},
        {0, std::nullopt},
        {-1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resolve(c.com), c.device) << "COM" << c.com;
    }
}

}  // namespace
