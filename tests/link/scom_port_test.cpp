// scom's port handling against a port double that can refuse any step.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "link/frames.h"
#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/scripted_port.h"

using namespace pemlar;

namespace {

PortResolver fakeDevices() {
    return [](std::int32_t n) -> std::optional<std::string> {
        if (n < 1 || n > 9) {
            return std::nullopt;
        }
        return "/dev/fake" + std::to_string(n);
    };
}

class ScomPort : public ::testing::Test {
protected:
    std::shared_ptr<ScriptedPorts> lines = std::make_shared<ScriptedPorts>();
    scom com{7, fakeDevices(), instantClock(), ScriptedPorts::factory(lines)};
};

TEST_F(ScomPort, OpenRunsTheFourStepsInOrderThenDropsStaleInput) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EXPECT_EQ(lines->record.calls,
              (std::vector<std::string>{"open /dev/fake7", "setTimeouts", "setState",
                                        "buildState COM7:9600,n,8,1", "setState", "purge input"}));
    EXPECT_EQ(lines->record.timeouts.at(0), (CommTimeouts{0xFFFFFFFF, 10, 1000, 10, 1000}));
    ASSERT_EQ(lines->record.states.size(), 2u);
    EXPECT_TRUE(lines->record.states[0].outxCtsFlow);
    EXPECT_FALSE(lines->record.states[1].outxCtsFlow) << "the definition ends CTS flow control";
    EXPECT_EQ(lines->record.states[1].baudRate, 9600u);
    EXPECT_EQ(com.currentLineSettings(), lines->record.states[1]);
    EXPECT_TRUE(com.isOpen());
    EXPECT_NE(com.getHandle(), kInvalidPortHandle);
    EXPECT_EQ(lines->record.openNow, 1);
}

// A probe must not wait the full second: Windows' driver waits by the applied records.
TEST_F(ScomPort, AReadLimitIsAppliedAsTheReadTimeouts) {
    com.setReadLimit(650);
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EXPECT_EQ(lines->record.timeouts.at(0), (CommTimeouts{0xFFFFFFFF, 0, 650, 10, 1000}));
    ASSERT_EQ(com.close(), ScomResult::Ok);
    com.setReadLimit(0);
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EXPECT_EQ(lines->record.timeouts.at(1), (CommTimeouts{0xFFFFFFFF, 10, 1000, 10, 1000}));
}

TEST_F(ScomPort, EveryRefusedStepLeavesNothingOpen) {
    struct Case {
        bool refuseOpen;
        ConfigStep refuse;
        ScomResult expected;
        std::size_t callsBeforeClose;
    };
    const Case cases[] = {
        {true, ConfigStep::None, ScomResult::OpenFailed, 1},
        {false, ConfigStep::Timeouts, ScomResult::InitFailed, 2},
        {false, ConfigStep::FirstState, ScomResult::InitFailed, 3},
        {false, ConfigStep::BuildState, ScomResult::InitFailed, 4},
        {false, ConfigStep::SecondState, ScomResult::InitFailed, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.refuse));
        lines->record = {};
        lines->script.refuseOpen = c.refuseOpen;
        lines->script.refuse = c.refuse;
        EXPECT_EQ(com.open(), c.expected);
        EXPECT_EQ(lines->record.openNow, 0);
        EXPECT_FALSE(com.isOpen());
        EXPECT_EQ(com.getHandle(), kInvalidPortHandle);
        const auto& calls = lines->record.calls;
        ASSERT_GE(calls.size(), c.callsBeforeClose);
        if (c.expected == ScomResult::InitFailed) {
            EXPECT_EQ(calls.size(), c.callsBeforeClose + 1);
            EXPECT_EQ(calls.back(), "close");
        } else {
            EXPECT_EQ(calls.size(), c.callsBeforeClose);
        }
        // Nothing was left behind: the next attempt, with the port willing, works.
        lines->script = {};
        EXPECT_EQ(com.open(), ScomResult::Ok);
        EXPECT_EQ(com.close(), ScomResult::Ok);
        EXPECT_EQ(lines->record.openNow, 0);
    }
}

TEST_F(ScomPort, UnmappedNumberDoesNotOpenAnything) {
    com.setPort(12);
    EXPECT_EQ(com.getPort(), 12);
    EXPECT_EQ(com.open(), ScomResult::OpenFailed);
    EXPECT_TRUE(lines->record.calls.empty());
    EXPECT_FALSE(com.probe(12));
    EXPECT_FALSE(com.probe(0));
    EXPECT_TRUE(lines->record.calls.empty());
}

TEST_F(ScomPort, ProbeClosesAgainAndKeepsThePort) {
    EXPECT_TRUE(com.probe(3));
    EXPECT_EQ(lines->record.calls, (std::vector<std::string>{"open /dev/fake3", "close"}));
    EXPECT_EQ(com.getPort(), 7);
    lines->script.refuseOpen = true;
    EXPECT_FALSE(com.probe(3));
    EXPECT_EQ(lines->record.openNow, 0);
}

TEST_F(ScomPort, ProbeLeavesAnOpenPortAlone) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    const PortHandle handle = com.getHandle();
    com.probe(4);
    EXPECT_TRUE(com.isOpen());
    EXPECT_EQ(com.getHandle(), handle);
    EXPECT_EQ(lines->record.openNow, 1);
}

TEST_F(ScomPort, OpenAgainClosesTheFirstPort) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EXPECT_EQ(lines->record.openNow, 1);
}

TEST_F(ScomPort, ClosePurgesFirstAndCountsAsClosedEvenWhenItFails) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    lines->record.calls.clear();
    EXPECT_EQ(com.close(), ScomResult::Ok);
    EXPECT_EQ(lines->record.calls, (std::vector<std::string>{"purge", "close"}));

    ASSERT_EQ(com.open(), ScomResult::Ok);
    lines->script.closeFails = true;
    EXPECT_EQ(com.close(), ScomResult::CloseFailed);
    EXPECT_FALSE(com.isOpen());
    EXPECT_EQ(lines->record.openNow, 0);
    EXPECT_EQ(com.close(), ScomResult::CloseFailed) << "nothing left to close";
}

TEST_F(ScomPort, WriteRule) {
    struct Case {
        const char* name;
        Transfer outcome;
        ScomResult expected;
    };
    const Case cases[] = {
        {"whole frame", {false, 6}, ScomResult::Ok},
        {"nothing before the time-out", {false, 0}, ScomResult::Timeout},
        {"part of the frame", {false, 5}, ScomResult::TransferError},
        {"one byte", {false, 1}, ScomResult::TransferError},
        {"call failed", {true, 0}, ScomResult::TransferError},
        {"call failed after some bytes", {true, 6}, ScomResult::TransferError},
    };
    ASSERT_EQ(com.open(), ScomResult::Ok);
    for (const Case& c : cases) {
        lines->script.writes = {c.outcome};
        EXPECT_EQ(com.sendRequest(kCommandQueryStatus, 0), c.expected) << c.name;
    }
    EXPECT_EQ(lines->record.writeBudgets.back(), std::chrono::milliseconds(10 * 6 + 1000));
    lines->record.calls.clear();
    EXPECT_EQ(com.sendPage(1, EepromImage{}), ScomResult::Ok);
    EXPECT_EQ(lines->record.calls, (std::vector<std::string>{"write 262"}))
        << "a frame goes out in one write";
    EXPECT_EQ(lines->record.writeBudgets.back(), std::chrono::milliseconds(10 * 262 + 1000));
}

TEST_F(ScomPort, ReadRule) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    std::array<std::uint8_t, 1> payload{0x5A};
    const Bytes good = replyFrame({0x00}, 0x04, 0x00);

    lines->script.readFails = true;
    EXPECT_EQ(com.receiveFrame(payload, 7), ScomResult::Timeout) << "a failed read call";
    lines->script.readFails = false;

    EXPECT_EQ(com.receiveFrame(payload, 7), ScomResult::TransferError) << "no reply at all";
    lines->script.replies = {Bytes(good.begin(), good.end() - 1)};
    EXPECT_EQ(com.receiveFrame(payload, 7), ScomResult::TransferError) << "one byte short";
    EXPECT_EQ(payload[0], 0x5A) << "nothing copied from a failed read";
    EXPECT_EQ(lines->record.readBudgets.back(), std::chrono::milliseconds(10 * 7 + 1000));

    lines->script.replies = {good};
    EXPECT_EQ(com.receiveFrame(payload, 7), ScomResult::Ok);
    EXPECT_EQ(payload[0], 0x00);
    EXPECT_EQ(lines->record.calls.back(), "read 7") << "the reply is asked for whole";
}

TEST_F(ScomPort, FrameOperationsWithoutAnOpenPortFail) {
    std::array<std::uint8_t, 1> payload{};
    EXPECT_EQ(com.sendRequest(kCommandReadPage, 1), ScomResult::TransferError);
    EXPECT_EQ(com.receiveFrame(payload, 7), ScomResult::Timeout);
    EXPECT_TRUE(lines->record.calls.empty());
}

TEST_F(ScomPort, BadArgumentsAreRefusedWithoutTouchingTheLine) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    lines->record.calls.clear();
    EepromImage image{};
    std::array<std::uint8_t, 256> big{};
    std::array<std::uint8_t, 1> small{};
    EXPECT_EQ(com.sendPage(8, image), ScomResult::TransferError);
    EXPECT_EQ(com.sendPage(-1, image), ScomResult::TransferError);
    EXPECT_EQ(com.receivePage(8, image), ScomResult::TransferError);
    EXPECT_EQ(com.receiveFrame(big, 6), ScomResult::TransferError);
    EXPECT_EQ(com.receiveFrame(big, 263), ScomResult::TransferError);
    EXPECT_EQ(com.receiveFrame(small, 8), ScomResult::TransferError) << "destination too small";
    EXPECT_TRUE(lines->record.calls.empty());
}

}  // namespace
