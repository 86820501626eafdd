#include "link/port_pins.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace pemlar {

namespace {

// A symbolic link as the path it names (relative targets taken from the link's
// folder); anything else as it is.
std::string kept(const std::string& device) {
    const std::filesystem::path path(device);
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return device;
    }
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) {
        return device;
    }
    return (path.parent_path() / target).lexically_normal().string();
}

}  // namespace

PortPins::PortPins(PortResolver base, std::filesystem::path stableNames)
    : base_(std::move(base)), stableNames_(std::move(stableNames)) {}

std::optional<std::string> PortPins::pin(std::int32_t n) {
    const std::lock_guard lock(mutex_);
    if (const auto found = pins_.find(n); found != pins_.end()) {
        return found->second;
    }
    std::optional<std::string> device = base_ ? base_(n) : std::nullopt;
    if (!device) {
        return std::nullopt;  // a number without a device may get one later
    }
    pins_[n] = stableNames_.empty() ? kept(*device) : stableDeviceName(kept(*device), stableNames_);
    return pins_[n];
}

void PortPins::release(std::int32_t n) {
    const std::lock_guard lock(mutex_);
    pins_.erase(n);
}

bool PortPins::pinned(std::int32_t n) const {
    const std::lock_guard lock(mutex_);
    return pins_.count(n) != 0;
}

std::optional<std::string> PortPins::device(std::int32_t n) const {
    {
        const std::lock_guard lock(mutex_);
        if (const auto found = pins_.find(n); found != pins_.end()) {
            return found->second;
        }
    }
    return base_ ? base_(n) : std::nullopt;
}

PortResolver PortPins::resolver() const {
    return [this](std::int32_t n) { return device(n); };
}

}  // namespace pemlar
