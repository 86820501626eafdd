#pragma once
// Which COM numbers a program offers, by one rule for the window's list and the
// command line: every number with a device, the device identified first, so that the
// system console and UARTs without a chip are never opened; the rest probed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/port_failure.h"
#include "link/port_identity.h"
#include "link/port_resolver.h"
#include "link/scom_clock.h"

namespace pemlar {

class scom;

inline constexpr std::int32_t kFirstScannedPort = 1;
inline constexpr std::int32_t kLastScannedPort = kLastComNumber - 1;  // the last is never tried

struct ScannedPort {
    std::int32_t number = 0;
    std::string device;  // what the number resolves to (a mapping entry, a table device)
    PortIdentity identity;
    // Why it cannot be opened now; nothing when it can. A withheld port is not probed
    // and has none either: ask identity.withheld first.
    std::optional<PortFailure> failure;
    bool free() const { return identity.withheld.empty() && !failure; }
};

// COM1-COM254 in order, each probed with `com` unless withheld. Numbers without a
// device, and devices that are not there (the fixed table names far more than a machine
// has, Windows lists its ports), are left out unless the user mapped them (a symbolic
// link, dangling or not). `chosen` (the port the user chose, 0 for none) is probed even
// when the system does not list it, and kept when it opens: a port made by hand, which
// no driver lists, must not vanish from under the technician who picked it.
std::vector<ScannedPort> scanPorts(scom& com, const PortResolver& resolve,
                                   const PortIdentifier& identify, std::int32_t chosen = 0);

// COM<n> identified without opening anything, when its device is there (or the user
// mapped the number, or `chosen`: then it may still be absent); nothing otherwise.
std::optional<ScannedPort> presentPort(const PortResolver& resolve, const PortIdentifier& identify,
                                       std::int32_t n, bool chosen = false);

// The same without opening anything: the numbers whose device is there, identified.
std::vector<ScannedPort> presentPorts(const PortResolver& resolve, const PortIdentifier& identify,
                                      std::int32_t chosen = 0);

// Asks the instrument on COM<n> for its status (command 4, which changes nothing) and
// tells whether a valid reply came; gives up after at most `limit` on the port.
bool instrumentAnswers(const PortResolver& resolve, std::int32_t n, std::int32_t limitMs = 1000,
                       ScomClock clock = systemScomClock());

// instrumentAnswers for each of `numbers` at once, one thread each; in their order.
std::vector<bool> probeInstruments(const PortResolver& resolve,
                                   const std::vector<std::int32_t>& numbers,
                                   std::int32_t limitMs = 1000);

}  // namespace pemlar
