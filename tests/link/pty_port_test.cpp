// The POSIX port's own failures, produced for real on a pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <thread>

#include "link/frames.h"
#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/simulated_com_port.h"

using namespace pemlar;

namespace {

class PtyPort : public ::testing::Test {
protected:
    int openPlainly() { return ::open(port.sim().devicePath().c_str(), O_RDWR | O_NOCTTY); }

    SimulatedComPort port;
    scom com{port.comNumber(), port.resolver(), instantClock()};
};

// Another program asked for the status and went away without reading the reply; left
// waiting, it would open the next reply and fail its check value.
TEST_F(PtyPort, OpenDropsAReplyThatCameWhileThePortWasClosed) {
    const int other = openPlainly();
    const std::uint8_t request[] = {0xAA, 0x55, 0x04, 0x00, 0x01, 0x03};
    ASSERT_EQ(::write(other, request, sizeof request), 6);
    pollfd reply{other, POLLIN, 0};
    ASSERT_EQ(::poll(&reply, 1, 2000), 1);  // the simulator sends it in one piece
    ::close(other);
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
    EXPECT_EQ(com.lastFailure().name, "POLLHUP");
}

// A killed program runs none of its code: nothing it set on the terminal may outlive it.
TEST_F(PtyPort, KilledHolderLeavesThePortUsable) {
    int ready[2];
    ASSERT_EQ(::pipe2(ready, O_CLOEXEC), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);  // never kill(-1)
    if (holder == 0) {
        const char opened = com.open() == ScomResult::Ok ? 1 : 0;
        [[maybe_unused]] const ssize_t told = ::write(ready[1], &opened, 1);
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char opened = 0;
    EXPECT_EQ(::read(ready[0], &opened, 1), 1);
    ::close(ready[0]);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ASSERT_EQ(opened, 1);

    const int plain = openPlainly();  // root ignores exclusive mode: ask the terminal
    int exclusive = -1;
    EXPECT_EQ(::ioctl(plain, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0) << "exclusive mode outlived its program";
    ::close(plain);
    EXPECT_EQ(com.open(), ScomResult::Ok);
}

// The system's reason, completed by scom with the result, port and device; a reply
// that came short says how far it got.
TEST_F(PtyPort, FailuresNameTheStepAndTheSystemsReason) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    const pemlar::PortFailure held = com.probeFailure(port.comNumber()).value();
    EXPECT_EQ(held.step, pemlar::PortStep::Lock);
    EXPECT_EQ(held.name, "EAGAIN");
    EXPECT_EQ(held.kind, pemlar::FailureKind::Busy);
    EXPECT_NE(held.holder.find("(PID " + std::to_string(::getpid()) + ")"), std::string::npos)
        << "the lock's holder, here this test: " << held.holder;
    EXPECT_EQ(held.device, port.resolver()(port.comNumber()));
    EXPECT_FALSE(held.text.empty());
    port.sim().setFault(SimFault::Short);
    EepromImage image{};
    EXPECT_EQ(com.readEeprom(image), ScomResult::TransferError);
    EXPECT_EQ(com.lastFailure().transferred, 261u);
    EXPECT_TRUE(com.lastFailure().name.empty()) << "no refusal of the system";

    std::ofstream(port.mappingFolder() / "file") << "not a serial port";
    port.link(9, port.mappingFolder() / "file");
    com.setPort(9);
    EXPECT_EQ(com.open(), ScomResult::InitFailed);
    EXPECT_EQ(com.lastFailure().name, "ENOTTY");
    EXPECT_EQ(com.lastFailure().port, 9);
    EXPECT_EQ(com.probeFailure(9).value().kind, pemlar::FailureKind::NotSerial)
        << "opens, yet is no port";
}

}  // namespace
