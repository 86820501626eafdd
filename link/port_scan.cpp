#include "link/port_scan.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <thread>

#include "link/frames.h"
#include "link/scom.h"

namespace pemlar {

namespace {

bool mapped(const std::string& device) {
    std::error_code error;
    return std::filesystem::is_symlink(device, error);
}

}  // namespace

std::optional<ScannedPort> presentPort(const PortResolver& resolve, const PortIdentifier& identify,
                                       std::int32_t n, bool chosen) {
    const std::optional<std::string> device = resolve ? resolve(n) : std::nullopt;
    if (!device) {
        return std::nullopt;
    }
    ScannedPort port{n, *device, identify ? identify(*device) : PortIdentity{}, {}};
    // A chosen port that nothing withholds is tried even so: only opening it tells.
    const bool tried = chosen && port.identity.withheld.empty();
    if (!port.identity.exists && !tried && !mapped(*device)) {
        return std::nullopt;
    }
    return port;
}

std::vector<ScannedPort> presentPorts(const PortResolver& resolve, const PortIdentifier& identify,
                                      std::int32_t chosen) {
    std::vector<ScannedPort> ports;
    for (std::int32_t n = kFirstScannedPort; n <= kLastScannedPort; ++n) {
        if (std::optional<ScannedPort> port = presentPort(resolve, identify, n, n == chosen)) {
            ports.push_back(std::move(*port));
        }
    }
    return ports;
}

std::vector<ScannedPort> scanPorts(scom& com, const PortResolver& resolve,
                                   const PortIdentifier& identify, std::int32_t chosen) {
    std::vector<ScannedPort> ports;
    for (ScannedPort& port : presentPorts(resolve, identify, chosen)) {
        if (port.identity.withheld.empty()) {
            port.failure = com.probeFailure(port.number);
            if (port.failure && port.failure->kind == FailureKind::NotFound &&
                port.failure->step != PortStep::Resolve && !mapped(port.device)) {
                continue;  // Windows tells only now that there is no such port
            }
            if (port.failure && port.failure->step == PortStep::Resolve) {
                continue;
            }
        }
        ports.push_back(std::move(port));
    }
    return ports;
}

bool instrumentAnswers(const PortResolver& resolve, std::int32_t n, std::int32_t limitMs,
                       ScomClock clock) {
    scom com(n, resolve, std::move(clock));
    // The query's own pause counts against the limit; a reply of 7 bytes takes 7 ms.
    com.setReadLimit(std::max(limitMs - kQueryPause - 50, 50));
    if (com.open() != ScomResult::Ok) {
        return false;
    }
    std::uint8_t status = 0;
    const bool answered = com.queryStatus(status) == ScomResult::Ok;
    static_cast<void>(com.close());
    return answered;
}

std::vector<bool> probeInstruments(const PortResolver& resolve,
                                   const std::vector<std::int32_t>& numbers, std::int32_t limitMs) {
    std::vector<char> answered(numbers.size(), 0);
    std::vector<std::thread> probes;
    probes.reserve(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        probes.emplace_back(
            [&, i] { answered[i] = instrumentAnswers(resolve, numbers[i], limitMs) ? 1 : 0; });
    }
    for (std::thread& probe : probes) {
        probe.join();
    }
    return {answered.begin(), answered.end()};
}

}  // namespace pemlar
