#include <gtest/gtest.h>

#include "link/scom.h"
#include "tests/support/fake_clock.h"

using namespace pemlar;

namespace {

TEST(Pause, WaitsAtLeastTheTimeAskedOnAWrappingCounter) {
    struct Case {
        const char* name;
        std::uint32_t start;
        std::int32_t ms;
        std::uint32_t sleepDivisor;
        bool sleeps;
    };
    const Case cases[] = {
        {"zero returns at once", 100, 0, 1, false},
        {"negative returns at once", 100, -5, 1, false},
        {"most negative", 100, INT32_MIN, 1, false},
        {"plain", 1000, 600, 1, true},
        {"across the wrap", 0xFFFFFF00u, 1000, 1, true},
        {"ending on the wrap", 0xFFFFFFFFu - 299, 300, 1, true},
        {"one tick before the wrap", 0xFFFFFFFFu, 1, 1, true},
        {"early-waking sleeps, across the wrap", 0xFFFFFFF0u, 1200, 7, true},
    };
    for (const Case& c : cases) {
        FakeTicks ticks(c.start);
        ticks.sleepShortBy(c.sleepDivisor);
        scom com(
            1, [](std::int32_t) { return std::nullopt; }, ticks.asClock());
        const std::int32_t waited = com.pause(c.ms);
        const auto passed = static_cast<std::int32_t>(ticks.now() - c.start);
        EXPECT_EQ(waited, passed) << c.name;
        EXPECT_GE(waited, c.ms) << c.name;
        EXPECT_EQ(!ticks.sleeps().empty(), c.sleeps) << c.name;
        if (c.sleepDivisor == 1 && c.ms > 0) {
            EXPECT_EQ(waited, c.ms) << c.name << ": no more than asked with exact sleeps";
            EXPECT_EQ(ticks.sleeps().size(), 1u) << c.name << ": sleeps instead of spinning";
        }
    }
}

}  // namespace
