// The Windows serial port against a fake of the Win32 calls, for what Wine does not
// reproduce (see README.md): Wine opens a held port a second time, accepts device-control
// blocks that Windows refuses, never returns early from ReadFile, and fails calls with
// other error codes or not at all. Every case also checks that nothing stays open.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "link/frames.h"
#include "link/scom.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/win32/fake_comm_api.h"

using namespace pemlar;

namespace {

using pemlar::test::PrintTo;

using testing::Each;
using testing::ElementsAre;

constexpr std::int32_t kCom = 10;
const char* const kDevice = "\\\\.\\COM10";
const auto kPageDeadline = static_cast<ULONGLONG>(10 * kPageReplySize + 1000);

Bytes statusReply(std::uint8_t status) {
    return replyFrame({status}, kCommandQueryStatus, 0);
}

Bytes pageReply() {
    Bytes payload(kPageSize);
    for (int i = 0; i < kPageSize; ++i) {
        payload[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7);
    }
    return replyFrame(payload, kCommandReadPage, kAddressPage);
}

class Win32FakeApi : public testing::Test {
protected:
    Win32FakeApi() { fake.line().ports = {kDevice}; }

    std::unique_ptr<scom> comOn(std::int32_t n) const {
        return std::make_unique<scom>(n, systemPortResolver(), instantClock(),
                                      [api = fake.api()] { return makeWin32SerialPort(api); });
    }

    // Reads the address page at once after asking for it; the fake milliseconds it took.
    ULONGLONG timedPageRead(scom& com, ScomResult expected) {
        EXPECT_EQ(com.sendRequest(kCommandReadPage, kAddressPage), ScomResult::Ok);
        EepromImage image{};
        const ULONGLONG start = fake.now();
        EXPECT_EQ(com.receivePage(kAddressPage, image), expected);
        return fake.now() - start;
    }

    FakeCommApi fake;
};

// --- exclusive open: Wine hands out a second handle to a held port ---

TEST_F(Win32FakeApi, ExclusiveOpenIsRefusedWhileHeld) {
    const auto holder = comOn(kCom);
    ASSERT_EQ(holder->open(), ScomResult::Ok);
    const auto other = comOn(kCom);

    EXPECT_FALSE(other->probe(kCom));
    EXPECT_FALSE(holder->probe(kCom));  // the program's own open counts as well
    EXPECT_EQ(other->open(), ScomResult::OpenFailed);
    EXPECT_EQ(fake.openHandles(), 1);

    EXPECT_EQ(holder->close(), ScomResult::Ok);
    EXPECT_TRUE(other->probe(kCom));
    EXPECT_EQ(fake.openHandles(), 0);
    EXPECT_THAT(fake.record().shareModes, Each(0u));
}

// --- port names: only \\.\COM<n> reaches COM10 and above ---

struct PortCase {
    const char* name;
    int port;
};

class Win32FakeApiNames : public Win32FakeApi, public testing::WithParamInterface<PortCase> {};

TEST_P(Win32FakeApiNames, OpenUsesTheDevicePathAndTheDefinitionOfThePort) {
    const std::string n = std::to_string(GetParam().port);
    fake.line().ports = {"\\\\.\\COM" + n};
    const auto com = comOn(GetParam().port);
    ASSERT_EQ(com->open(), ScomResult::Ok);
    EXPECT_THAT(fake.record().openedNames, ElementsAre("\\\\.\\COM" + n));
    EXPECT_THAT(fake.record().definitions, ElementsAre("COM" + n + ":9600,n,8,1"));
}

INSTANTIATE_TEST_SUITE_P(Ports, Win32FakeApiNames,
                         testing::Values(PortCase{"Com1", 1}, PortCase{"Com9", 9},
                                         PortCase{"Com10", 10}, PortCase{"Com123", 123},
                                         PortCase{"Com256", 256}),
                         pemlar::test::caseName);

// --- settings: Wine takes device-control blocks that Windows refuses ---

TEST_F(Win32FakeApi, WindowsAcceptsBothDeviceControlBlocksInThisOrder) {
    const auto com = comOn(kCom);
    ASSERT_EQ(com->open(), ScomResult::Ok);

    const FakeRecord& record = fake.record();
    EXPECT_THAT(record.calls, ElementsAre("CreateFileA", "SetCommTimeouts", "SetCommState",
                                          "BuildCommDCBA", "SetCommState", "PurgeComm"));
    ASSERT_EQ(record.timeouts.size(), 1u);
    const COMMTIMEOUTS& t = record.timeouts[0];
    EXPECT_EQ(t.ReadIntervalTimeout, MAXDWORD);
    EXPECT_EQ(t.ReadTotalTimeoutMultiplier, 10u);
    EXPECT_EQ(t.ReadTotalTimeoutConstant, 1000u);
    EXPECT_EQ(t.WriteTotalTimeoutMultiplier, 10u);
    EXPECT_EQ(t.WriteTotalTimeoutConstant, 1000u);

    ASSERT_EQ(record.states.size(), 2u);
    EXPECT_EQ(record.states[0].fOutxCtsFlow, 1u);
    EXPECT_EQ(record.states[1].fOutxCtsFlow, 0u);
    for (const DCB& dcb : record.states) {
        EXPECT_EQ(dcb.BaudRate, 9600u);
        EXPECT_EQ(dcb.ByteSize, 8);
        EXPECT_EQ(dcb.Parity, NOPARITY);
        EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
        EXPECT_EQ(dcb.fBinary, 1u);
        EXPECT_EQ(dcb.fAbortOnError, 0u);
    }
}

struct RefusedStep {
    const char* name;
    const char* call;
    int occurrence;
};

class Win32FakeApiRefusedStep : public Win32FakeApi,
                                public testing::WithParamInterface<RefusedStep> {};

TEST_P(Win32FakeApiRefusedStep, InitFailsAndClosesThePortAgain) {
    fake.line().failures = {{GetParam().call, ERROR_INVALID_PARAMETER, GetParam().occurrence}};
    const auto com = comOn(kCom);
    EXPECT_EQ(com->open(), ScomResult::InitFailed);
    EXPECT_FALSE(com->isOpen());
    EXPECT_EQ(com->getHandle(), kInvalidPortHandle);
    EXPECT_EQ(fake.openHandles(), 0);
    EXPECT_EQ(fake.record().calls.back(), "CloseHandle");
    EXPECT_EQ(com->lastFailure().name, "ERROR_INVALID_PARAMETER");
    EXPECT_FALSE(com->lastFailure().text.empty()) << "the system's own text";
}

INSTANTIATE_TEST_SUITE_P(Steps, Win32FakeApiRefusedStep,
                         testing::Values(RefusedStep{"Timeouts", "SetCommTimeouts", 1},
                                         RefusedStep{"FirstState", "SetCommState", 1},
                                         RefusedStep{"Definition", "BuildCommDCBA", 1},
                                         RefusedStep{"SecondState", "SetCommState", 2}),
                         pemlar::test::caseName);

// --- error codes: what Windows reports when a port can't be had or goes away ---

struct OpenErrorCase {
    const char* name;
    DWORD error;
};

class Win32FakeApiOpenError : public Win32FakeApi,
                              public testing::WithParamInterface<OpenErrorCase> {};

TEST_P(Win32FakeApiOpenError, OpenFailsWithNothingOpen) {
    const DWORD error = GetParam().error;
    fake.line().failures = {{"CreateFileA", error, 1}};
    const auto com = comOn(kCom);
    EXPECT_EQ(com->probeFailure(kCom).value().code, error);
    fake.line().failures = {{"CreateFileA", error, 2}};
    EXPECT_EQ(com->open(), ScomResult::OpenFailed);
    EXPECT_EQ(com->lastFailure().code, error);
    EXPECT_THAT(com->lastFailure().name, testing::StartsWith("ERROR_"));
    EXPECT_EQ(fake.openHandles(), 0);
    EXPECT_THAT(fake.record().calls, Each(std::string("CreateFileA")));
}

INSTANTIATE_TEST_SUITE_P(Errors, Win32FakeApiOpenError,
                         testing::Values(OpenErrorCase{"FileNotFound", ERROR_FILE_NOT_FOUND},
                                         OpenErrorCase{"AccessDenied", ERROR_ACCESS_DENIED},
                                         OpenErrorCase{"SemTimeout", ERROR_SEM_TIMEOUT},
                                         OpenErrorCase{"GenFailure", ERROR_GEN_FAILURE}),
                         pemlar::test::caseName);

struct TransferCase {
    const char* name;
    InjectedFailure failure;
    std::optional<DWORD> writeLimit;
    ScomResult expected;
    DriverReads reads = DriverReads::HonourTimeouts;
};

class Win32FakeApiTransfer : public Win32FakeApi,
                             public testing::WithParamInterface<TransferCase> {};

TEST_P(Win32FakeApiTransfer, StatusQueryEndsWithItsResultAndCloseReleasesThePort) {
    fake.line().failures = {GetParam().failure};
    fake.line().writeLimit = GetParam().writeLimit;
    fake.line().reads = GetParam().reads;
    fake.line().answers = {statusReply(0)};
    const auto com = comOn(kCom);
    ASSERT_EQ(com->open(), ScomResult::Ok);

    std::uint8_t status = 0xEE;
    EXPECT_EQ(com->queryStatus(status), GetParam().expected);
    EXPECT_EQ(status, GetParam().expected == ScomResult::Ok ? 0 : 0xEE);
    if (!GetParam().failure.call.empty()) {
        EXPECT_EQ(com->lastFailure().code, GetParam().failure.error);
    }
    EXPECT_EQ(com->close(), ScomResult::Ok);
    EXPECT_EQ(fake.openHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, Win32FakeApiTransfer,
    testing::Values(
        TransferCase{"Answered", {}, std::nullopt, ScomResult::Ok},
        TransferCase{"WriteFails", {"WriteFile", ERROR_GEN_FAILURE}, {}, ScomResult::TransferError},
        // fAbortOnError is off, but a removed USB adapter aborts I/O the same way.
        TransferCase{
            "WriteAborted", {"WriteFile", ERROR_OPERATION_ABORTED}, {}, ScomResult::TransferError},
        TransferCase{"WriteTimesOutWithNothingSent", {}, DWORD{0}, ScomResult::Timeout},
        TransferCase{"WritePartly", {}, DWORD{3}, ScomResult::TransferError},
        TransferCase{"ReadFails", {"ReadFile", ERROR_GEN_FAILURE}, {}, ScomResult::Timeout},
        TransferCase{
            "DeviceRemovedDuringRead", {"ReadFile", ERROR_ACCESS_DENIED}, {}, ScomResult::Timeout},
        TransferCase{"DeviceRemovedWhileTheReplyTrickles",
                     {"ClearCommError", ERROR_ACCESS_DENIED},
                     {},
                     ScomResult::Timeout,
                     DriverReads::ReturnAtOnce}),
    pemlar::test::caseName);

TEST_F(Win32FakeApi, CloseDiscardsBothBuffersFirstAndReportsAFailedCloseHandle) {
    fake.line().failures = {{"CloseHandle", ERROR_INVALID_HANDLE}};
    const auto com = comOn(kCom);
    ASSERT_EQ(com->open(), ScomResult::Ok);
    EXPECT_EQ(com->close(), ScomResult::CloseFailed);
    EXPECT_FALSE(com->isOpen());
    EXPECT_THAT(fake.record().purges,
                ElementsAre(DWORD{PURGE_RXCLEAR}, DWORD{PURGE_TXCLEAR | PURGE_RXCLEAR}));
    const std::vector<std::string>& calls = fake.record().calls;
    EXPECT_THAT(std::vector<std::string>(calls.end() - 2, calls.end()),
                ElementsAre("PurgeComm", "CloseHandle"));
    EXPECT_EQ(fake.openHandles(), 0);
}

TEST_F(Win32FakeApi, RefusedPurgeStillClosesThePort) {
    fake.line().failures = {{"PurgeComm", ERROR_GEN_FAILURE}};
    const auto com = comOn(kCom);
    ASSERT_EQ(com->open(), ScomResult::Ok);
    EXPECT_EQ(com->close(), ScomResult::Ok);
    EXPECT_EQ(fake.openHandles(), 0);
}

// --- early returns: Wine's ReadFile always waits for the time-out ---

TEST_F(Win32FakeApi, EarlyReturningReadIsReadAgainUntilTheReplyIsWhole) {
    fake.line().reads = DriverReads::ReturnAtOnce;
    fake.line().answers = {pageReply()};  // 262 bytes at 960 bytes per second
    const auto com = comOn(kCom);
    ASSERT_EQ(com->open(), ScomResult::Ok);
    EepromImage image{};
    ASSERT_EQ(com->sendRequest(kCommandReadPage, kAddressPage), ScomResult::Ok);
    EXPECT_EQ(com->receivePage(kAddressPage, image), ScomResult::Ok);
    EXPECT_GT(fake.record().readCalls, 1);
    const Bytes reply = pageReply();
    EXPECT_TRUE(
        std::equal(image.begin() + kPageSize, image.begin() + 2 * kPageSize, reply.begin() + 4));
}

TEST_F(Win32FakeApi, EarlyReturningReadOfASilentInstrumentEndsAtTheDeadlineWithoutSpinning) {
    fake.line().reads = DriverReads::ReturnAtOnce;
    const auto com = comOn(kCom);
    ASSERT_EQ(com->open(), ScomResult::Ok);
    const ULONGLONG waited = timedPageRead(*com, ScomResult::TransferError);
    EXPECT_GE(waited, kPageDeadline);
    EXPECT_LE(waited, kPageDeadline + 10);
    // A call every 10 ms or so, not a busy loop.
    EXPECT_LE(fake.record().readCalls, static_cast<int>(kPageDeadline / 10 + 2));
}

TEST_F(Win32FakeApi, EarlyReturningReadOfAReplyOneByteShortEndsAtTheDeadline) {
    fake.line().reads = DriverReads::ReturnAtOnce;
    Bytes shortReply = pageReply();
    shortReply.pop_back();
    fake.line().answers = {shortReply};
    const auto com = comOn(kCom);
    ASSERT_EQ(com->open(), ScomResult::Ok);
    const ULONGLONG waited = timedPageRead(*com, ScomResult::TransferError);
    EXPECT_GE(waited, kPageDeadline);
    EXPECT_LE(waited, kPageDeadline + 10);
}

// Windows' tick counter moves in steps of about 15.6 ms while the serial driver times
// with its own timer: its time-out can end a little before GetTickCount64 says the
// deadline has come. What is left of the deadline must not cost another whole time-out.
TEST_F(Win32FakeApi, DriverTimeOutEndingJustBeforeTheDeadlineIsNotWaitedOutTwice) {
    fake.line().driverTimerAheadBy = 16;
    const auto com = comOn(kCom);
    ASSERT_EQ(com->open(), ScomResult::Ok);
    const ULONGLONG waited = timedPageRead(*com, ScomResult::TransferError);
    EXPECT_GE(waited, kPageDeadline - 16);
    EXPECT_LE(waited, kPageDeadline + 16);
}

}  // namespace
