// How long listing the ports takes: the start-up port scan (scom::probe for COM1-COM254),
// `pemlar-cli ports` and `pemlar-cli ports --probe`, each with 32 ports present. A
// mapping folder in a temporary config home maps COM1-32 to pseudo-terminals and every
// other number to a device that is not there, so no real port is ever opened. For the
// probe half of the 32 have a simulated instrument behind them and half stay silent,
// which costs the probe its whole limit. Goals: scan well under 50 ms, probe at most
// 1.2 s in all.

#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "link/port_resolver.h"
#include "link/port_scan.h"
#include "link/scom.h"
#include "sim/demo_image.h"
#include "sim/sim_server.h"

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

struct Figures {
    double median;
    double best;
    double worst;
};

Figures timed(int rounds, const std::function<void()>& run) {
    std::vector<double> millis;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        millis.push_back(took.count());
    }
    std::sort(millis.begin(), millis.end());
    return {millis[millis.size() / 2], millis.front(), millis.back()};
}

}  // namespace

}  // namespace pemlar

using namespace pemlar;

int main() {
    const fs::path home = fs::temp_directory_path() / ("bench_ports_" + std::to_string(getpid()));
    const fs::path folder = home / "Nirvel" / "Pemlar" / "ports";
    fs::create_directories(folder);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);

    // COM1-16: simulated instruments; COM17-32: pseudo-terminals nobody answers on.
    std::vector<std::unique_ptr<SimServer>> sims;
    std::vector<Pty> ptys(kPresentPorts / 2);
    std::vector<std::string> devices;
    for (int i = 0; i < kPresentPorts / 2; ++i) {
        std::string error;
        SimOptions options;
        options.fast = true;
        sims.push_back(SimServer::onPty(demoImage(), options, error));
        if (!sims.back()) {
            std::fprintf(stderr, "bench_ports: %s\n", error.c_str());
            fs::remove_all(home);
            return 1;
        }
        devices.push_back(sims.back()->devicePath());
    }
    for (Pty& pty : ptys) {
        char name[256] = {};
        if (openpty(&pty.master, &pty.slave, name, nullptr, nullptr) != 0) {
            std::perror("openpty");
            fs::remove_all(home);
            return 1;
        }
        pty.name = name;
        devices.push_back(name);
    }
    for (std::int32_t n = kFirstScannedPort; n <= kLastScannedPort; ++n) {
        const fs::path target = n <= kPresentPorts
                                    ? fs::path(devices[static_cast<std::size_t>(n - 1)])
                                    : home / ("absent" + std::to_string(n));
        fs::create_symlink(target, folder / ("COM" + std::to_string(n)));
    }
    // Only the folder's entries: the fixed table's devices are never reached.
    const PortResolver resolver = mappingFolderResolver(folder);

    scom com(1, resolver);
    int found = 0;
    const Figures scan = timed(25, [&] {
        found = 0;
        for (std::int32_t n = kFirstScannedPort; n <= kLastScannedPort; ++n) {
            found += com.probe(n) ? 1 : 0;
        }
    });

    std::size_t listed = 0;
    std::size_t answered = 0;
    const auto cli = [&](std::vector<std::string> words) {
        std::ostringstream out;
        std::ostringstream err;
        CliEnvironment env{out, err, resolver};
        runCli(words, env);
        const std::string text = out.str();
        listed = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        answered = 0;
        for (std::size_t at = text.find("Messgerät antwortet"); at != std::string::npos;
             at = text.find("Messgerät antwortet", at + 1)) {
            ++answered;
        }
    };
    const Figures ports = timed(10, [&] { cli({"ports"}); });
    const std::size_t portsListed = listed;
    const Figures probe = timed(5, [&] { cli({"ports", "--probe"}); });
    sims.clear();
    fs::remove_all(home);

    std::printf(
        "bench_ports: probing COM%d-COM%d (%d present, mapping folder): "
        "median %.2f ms, best %.2f ms, worst %.2f ms over 25 rounds (goal < 50 ms)\n",
        kFirstScannedPort, kLastScannedPort, found, scan.median, scan.best, scan.worst);
    std::printf(
        "bench_ports: pemlar-cli ports (%zu listed): median %.2f ms, best %.2f ms, "
        "worst %.2f ms over 10 rounds\n",
        portsListed, ports.median, ports.best, ports.worst);
    std::printf(
        "bench_ports: pemlar-cli ports --probe (%zu listed, %zu instruments answered, %d "
        "silent): median %.0f ms, best %.0f ms, worst %.0f ms over 5 rounds (goal <= 1200 ms)\n",
        listed, answered, kPresentPorts / 2, probe.median, probe.best, probe.worst);
    return found == kPresentPorts ? 0 : 1;
}
