#include "framework/group_navigation.h"

namespace pemlar::fw {

std::optional<std::size_t> nextInGroup(std::span<const GroupMember> controls, std::size_t from,
                                       bool forward) {
    const std::size_t n = controls.size();
    if (from >= n) {
        return std::nullopt;
    }
    std::size_t first = from;
    while (first > 0 && !controls[first].startsGroup) {
        --first;
    }
    std::size_t end = from + 1;
    while (end < n && !controls[end].startsGroup) {
        ++end;
    }
    const std::size_t size = end - first;
    for (std::size_t step = 1; step < size; ++step) {
        const std::size_t offset = (from - first + (forward ? step : size - step)) % size;
        if (controls[first + offset].canTakeFocus) {
            return first + offset;
        }
    }
    return std::nullopt;
}

}  // namespace pemlar::fw
