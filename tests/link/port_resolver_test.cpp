#include "link/port_resolver.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

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

TEST(PortResolver, MappingFolderFollowsTheConfigFolder) {
    const ScopedEnv home("HOME", "/home/tester");
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/cfg");
        EXPECT_EQ(portMappingFolder(), std::filesystem::path("/tmp/cfg/Nirvel/Pemlar/ports"));
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "relative/cfg");
        EXPECT_EQ(portMappingFolder(),
                  std::filesystem::path("/home/tester/.config/Nirvel/Pemlar/ports"));
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(portMappingFolder(),
                  std::filesystem::path("/home/tester/.config/Nirvel/Pemlar/ports"));
    }
}

// Only computes names; no device is ever opened.
TEST(PortResolver, SystemResolverPrefersTheMappingThenTheTable) {
    TempFolder config;
    const ScopedEnv xdg("XDG_CONFIG_HOME", config.path().c_str());
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

TEST(PinnedPortResolver, KeepsEachNumbersFirstDevice) {
    TempFolder folder;
    const std::filesystem::path ports = folder.path() / "ports";
    std::filesystem::create_directories(ports);
    std::ofstream(folder.path() / "first");
    std::filesystem::create_symlink(folder.path() / "first", ports / "COM3");
    std::filesystem::create_symlink(folder.path() / "gone", ports / "COM4");
    // The system's order: the mapping folder, then a fixed table.
    const PortResolver pinned = pinnedPortResolver([ports](std::int32_t n) {
        const auto mapped = mappingFolderResolver(ports)(n);
        return mapped ? mapped : std::optional<std::string>("/dev/ttyS" + std::to_string(n - 1));
    });
    const std::string first = std::filesystem::canonical(folder.path() / "first").string();
    EXPECT_EQ(pinned(3), first);
    EXPECT_EQ(pinned(4), (ports / "COM4").string()) << "a dangling link stays itself";

    std::filesystem::remove(ports / "COM3");
    std::filesystem::remove(ports / "COM4");
    const PortResolver copy = pinned;
    EXPECT_EQ(copy(3), first) << "never the fixed table's device";
    EXPECT_EQ(copy(4), (ports / "COM4").string());
}

TEST(PinnedPortResolver, KeepsAnAdapterByItsStableName) {
    TempFolder folder;
    const std::filesystem::path byId = folder.path() / "by-id";
    std::filesystem::create_directories(byId);
    std::ofstream(folder.path() / "ttyUSB0");
    std::ofstream(folder.path() / "ttyS0");
    std::filesystem::create_symlink(folder.path() / "ttyUSB0", byId / "usb-FTDI_FT232R_A50285BI");
    std::filesystem::create_symlink(folder.path() / "ttyUSB0", folder.path() / "COM5");
    struct Case {
        std::filesystem::path given;
        std::filesystem::path kept;
    };
    const Case cases[] = {
        {folder.path() / "COM5", byId / "usb-FTDI_FT232R_A50285BI"},
        {folder.path() / "ttyUSB0", byId / "usb-FTDI_FT232R_A50285BI"},
        {folder.path() / "ttyS0", std::filesystem::canonical(folder.path() / "ttyS0")},
        {folder.path() / "missing", folder.path() / "missing"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(deviceBehind(c.given.string(), byId), c.kept.string()) << c.given;
    }
}
