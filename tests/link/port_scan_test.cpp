// Which numbers a scan looks at, decided before anything is opened: absent devices are
// passed over, except the one the user chose, which only opening it can rule out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/port_scan.h"

using namespace pemlar;

namespace {

TEST(PresentPorts, AbsentOnesAreLeftOutButTheChosenOneIsTried) {
    // COM2 and COM4 are there; COM6 is a UART without a chip, withheld.
    const PortResolver resolve = [](std::int32_t n) -> std::optional<std::string> {
        return n <= 8 ? std::optional("/no-such-dir/tty" + std::to_string(n)) : std::nullopt;
    };
    const PortIdentifier identify = [](const std::string& device) {
        PortIdentity identity;
        identity.device = device;
        identity.exists = device.ends_with("tty2") || device.ends_with("tty4");
        if (device.ends_with("tty6")) {
            identity.withheld = "keine Schnittstelle";
        }
        return identity;
    };
    const struct {
        const char* name;
        std::int32_t chosen;
        std::vector<std::int32_t> presented;
    } cases[] = {
        {"none chosen", 0, {2, 4}},
        {"a present one chosen", 4, {2, 4}},
        {"an absent one chosen", 3, {2, 3, 4}},
        {"a withheld absent one chosen", 6, {2, 4}},
        {"one without a device chosen", 9, {2, 4}},
    };
    for (const auto& c : cases) {
        std::vector<std::int32_t> numbers;
        for (const ScannedPort& port : presentPorts(resolve, identify, c.chosen)) {
            numbers.push_back(port.number);
        }
        EXPECT_EQ(numbers, c.presented) << c.name;
    }
}

}  // namespace
