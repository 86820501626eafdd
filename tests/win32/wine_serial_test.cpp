// The Windows serial port under Wine, against the Linux pemlar-sim: each simulated
// instrument serves a pseudo-terminal that the fixture (wine_sims.sh) linked into the
// Wine prefix as COM<n>, and `scom` reaches it through `\\.\COM<n>` and the real Win32
// calls. The COM numbers come from CMakeLists.txt. Pauses are instant; the read and
// write deadlines are real.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "data/address_block.h"
#include "link/frames.h"
#include "link/scom.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_clock.h"

using namespace pemlar;

namespace {

using pemlar::test::PrintTo;

HANDLE nativeHandle(const scom& com) {
    return reinterpret_cast<HANDLE>(com.getHandle());
}

EepromImage defaultImage() {
    EepromImage image{};
    setDefaults(image, {.secondsSinceEpoch = [] { return 1700000000u; },
                        .fillerByte = [] { return std::uint8_t{0x5A}; }});
    return image;
}

std::string lineText(const EepromImage& image, int line) {
    const ConstLineSlot slot = lineSlotOf(addressBlock(image), line);
    return std::string(reinterpret_cast<const char*>(slot.data()),
                       static_cast<std::size_t>(lineLength(slot)));
}

void setLine(EepromImage& image, int line, const std::string& text) {
    const LineSlot slot = lineSlotOf(addressBlock(image), line);
    std::fill(slot.begin(), slot.end(), 0);
    std::memcpy(slot.data(), text.data(), text.size());
}

// An open `scom` on COM<n> as the program has it, with instant pauses.
struct OpenPort {
    explicit OpenPort(std::int32_t n) : com(n, systemPortResolver(), instantClock()) {
        opened = com.open();
    }
    ~OpenPort() {
        if (com.isOpen()) {
            com.close();
        }
    }
    scom com;
    ScomResult opened;
};

TEST(WineSerial, OpenPutsTheInstrumentSettingsOnTheLine) {
    OpenPort port(PEMLAR_WINE_COM_FAST);
    ASSERT_EQ(port.opened, ScomResult::Ok);

    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(nativeHandle(port.com), &dcb));
    EXPECT_EQ(dcb.BaudRate, 9600u);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_EQ(dcb.fBinary, 1u);
    EXPECT_EQ(dcb.fParity, 0u);
    // The definition string names no handshake: the CTS flow control of the first
    // record is gone, and no other flow control came in.
    EXPECT_EQ(dcb.fOutxCtsFlow, 0u);
    EXPECT_EQ(dcb.fOutxDsrFlow, 0u);
    EXPECT_EQ(dcb.fOutX, 0u);
    EXPECT_EQ(dcb.fInX, 0u);

    COMMTIMEOUTS timeouts{};
    ASSERT_TRUE(GetCommTimeouts(nativeHandle(port.com), &timeouts));
    EXPECT_EQ(timeouts.ReadIntervalTimeout, MAXDWORD);
    EXPECT_EQ(timeouts.ReadTotalTimeoutMultiplier, 10u);
    EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 1000u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutMultiplier, 10u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 1000u);
}

struct FaultCase {
    const char* name;
    std::int32_t com;
    ScomResult expected;
};

class WineSerialRead : public testing::TestWithParam<FaultCase> {};

TEST_P(WineSerialRead, EndsWithTheResultOfTheReply) {
    OpenPort port(GetParam().com);
    ASSERT_EQ(port.opened, ScomResult::Ok);
    EepromImage image = defaultImage();
    const EepromImage before = image;

    EXPECT_EQ(port.com.readEeprom(image), GetParam().expected);
    EXPECT_EQ(port.com.close(), ScomResult::Ok);
    // Only the address page can change, and only when the whole reply passed.
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + kPageSize, before.begin()));
    EXPECT_TRUE(
        std::equal(image.begin() + 2 * kPageSize, image.end(), before.begin() + 2 * kPageSize));
    if (GetParam().expected != ScomResult::Ok) {
        EXPECT_EQ(image, before);
    }
}

// A reply one byte short, or none, waits out the 262-byte deadline: see the deadline
// test below and the short status reply among the writes.
INSTANTIATE_TEST_SUITE_P(
    Faults, WineSerialRead,
    testing::Values(
        FaultCase{"TwoDigitCom", PEMLAR_WINE_COM_FAST, ScomResult::Ok},
        FaultCase{"ThreeDigitCom", PEMLAR_WINE_COM_THREE_DIGITS, ScomResult::Ok},
        FaultCase{"StatusFaultDoesNotTouchReads", PEMLAR_WINE_COM_STATUS, ScomResult::Ok},
        FaultCase{"BadStart", PEMLAR_WINE_COM_BAD_START, ScomResult::BadFrameStart},
        FaultCase{"BadCheck", PEMLAR_WINE_COM_BAD_CHECK, ScomResult::ChecksumError},
        FaultCase{"NoiseBeforeReply", PEMLAR_WINE_COM_NOISE, ScomResult::BadFrameStart}),
    pemlar::test::caseName);

class WineSerialWrite : public testing::TestWithParam<FaultCase> {};

TEST_P(WineSerialWrite, EndsWithTheResultOfTheStatusQuery) {
    OpenPort port(GetParam().com);
    ASSERT_EQ(port.opened, ScomResult::Ok);
    EepromImage image = defaultImage();
    setLine(image, 0, "Wine-Test");

    EXPECT_EQ(port.com.writeEeprom(image), GetParam().expected);
    EXPECT_EQ(port.com.close(), ScomResult::Ok);
    EXPECT_EQ(lineText(image, 0), "Wine-Test");
}

// Short and silent wait out the 7-byte deadline of the status reply (1.07 s).
INSTANTIATE_TEST_SUITE_P(
    Faults, WineSerialWrite,
    testing::Values(
        FaultCase{"Stored", PEMLAR_WINE_COM_FAST, ScomResult::Ok},
        FaultCase{"InstrumentRefuses", PEMLAR_WINE_COM_STATUS, ScomResult::InstrumentError},
        FaultCase{"BadStart", PEMLAR_WINE_COM_BAD_START, ScomResult::BadFrameStart},
        FaultCase{"BadCheck", PEMLAR_WINE_COM_BAD_CHECK, ScomResult::ChecksumError},
        FaultCase{"NoiseBeforeReply", PEMLAR_WINE_COM_NOISE, ScomResult::BadFrameStart},
        FaultCase{"ShortStatusReply", PEMLAR_WINE_COM_SHORT, ScomResult::TransferError}),
    pemlar::test::caseName);

TEST(WineSerial, WrittenLinesComeBackOnTheNextRead) {
    EepromImage written = defaultImage();
    const std::string lines[kLineCount] = {"M\xFCller & S\xF6hne",
                                           "Hauptstra\xDF"
                                           "e 7",
                                           "", "D-12345 Musterstadt", "Ende"};
    for (int line = 0; line < kLineCount; ++line) {
        setLine(written, line, lines[line]);
    }
    {
        OpenPort port(PEMLAR_WINE_COM_THREE_DIGITS);
        ASSERT_EQ(port.opened, ScomResult::Ok);
        ASSERT_EQ(port.com.writeEeprom(written), ScomResult::Ok);
    }
    OpenPort port(PEMLAR_WINE_COM_THREE_DIGITS);
    ASSERT_EQ(port.opened, ScomResult::Ok);
    EepromImage read = defaultImage();
    ASSERT_EQ(port.com.readEeprom(read), ScomResult::Ok);
    for (int line = 0; line < kLineCount; ++line) {
        EXPECT_EQ(lineText(read, line), lines[line]) << "line " << line;
    }
}

// The real instrument sends at 9600 baud: a page takes about 273 ms to arrive. Read
// at once after the request, the reply is still coming in while ReadFile waits.
TEST(WineSerial, PacedReplyStillArrivingIsReadWhole) {
    OpenPort port(PEMLAR_WINE_COM_PACED);
    ASSERT_EQ(port.opened, ScomResult::Ok);
    ASSERT_EQ(port.com.sendRequest(kCommandReadPage, kAddressPage), ScomResult::Ok);
    EepromImage image = defaultImage();
    EXPECT_EQ(port.com.receivePage(kAddressPage, image), ScomResult::Ok);
}

TEST(WineSerial, SilentInstrumentEndsTheReadAtItsDeadline) {
    OpenPort port(PEMLAR_WINE_COM_SILENT);
    ASSERT_EQ(port.opened, ScomResult::Ok);
    ASSERT_EQ(port.com.sendRequest(kCommandReadPage, kAddressPage), ScomResult::Ok);
    EepromImage image = defaultImage();
    const EepromImage before = image;

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.com.receivePage(kAddressPage, image), ScomResult::TransferError);
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);

    const std::chrono::milliseconds deadline(10 * kPageReplySize + 1000);
    // Not before the deadline (a few ms of slack for the two clocks involved), and no
    // hang after it.
    EXPECT_GE(waited, deadline - std::chrono::milliseconds(20));
    EXPECT_LT(waited, deadline + std::chrono::milliseconds(1500));
    EXPECT_EQ(image, before);
}

// A reply that was never read must not be taken for the answer to the next request of
// the next command: close discards it. The leftover 15-byte reply would otherwise give
// the 7-byte status read its first seven bytes and a wrong check value.
TEST(WineSerial, CloseDiscardsAReplyNobodyRead) {
    {
        OpenPort port(PEMLAR_WINE_COM_FAST);
        ASSERT_EQ(port.opened, ScomResult::Ok);
        ASSERT_EQ(port.com.sendRequest(kCommandQueryNine, 0), ScomResult::Ok);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        DWORD errors = 0;
        COMSTAT status{};
        ASSERT_TRUE(ClearCommError(nativeHandle(port.com), &errors, &status));
        ASSERT_EQ(status.cbInQue, static_cast<DWORD>(kNineReplySize));
        ASSERT_EQ(port.com.close(), ScomResult::Ok);
    }
    OpenPort port(PEMLAR_WINE_COM_FAST);
    ASSERT_EQ(port.opened, ScomResult::Ok);
    std::uint8_t status = 0xFF;
    EXPECT_EQ(port.com.queryStatus(status), ScomResult::Ok);
    EXPECT_EQ(status, 0);
}

TEST(WineSerial, UnmappedComNumberDoesNotOpen) {
    scom com(PEMLAR_WINE_COM_UNMAPPED, systemPortResolver(), instantClock());
    EXPECT_FALSE(com.probe(PEMLAR_WINE_COM_UNMAPPED));
    EXPECT_EQ(com.open(), ScomResult::OpenFailed);
    EXPECT_FALSE(com.isOpen());
    EXPECT_EQ(com.getHandle(), kInvalidPortHandle);
    EXPECT_EQ(com.lastFailure().name, "ERROR_FILE_NOT_FOUND");
    EXPECT_FALSE(com.lastFailure().text.empty()) << "FormatMessage's text";
}

TEST(WineSerial, MappedComNumbersOfTwoAndThreeDigitsProbeTrue) {
    scom com(1, systemPortResolver(), instantClock());
    EXPECT_TRUE(com.probe(PEMLAR_WINE_COM_FAST));
    EXPECT_TRUE(com.probe(PEMLAR_WINE_COM_THREE_DIGITS));
    EXPECT_EQ(com.getPort(), 1);
}

// Windows reaches COM10 and above only through the \\.\ prefix; Wine agrees.
TEST(WineSerial, PlainDeviceNameCannotReachComTen) {
    const PortResolver plainName = [](std::int32_t n) -> std::optional<std::string> {
        return "COM" + std::to_string(n);
    };
    scom plain(PEMLAR_WINE_COM_FAST, plainName, instantClock());
    EXPECT_EQ(plain.open(), ScomResult::OpenFailed);

    OpenPort prefixed(PEMLAR_WINE_COM_FAST);
    EXPECT_EQ(prefixed.opened, ScomResult::Ok);
}

}  // namespace
