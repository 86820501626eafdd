#include "tests/support/fake_clock.h"

#include <algorithm>

namespace pemlar {

FakeTicks::FakeTicks(std::uint32_t start) : state_(std::make_shared<State>()) {
    state_->ticks = start;
}

ScomClock FakeTicks::asClock() const {
    return {
        .tickCount = [state = state_] { return state->ticks; },
        .sleepFor =
            [state = state_](std::uint32_t milliseconds) {
                state->sleeps.push_back(milliseconds);
                state->ticks += std::max<std::uint32_t>(milliseconds / state->divisor, 1);
            },
    };
}

std::uint32_t FakeTicks::now() const {
    return state_->ticks;
}

std::vector<std::uint32_t> FakeTicks::sleeps() const {
    return state_->sleeps;
}

void FakeTicks::sleepShortBy(std::uint32_t divisor) {
    state_->divisor = std::max(divisor, 1u);
}

ScomClock instantClock() {
    return FakeTicks().asClock();
}

}  // namespace pemlar
