// The server keeps what it received within a fixed bound, however long it serves.
#include <gtest/gtest.h>

#include "link/frames.h"
#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/simulated_com_port.h"

using namespace pemlar;

TEST(SimServer, KeepsOnlyTheLatestBytesItReceived) {
    SimulatedComPort port;
    scom com(port.comNumber(), port.resolver(), instantClock());
    ASSERT_EQ(com.open(), ScomResult::Ok);
    // Data frames out of turn: the instrument skips them, the server records them.
    for (std::size_t i = 0; i <= kSimReceivedKept / kDataFrameSize; ++i) {
        ASSERT_EQ(com.sendPage(0, EepromImage{}), ScomResult::Ok);
    }
    std::uint8_t status = 0xFF;
    ASSERT_EQ(com.queryStatus(status), ScomResult::Ok);  // all before it has been taken
    const std::vector<std::uint8_t> received = port.sim().received();
    ASSERT_EQ(received.size(), kSimReceivedKept);
    EXPECT_EQ(received.back(), 0x03) << "the status request came last";
}
