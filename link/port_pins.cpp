#include "link/port_pins.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace pemlar {

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
    pins_[n] = stableNames_.empty() ? linkedDevice(*device)
                                    : stableDeviceName(linkedDevice(*device), stableNames_);
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
