// How long the start-up port scan takes: scom::probe for COM1-COM254, through the real
// resolver with its per-user mapping folder. The folder (in a temporary config home)
// maps COM1-32 to pseudo-terminals, standing in for a machine with /dev/ttyS0-31, and
// every other number to a device that is not there, so no real port is ever opened.
// Goal: well under 50 ms.

#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "link/port_resolver.h"
#include "link/scom.h"
#include "ui/port_list.h"

namespace pemlar {

namespace {

namespace fs = std::filesystem;

struct Pty {
    int master = -1;
    int slave = -1;
    std::string name;
    ~Pty() {
        if (slave >= 0) {
            close(slave);
        }
        if (master >= 0) {
            close(master);
        }
    }
};

constexpr int kPresentPorts = 32;
constexpr int kRounds = 25;

}  // namespace

}  // namespace pemlar

using namespace pemlar;

int main() {
    const fs::path home = fs::temp_directory_path() / ("bench_ports_" + std::to_string(getpid()));
    const fs::path folder = home / "Nirvel" / "Pemlar" / "ports";
    fs::create_directories(folder);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);

    std::vector<Pty> ptys(kPresentPorts);
    for (Pty& pty : ptys) {
        char name[256] = {};
        if (openpty(&pty.master, &pty.slave, name, nullptr, nullptr) != 0) {
            std::perror("openpty");
            fs::remove_all(home);
            return 1;
        }
        pty.name = name;
    }
    for (std::int32_t n = kFirstProbedPort; n <= kLastProbedPort; ++n) {
        const fs::path target =
            n <= kPresentPorts ? fs::path(ptys[n - 1].name) : home / ("absent" + std::to_string(n));
        fs::create_symlink(target, folder / ("COM" + std::to_string(n)));
    }

    scom com(1, systemPortResolver());
    std::vector<double> millis;
    int found = 0;
    for (int round = 0; round < kRounds; ++round) {
        found = 0;
        const auto start = std::chrono::steady_clock::now();
        for (std::int32_t n = kFirstProbedPort; n <= kLastProbedPort; ++n) {
            found += com.probe(n) ? 1 : 0;
        }
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        millis.push_back(took.count());
    }
    fs::remove_all(home);

    std::sort(millis.begin(), millis.end());
    std::printf(
        "bench_ports: probing COM%d-COM%d (%d present, mapping folder): "
        "median %.2f ms, best %.2f ms, worst %.2f ms over %d rounds (goal < 50 ms)\n",
        kFirstProbedPort, kLastProbedPort, found, millis[millis.size() / 2], millis.front(),
        millis.back(), kRounds);
    return found == kPresentPorts ? 0 : 1;
}
