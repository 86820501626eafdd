// The server keeps what it received within a fixed bound, however long it serves.
#include <gtest/gtest.h>

#include "link/frames.h"
#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/simulated_com_port.h"

namespace {

TEST(SimServer, KeepsOnlyTheLatestBytesItReceived) {
    SimulatedComPort port;
    scom com(port.comNumber(), port.resolver(), instantClock());
    ASSERT_EQ(com.open(), ScomResult::Ok);
    // Data frames out of turn: the instrument skips them, the server records them.
    const EepromImage zeros{};
    const std::size_t frames = kSimReceivedKept / kDataFrameSize + 10;
    for (std::size_t i = 0; i < frames; ++i) {
        ASSERT_EQ(com.sendPage(0, zeros), ScomResult::Ok);
    }
    std::uint8_t status = 0xFF;
    ASSERT_EQ(com.queryStatus(status), ScomResult::Ok);  // everything before it was taken
    ASSERT_EQ(com.close(), ScomResult::Ok);

    const Bytes received = port.sim().received();
    ASSERT_EQ(received.size(), kSimReceivedKept);
    EXPECT_EQ(Bytes(received.end() - 6, received.end()),
              (Bytes{0xAA, 0x55, 0x04, 0x00, 0x01, 0x03}));
    EXPECT_EQ(Bytes(received.end() - 6 - kDataFrameSize, received.end() - 6),
              concat({{0xAA, 0x55, 0x01, 0x00}, Bytes(kPageSize, 0), {0x01, 0x00}}));
}

}  // namespace
