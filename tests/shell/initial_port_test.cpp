#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/scom.h"
#include "shell/ta_pemlare.h"
#include "tests/support/simulated_com_port.h"

using namespace pemlar;

namespace {

struct PortCase {
    const char* name;
    std::vector<int> present;  // COM numbers that have a device
    int heldElsewhere;         // one of them held open by another program, 0 = none
    int expected;
};

TEST(InitialPort, FirstOfCom1ToCom4ThatOpensElse1) {
    const PortCase kCases[] = {
        {"no port at all", {}, 0, 1},    {"only COM2", {2}, 0, 2},
        {"COM3 and COM4", {3, 4}, 0, 3}, {"COM1 held, COM2 free", {1, 2}, 1, 2},
        {"only COM5", {5}, 0, 1},        {"only COM4 and it is held", {4}, 4, 1},
    };
    for (const PortCase& c : kCases) {
        std::map<int, std::unique_ptr<SimulatedComPort>> ports;
        for (int n : c.present) {
            ports[n] = std::make_unique<SimulatedComPort>(fastSimOptions(),
                                                          SimulatedComPort::demoDeviceImage(), n);
        }
        auto resolver = [&ports](std::int32_t n) -> std::optional<std::string> {
            auto it = ports.find(n);
            if (it == ports.end()) {
                return std::nullopt;
            }
            return it->second->resolver()(n);
        };
        scom holder(c.heldElsewhere, resolver);
        if (c.heldElsewhere != 0) {
            ASSERT_EQ(holder.open(), ScomResult::Ok) << c.name;
        }
        scom com(1, resolver);
        EXPECT_EQ(initialPort(com), c.expected) << c.name;
        EXPECT_FALSE(com.isOpen()) << c.name;
    }
}

}  // namespace
