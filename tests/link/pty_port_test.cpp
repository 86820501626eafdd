// The POSIX port's own failures, produced for real on a pseudo-terminal with the
// simulated instrument: stale input, a hang-up, a killed holder, and the reasons the
// port gives when it is refused.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <thread>

#include "link/frames.h"
#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/simulated_com_port.h"

namespace {

using pemlar::PortStep;

class PtyPort : public ::testing::Test {
protected:
    int openPlainly() {
        return ::open(port.sim().devicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }

    SimulatedComPort port;
    scom com{port.comNumber(), port.resolver(), instantClock()};
};

// Another program asked for the status and went away without reading the reply: the
// reply waits on the terminal and would open the next reply, failing its check value.
TEST_F(PtyPort, OpenDropsAReplyThatCameWhileThePortWasClosed) {
    const int other = openPlainly();
    ASSERT_GE(other, 0);
    const Bytes request = {0xAA, 0x55, 0x04, 0x00, 0x01, 0x03};
    ASSERT_EQ(::write(other, request.data(), request.size()), 6);
    int waiting = 0;
    for (int tries = 0; tries < 200 && waiting < kStatusReplySize; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_EQ(::ioctl(other, FIONREAD, &waiting), 0);
    }
    ::close(other);
    ASSERT_EQ(waiting, kStatusReplySize);

    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage image{};
    EXPECT_EQ(com.readEeprom(image), ScomResult::Ok);
}

TEST_F(PtyPort, HangUpDuringAReadIsAFailedReadCall) {
    port.sim().setFault(SimFault::Silent);
    ASSERT_EQ(com.open(), ScomResult::Ok);
    ASSERT_EQ(com.sendRequest(kCommandReadPage, kAddressPage), ScomResult::Ok);
    std::thread gone([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        port.sim().hangUp();
    });
    EepromImage image{};
    EXPECT_EQ(com.receivePage(kAddressPage, image), ScomResult::Timeout);
    gone.join();
    EXPECT_EQ(image, EepromImage{});
    EXPECT_EQ(com.lastFailure().step, PortStep::Read);
    EXPECT_EQ(com.lastFailure().name, "POLLHUP");
    com.close();
}

// The kernel closes a killed program's descriptors but runs none of its code: nothing
// the program set on the terminal may outlive it.
TEST_F(PtyPort, KilledHolderLeavesThePortUsable) {
    std::array<int, 2> ready{};
    ASSERT_EQ(::pipe2(ready.data(), O_CLOEXEC), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        scom own(port.comNumber(), port.resolver(), instantClock());
        const char opened = own.open() == ScomResult::Ok ? 1 : 0;
        [[maybe_unused]] const ssize_t told = ::write(ready[1], &opened, 1);
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char opened = 0;
    const ssize_t told = ::read(ready[0], &opened, 1);
    ::close(ready[0]);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ASSERT_EQ(told, 1);
    ASSERT_EQ(opened, 1) << "the holder could not open the port";

    // Root ignores exclusive mode, so ask the terminal whether it is still set.
    const int plain = openPlainly();
    ASSERT_GE(plain, 0) << std::strerror(errno);
    int exclusive = -1;
    EXPECT_EQ(::ioctl(plain, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0) << "exclusive mode outlived its program";
    ::close(plain);
    EXPECT_EQ(com.open(), ScomResult::Ok);
}

TEST_F(PtyPort, RefusalsNameTheStepAndTheSystemsCode) {
    const auto reasonFor = [this](std::int32_t n) { return com.probeFailure(n).value(); };
    const std::filesystem::path file = port.mappingFolder() / "plain-file";
    std::ofstream(file) << "not a serial port";
    port.link(8, port.mappingFolder() / "vanished");
    port.link(9, file);

    EXPECT_EQ(describePortFailure(reasonFor(3)), "COM3: keinem Gerät zugeordnet");
    EXPECT_EQ(reasonFor(8).step, PortStep::Open);
    EXPECT_EQ(
        describePortFailure(reasonFor(8)),
        "COM8 (" + (port.mappingFolder() / "COM8").string() + "): Gerät nicht vorhanden (ENOENT)");
    EXPECT_FALSE(com.probeFailure(port.comNumber()));

    ASSERT_EQ(com.open(), ScomResult::Ok);
    const pemlar::PortFailure held = reasonFor(port.comNumber());
    EXPECT_EQ(held.step, PortStep::Lock);
    EXPECT_EQ(held.code, EWOULDBLOCK);
    EXPECT_FALSE(held.text.empty());
    EXPECT_NE(describePortFailure(held).find("belegt von einem anderen Programm (EAGAIN / flock)"),
              std::string::npos);
    ASSERT_EQ(com.close(), ScomResult::Ok);

    com.setPort(9);
    EXPECT_EQ(com.open(), ScomResult::InitFailed);
    EXPECT_EQ(com.lastFailure().result, ScomResult::InitFailed);
    EXPECT_EQ(com.lastFailure().step, PortStep::Timeouts);
    EXPECT_EQ(com.lastFailure().name, "ENOTTY");
}

}  // namespace
