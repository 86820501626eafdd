#pragma once
// A tick counter for `scom` that moves only when slept on, so pauses end at once and
// last exactly what they asked for.

#include <cstdint>
#include <memory>
#include <vector>

#include "link/scom_clock.h"

namespace pemlar {

class FakeTicks {
public:
    explicit FakeTicks(std::uint32_t start = 0);
    ScomClock asClock() const;
    std::uint32_t now() const;
    // Every sleep asked for, in milliseconds.
    std::vector<std::uint32_t> sleeps() const;
    // From now on a sleep advances the counter by only this share (1/n) of what it
    // asked for, at least by 1, as a coarse or early-waking sleep would.
    void sleepShortBy(std::uint32_t divisor);

private:
    struct State {
        std::uint32_t ticks = 0;
        std::uint32_t divisor = 1;
        std::vector<std::uint32_t> sleeps;
    };
    std::shared_ptr<State> state_;
};

// Pauses that take no time at all.
ScomClock instantClock();

}  // namespace pemlar
