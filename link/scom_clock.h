#pragma once
// Time as `scom::pause` sees it: a millisecond tick counter that wraps at 2^32 and a
// way to sleep. Tests inject a fake to run pauses without waiting.

#include <cstdint>
#include <functional>

namespace pemlar {

struct ScomClock {
    std::function<std::uint32_t()> tickCount;
    std::function<void(std::uint32_t milliseconds)> sleepFor;
};

// A monotonic clock and a real sleep.
ScomClock systemScomClock();

}  // namespace pemlar
