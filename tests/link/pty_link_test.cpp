// scom against the simulated instrument over a real pseudo-terminal. Pauses are
// instant; the read and write deadlines are real.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <thread>

#include "data/address_block.h"
#include "data/charset.h"
#include "link/frames.h"
#include "link/scom.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/simulated_com_port.h"

using namespace pemlar;

namespace {

using pemlar::test::PrintTo;

const Bytes kReadRequest = {0xAA, 0x55, 0x01, 0x01, 0x01, 0x01};
const Bytes kWriteRequest = {0xAA, 0x55, 0x02, 0x01, 0x01, 0x02};
const Bytes kNineRequest = {0xAA, 0x55, 0x03, 0x00, 0x01, 0x02};
const Bytes kStatusRequest = {0xAA, 0x55, 0x04, 0x00, 0x01, 0x03};

// A host image whose first line is "Müller" (0xFC in Windows-1252).
EepromImage hostImageWithLines() {
    EepromImage image{};
    setDefaults(image, {.secondsSinceEpoch = [] { return 1700000000u; },
                        .fillerByte = [] { return std::uint8_t{0x5A}; }});
    const AddressSlots lines = addressBlock(image);
    const char* const text[kLineCount] = {"M\xFCller", "Am Markt 1", "", "", "Ende"};
    for (int line = 0; line < kLineCount; ++line) {
        const LineSlot slot = lineSlotOf(lines, line);
        std::fill(slot.begin(), slot.end(), 0);
        std::memcpy(slot.data(), text[line], std::strlen(text[line]));
    }
    return image;
}

EepromImage afterAnyWrite(EepromImage image) {
    updateChecksums(image);
    for (int line = 0; line < kLineCount; ++line) {
        toDeviceCharset(lineSlotOf(addressBlock(image), line));
        toHostCharset(lineSlotOf(addressBlock(image), line));
    }
    return image;
}

class PtyLink : public ::testing::Test {
protected:
    explicit PtyLink(SimFault fault = SimFault::None) : port(fastSimOptions(fault)) {}

    SimulatedComPort port;
    scom com{port.comNumber(), port.resolver(), instantClock()};
};

TEST_F(PtyLink, ReadPutsTheRequestOnTheLineAndTakesTheAddressPage) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage image{};
    setDefaults(image);
    const EepromImage before = image;
    ASSERT_EQ(com.readEeprom(image), ScomResult::Ok);
    EXPECT_EQ(com.close(), ScomResult::Ok);
    EXPECT_EQ(port.sim().received(), kReadRequest);

    const EepromImage device = port.sim().image();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[256])), "Stadtwerke M\xFCnster");
    // The rest of the page comes as the instrument holds it; other pages stay.
    EXPECT_TRUE(
        std::equal(image.begin() + 256 + 125, image.begin() + 512, device.begin() + 256 + 125));
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 256, before.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 512, image.end(), before.begin() + 512));
}

TEST_F(PtyLink, WritePutsExactlyTheProtocolsBytesOnTheLine) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage image = hostImageWithLines();
    ASSERT_EQ(com.writeEeprom(image), ScomResult::Ok);
    ASSERT_EQ(com.close(), ScomResult::Ok);

    // The page as it must go out: lines in code page 437 (u umlaut 0x81), the page
    // checksum over the host-charset lines, high byte first.
    const EepromImage host = hostImageWithLines();
    Bytes page = pageBytes(host, 1);
    std::uint32_t sum = 0;
    for (int i = 0; i < 254; ++i) {
        sum += page[i];
    }
    page[1] = 0x81;
    page[254] = static_cast<std::uint8_t>(sum >> 8);
    page[255] = static_cast<std::uint8_t>(sum);
    const Bytes expected = concat(
        {kWriteRequest, withCheckValue(concat({{0xAA, 0x55, 0x01, 0x00}, page})), kStatusRequest});
    EXPECT_EQ(port.sim().received(), expected);
    EXPECT_EQ(pageBytes(port.sim().image(), 1), page) << "the instrument stored the page";
    EXPECT_EQ(image, afterAnyWrite(hostImageWithLines())) << "host order and characters again";
}

TEST_F(PtyLink, WrittenAddressReadsBackTheSame) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage written = hostImageWithLines();
    ASSERT_EQ(com.writeEeprom(written), ScomResult::Ok);
    EepromImage readBack{};
    ASSERT_EQ(com.readEeprom(readBack), ScomResult::Ok);
    EXPECT_TRUE(std::equal(readBack.begin() + 256, readBack.begin() + 510, written.begin() + 256));
}

TEST_F(PtyLink, PagesOfZerosAndOnesGoOutAsFramed) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage zeros{};
    ASSERT_EQ(com.sendPage(0, zeros), ScomResult::Ok);
    EepromImage ones{};
    ones.fill(0xFF);
    ASSERT_EQ(com.sendPage(3, ones), ScomResult::Ok);
    ASSERT_EQ(com.sendRequest(kCommandQueryNine, 0), ScomResult::Ok);  // waits for the sim
    std::array<std::uint8_t, 9> nine{};
    ASSERT_EQ(com.receiveFrame(nine, 15), ScomResult::Ok);

    Bytes expected = concat({{0xAA, 0x55, 0x01, 0x00}, Bytes(256, 0x00), {0x01, 0x00}});
    expected = concat({expected, {0xAA, 0x55, 0x01, 0x00}, Bytes(256, 0xFF), {0x00, 0x00}});
    expected = concat({expected, kNineRequest});
    EXPECT_EQ(port.sim().received(), expected);
    EXPECT_EQ(std::string(nine.begin(), nine.end()), kSimNineBytes);
}

TEST_F(PtyLink, OpenSetsARawLine) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    termios t{};
    ASSERT_EQ(::tcgetattr(static_cast<int>(com.getHandle()), &t), 0);
    EXPECT_EQ(cfgetispeed(&t), B9600);
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | IXANY | ICRNL | INLCR | IGNCR | ISTRIP | INPCK), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
}

TEST_F(PtyLink, ProbeSeesOnlyFreeMappedPorts) {
    port.link(8, port.mappingFolder() / "vanished");
    EXPECT_TRUE(com.probe(port.comNumber()));
    EXPECT_FALSE(com.probe(3)) << "not mapped";
    EXPECT_FALSE(com.probe(8)) << "mapped to nothing";

    ASSERT_EQ(com.open(), ScomResult::Ok);
    scom other(port.comNumber(), port.resolver(), instantClock());
    EXPECT_FALSE(other.probe(port.comNumber())) << "held by another open";
    EXPECT_EQ(other.open(), ScomResult::OpenFailed);
    EXPECT_FALSE(com.probe(port.comNumber())) << "held by this one";
    ASSERT_EQ(com.close(), ScomResult::Ok);

    // Released completely: locks and exclusive mode are gone.
    EXPECT_TRUE(other.probe(port.comNumber()));
    const int plain = ::open(port.sim().devicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    EXPECT_GE(plain, 0);
    if (plain >= 0) {
        ::close(plain);
    }
    EXPECT_EQ(other.open(), ScomResult::Ok);
}

TEST_F(PtyLink, OpenOfWhatIsNoTerminalFailsAndKeepsNothing) {
    const std::filesystem::path file = port.mappingFolder() / "plain-file";
    std::ofstream(file) << "not a serial port";
    port.link(9, file);
    com.setPort(9);
    EXPECT_EQ(com.open(), ScomResult::InitFailed);
    EXPECT_FALSE(com.isOpen());
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0) << "no lock left behind";
    ::close(fd);

    com.setPort(3);
    EXPECT_EQ(com.open(), ScomResult::OpenFailed);
}

TEST_F(PtyLink, FullLineMakesWritesTimeOut) {
    port.sim().holdInput(true);
    // Fill the line towards the instrument until it takes nothing more.
    const int filler = ::open(port.sim().devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(filler, 0);
    // The kernel moves bytes on between its buffers a little later: full means still
    // full after a while.
    const Bytes junk(4096, 0x00);
    for (int stillFull = 0; stillFull < 3;) {
        if (::write(filler, junk.data(), junk.size()) > 0) {
            stillFull = 0;
        } else {
            ++stillFull;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ::close(filler);

    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage image = hostImageWithLines();
    EXPECT_EQ(com.readEeprom(image), ScomResult::Timeout);
    EXPECT_EQ(image, hostImageWithLines());
    EXPECT_EQ(com.writeEeprom(image), ScomResult::Timeout);
    EXPECT_EQ(image, afterAnyWrite(hostImageWithLines()));
}

TEST_F(PtyLink, VanishedDeviceEndsBothTransactions) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    port.sim().hangUp();
    EepromImage image = hostImageWithLines();
    EXPECT_EQ(com.readEeprom(image), ScomResult::TransferError);
    EXPECT_EQ(image, hostImageWithLines());
    EXPECT_EQ(com.writeEeprom(image), ScomResult::TransferError);
    EXPECT_EQ(image, afterAnyWrite(hostImageWithLines()));
    com.close();
}

TEST_F(PtyLink, NoiseOnTheLineIsSkippedByTheInstrument) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    ASSERT_EQ(com.sendRequest(0x55, 0x00), ScomResult::Ok);  // not a command it knows
    EepromImage image{};
    EXPECT_EQ(com.readEeprom(image), ScomResult::Ok);
}

// Each result code of both transactions, from the instrument's misbehaviour.
struct FaultCase {
    const char* name;
    SimFault fault;
    ScomResult read;
    ScomResult write;
};

class PtyFault : public PtyLink, public ::testing::WithParamInterface<FaultCase> {
protected:
    PtyFault() : PtyLink(GetParam().fault) {}
};

TEST_P(PtyFault, EndsInItsCodeAndKeepsTheImageSound) {
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage image = hostImageWithLines();
    const ScomResult read = com.readEeprom(image);
    EXPECT_EQ(read, GetParam().read);
    if (read != ScomResult::Ok) {
        EXPECT_EQ(image, hostImageWithLines()) << "a failed read changes nothing";
    }
    image = hostImageWithLines();
    EXPECT_EQ(com.writeEeprom(image), GetParam().write);
    EXPECT_EQ(image, afterAnyWrite(hostImageWithLines()));
    EXPECT_EQ(com.close(), ScomResult::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PtyFault,
    ::testing::Values(
        FaultCase{"None", SimFault::None, ScomResult::Ok, ScomResult::Ok},
        FaultCase{"Silent", SimFault::Silent, ScomResult::TransferError, ScomResult::TransferError},
        FaultCase{"BadStart", SimFault::BadStart, ScomResult::BadFrameStart,
                  ScomResult::BadFrameStart},
        FaultCase{"BadCheck", SimFault::BadCheck, ScomResult::ChecksumError,
                  ScomResult::ChecksumError},
        FaultCase{"Short", SimFault::Short, ScomResult::TransferError, ScomResult::TransferError},
        FaultCase{"Status", SimFault::Status, ScomResult::Ok, ScomResult::InstrumentError},
        FaultCase{"Noise", SimFault::Noise, ScomResult::BadFrameStart, ScomResult::BadFrameStart}),
    pemlar::test::caseName);

}  // namespace
