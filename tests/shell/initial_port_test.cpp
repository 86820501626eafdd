#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link/scom.h"
#include "shell/ta_pemlare.h"

namespace {

// A pseudo-terminal whose slave side stands in for a serial port.
class Pty {
public:
    Pty() {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            path_ = name;
        }
    }
    ~Pty() {
        if (master_ >= 0) {
            close(master_);
        }
        if (slave_ >= 0) {
            close(slave_);
        }
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    const std::string& path() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

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
        std::map<int, std::unique_ptr<Pty>> ptys;
        for (int n : c.present) {
            ptys[n] = std::make_unique<Pty>();
            ASSERT_FALSE(ptys[n]->path().empty());
        }
        auto resolver = [&ptys](std::int32_t n) -> std::optional<std::string> {
            auto it = ptys.find(n);
            if (it == ptys.end()) {
                return std::nullopt;
            }
            return it->second->path();
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
