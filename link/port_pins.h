#pragma once
// A COM number resolved once and kept: once a program has listed, chosen or opened
// COM<n>, the number keeps meaning that device for the run, even when the mapping entry
// that named it goes away or points elsewhere. A device that vanishes then fails to
// open; the number never silently falls back to the fixed table's device. Safe to share
// between threads (one series station per port).

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "link/port_resolver.h"

namespace pemlar {

// Where the system names each USB adapter by what it is (/dev/serial/by-id); empty
// where numbers name the devices themselves (Windows).
std::filesystem::path stableDeviceFolder();

// `device`'s entry in `folder` when one leads to the same device, else `device`; `device`
// itself when it leads nowhere or already lies in `folder`. Asks the file system only
// where stableDeviceFolder() is not empty.
std::string stableDeviceName(const std::string& device, const std::filesystem::path& folder);

class PortPins {
public:
    // A device that has an entry in `stableNames` is kept by that entry, which comes back
    // only with the same USB adapter (its node, /dev/ttyUSB0, goes to whichever adapter
    // comes next); an empty folder keeps every device by its own name.
    explicit PortPins(PortResolver base = systemPortResolver(),
                      std::filesystem::path stableNames = stableDeviceFolder());
    PortPins(const PortPins&) = delete;
    PortPins& operator=(const PortPins&) = delete;

    // Resolves COM<n> through the base resolver unless it is pinned already, and keeps
    // the device (a number without one stays free to get one). A mapping entry (a symbolic link) is
    // kept as what it points to, so a link to /dev/serial/by-id/... still follows the adapter, and
    // a removed entry does not let the number slip to another device.
    std::optional<std::string> pin(std::int32_t n);
    // Forgets COM<n>'s device (a user who maps the number anew).
    void release(std::int32_t n);
    bool pinned(std::int32_t n) const;

    // The pinned device of COM<n>, or what the base resolver says now (without pinning).
    std::optional<std::string> device(std::int32_t n) const;
    // device() as a resolver for `scom`; the pins must outlive it.
    PortResolver resolver() const;

private:
    PortResolver base_;
    std::filesystem::path stableNames_;
    mutable std::mutex mutex_;
    std::map<std::int32_t, std::string> pins_;
};

}  // namespace pemlar
