// The two transactions against a port double: every way out, and what the image
// looks like afterwards.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "data/address_block.h"
#include "data/charset.h"
#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/scripted_port.h"

using namespace pemlar;

namespace {

// Windows-1252 lines; 0xFC u umlaut, 0xDF sharp s, 0xA7 section sign (no counterpart
// in code page 437: it comes back as a degree sign).
const char* const kHostLines[kLineCount] = {"M\xFCller GmbH",
                                            "Gro\xDF"
                                            "e Stra\xDF"
                                            "e 5",
                                            "\xA7 7", "", "Ende"};

EepromImage hostImage() {
    EepromImage image{};
    for (int i = 0; i < kImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    const AddressSlots lines = addressBlock(image);
    for (int line = 0; line < kLineCount; ++line) {
        const LineSlot slot = lineSlotOf(lines, line);
        std::fill(slot.begin(), slot.end(), 0);
        std::memcpy(slot.data(), kHostLines[line], std::strlen(kHostLines[line]));
    }
    return image;
}

// What a write must leave behind on any outcome: new checksums, and every line
// character as the trip to the instrument's character set and back makes it.
EepromImage afterAnyWrite(EepromImage image) {
    updateChecksums(image);
    const AddressSlots lines = addressBlock(image);
    for (int line = 0; line < kLineCount; ++line) {
        toDeviceCharset(lineSlotOf(lines, line));
        toHostCharset(lineSlotOf(lines, line));
    }
    return image;
}

const Bytes kStatusOk = replyFrame({0x00}, 0x04, 0x00);

class ScomProtocol : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(com.open(), ScomResult::Ok); }

    std::shared_ptr<ScriptedPorts> lines = std::make_shared<ScriptedPorts>();
    scom com{1, [](std::int32_t) { return std::string("/dev/fake"); }, instantClock(),
             ScriptedPorts::factory(lines)};
};

TEST_F(ScomProtocol, StatusByteDecidesTheWrite) {
    for (int status = 0; status <= 255; ++status) {
        lines->script.replies = {replyFrame({static_cast<std::uint8_t>(status)}, 0x04, 0x00)};
        EepromImage image = hostImage();
        const ScomResult expected = status == 0 ? ScomResult::Ok : ScomResult::InstrumentError;
        ASSERT_EQ(com.writeEeprom(image), expected) << status;
        ASSERT_EQ(image, afterAnyWrite(hostImage())) << status;
    }
}

TEST_F(ScomProtocol, SuccessfulWriteSendsRequestPageAndStatusQuery) {
    lines->script.replies = {kStatusOk};
    EepromImage image = hostImage();
    ASSERT_EQ(com.writeEeprom(image), ScomResult::Ok);
    ASSERT_EQ(lines->record.written.size(), 3u);
    EXPECT_EQ(lines->record.written[0], (Bytes{0xAA, 0x55, 0x02, 0x01, 0x01, 0x02}));
    EXPECT_EQ(lines->record.written[1].size(), 262u);
    EXPECT_EQ(lines->record.written[2], (Bytes{0xAA, 0x55, 0x04, 0x00, 0x01, 0x03}));
}

TEST_F(ScomProtocol, FailedWriteRestoresTheImageAtEveryStep) {
    struct Case {
        const char* name;
        std::deque<Transfer> writes;
        std::deque<Bytes> replies;
        ScomResult expected;
        std::size_t framesWritten;
    };
    Bytes badStart = kStatusOk;
    std::swap(badStart[0], badStart[1]);
    Bytes badCheck = kStatusOk;
    badCheck.back() ^= 0x10;
    const Case cases[] = {
        {"request not taken", {{false, 0}}, {}, ScomResult::Timeout, 1},
        {"request call failed", {{true, 0}}, {}, ScomResult::TransferError, 1},
        {"data frame partial", {{false, 6}, {false, 100}}, {}, ScomResult::TransferError, 2},
        {"data frame not taken", {{false, 6}, {false, 0}}, {}, ScomResult::Timeout, 2},
        {"status query failed",
         {{false, 6}, {false, 262}, {true, 2}},
         {},
         ScomResult::TransferError,
         3},
        {"no status reply", {}, {}, ScomResult::TransferError, 3},
        {"status reply short",
         {},
         {Bytes(kStatusOk.begin(), kStatusOk.end() - 1)},
         ScomResult::TransferError,
         3},
        {"status reply bad start", {}, {badStart}, ScomResult::BadFrameStart, 3},
        {"status reply bad check", {}, {badCheck}, ScomResult::ChecksumError, 3},
        {"success", {}, {kStatusOk}, ScomResult::Ok, 3},
    };
    for (const Case& c : cases) {
        lines->record.written.clear();
        lines->script.writes = c.writes;
        lines->script.replies = c.replies;
        EepromImage image = hostImage();
        EXPECT_EQ(com.writeEeprom(image), c.expected) << c.name;
        EXPECT_EQ(image, afterAnyWrite(hostImage())) << c.name;
        EXPECT_EQ(lines->record.written.size(), c.framesWritten) << c.name << ": no retries";
    }
}

TEST_F(ScomProtocol, WriteSendsDeviceOrderAndInstrumentCharacters) {
    lines->script.replies = {kStatusOk};
    EepromImage image = hostImage();
    ASSERT_EQ(com.writeEeprom(image), ScomResult::Ok);
    const Bytes& frame = lines->record.written.at(1);
    const Bytes sentPage(frame.begin() + 4, frame.end() - 2);
    const Bytes expectedLine0 = {'M', 0x81, 'l', 'l', 'e', 'r', ' ', 'G', 'm', 'b', 'H', 0};
    EXPECT_EQ(Bytes(sentPage.begin(), sentPage.begin() + 12), expectedLine0);
    EXPECT_EQ(sentPage[50], 0xF8) << "section sign goes out as 0xF8";
    // The page checksum covers the host-charset lines and goes high byte first.
    std::uint32_t hostSum = 0;
    const EepromImage host = [] {
        EepromImage h = hostImage();
        updateChecksums(h);
        return h;
    }();
    for (int i = 0; i < 254; ++i) {
        hostSum += host[256 + i];
    }
    EXPECT_EQ(sentPage[254], hostSum >> 8 & 0xFF);
    EXPECT_EQ(sentPage[255], hostSum & 0xFF);
    EXPECT_EQ(frame, withCheckValue(concat({{0xAA, 0x55, 0x01, 0x00}, sentPage})));
}

TEST_F(ScomProtocol, ReadTakesThePageAndConvertsOnlyTheLines) {
    Bytes devicePage(256, 0xE1);                   // beyond the lines, 0xE1 must stay untouched
    const Bytes line0 = {'K', 0x94, 'l', 'n', 0};  // Koeln with o umlaut in code page 437
    std::copy(line0.begin(), line0.end(), devicePage.begin());
    for (int line = 1; line < kLineCount; ++line) {
        devicePage[25 * line] = 0;
    }
    devicePage[254] = 0x12;
    devicePage[255] = 0x34;
    lines->script.replies = {replyFrame(devicePage)};
    EepromImage image = hostImage();
    const EepromImage before = image;
    ASSERT_EQ(com.readEeprom(image), ScomResult::Ok);
    EXPECT_EQ(lines->record.written.at(0), (Bytes{0xAA, 0x55, 0x01, 0x01, 0x01, 0x01}));
    EXPECT_EQ(lines->record.calls.back(), "read 262");
    const Bytes expectedLine0 = {'K', 0xF6, 'l', 'n', 0};
    EXPECT_EQ(Bytes(image.begin() + 256, image.begin() + 261), expectedLine0);
    EXPECT_EQ(image[256 + 5], 0xE1) << "bytes after a line's zero byte are not converted";
    EXPECT_EQ(image[256 + 200], 0xE1);
    EXPECT_EQ(image[510], 0x12) << "the page checksum stays in device order";
    EXPECT_EQ(image[511], 0x34);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 256, before.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 512, image.end(), before.begin() + 512));
}

TEST_F(ScomProtocol, FailedReadLeavesTheImageAsItWas) {
    const Bytes good = replyFrame(Bytes(256, 0x41));
    Bytes badStart = good;
    badStart[0] = 0xAB;
    Bytes badCheck = good;
    badCheck[100] ^= 0xFF;
    struct Case {
        const char* name;
        std::deque<Transfer> writes;
        std::deque<Bytes> replies;
        bool readFails;
        ScomResult expected;
    };
    const Case cases[] = {
        {"request not taken", {{false, 0}}, {}, false, ScomResult::Timeout},
        {"request partial", {{false, 2}}, {}, false, ScomResult::TransferError},
        {"read call failed", {}, {}, true, ScomResult::Timeout},
        {"silence", {}, {}, false, ScomResult::TransferError},
        {"one byte short",
         {},
         {Bytes(good.begin(), good.end() - 1)},
         false,
         ScomResult::TransferError},
        {"bad start", {}, {badStart}, false, ScomResult::BadFrameStart},
        {"bad check value", {}, {badCheck}, false, ScomResult::ChecksumError},
    };
    for (const Case& c : cases) {
        lines->script.writes = c.writes;
        lines->script.replies = c.replies;
        lines->script.readFails = c.readFails;
        EepromImage image = hostImage();
        EXPECT_EQ(com.readEeprom(image), c.expected) << c.name;
        EXPECT_EQ(image, hostImage()) << c.name;
    }
}

// A backup's page goes out and comes back byte for byte: no character conversion, no
// checksum recomputed or reordered.
TEST_F(ScomProtocol, RawPagesTravelExactlyAsTheyAre) {
    RawPage page{};
    for (std::size_t i = 0; i < page.size(); ++i) {
        page[i] = static_cast<std::uint8_t>(0x80 + i);
    }
    lines->script.replies = {kStatusOk};
    ASSERT_EQ(com.writeRawPage(page), ScomResult::Ok);
    ASSERT_EQ(lines->record.written.size(), 3u);
    EXPECT_EQ(lines->record.written[1],
              withCheckValue(concat({{0xAA, 0x55, 0x01, 0x00}, Bytes(page.begin(), page.end())})));

    lines->script.replies = {replyFrame(Bytes(page.begin(), page.end()))};
    RawPage received{};
    ASSERT_EQ(com.readRawPage(received), ScomResult::Ok);
    EXPECT_EQ(received, page);

    lines->script.replies = {replyFrame({0x01}, 0x04, 0x00)};
    EXPECT_EQ(com.writeRawPage(page), ScomResult::InstrumentError);
    EXPECT_EQ(com.lastFailure().result, ScomResult::InstrumentError);
}

TEST_F(ScomProtocol, QueriesWriteTheirResultOnlyOnSuccess) {
    std::uint8_t status = 0x77;
    EXPECT_EQ(com.queryStatus(status), ScomResult::TransferError);
    EXPECT_EQ(status, 0x77);
    lines->script.replies = {replyFrame({0x09}, 0x04, 0x00)};
    EXPECT_EQ(com.queryStatus(status), ScomResult::Ok);
    EXPECT_EQ(status, 0x09);

    std::array<std::uint8_t, 9> nine{};
    lines->script.replies = {replyFrame({'1', '2', '3', '4', '5', '6', '7', '8', '9'}, 3, 0)};
    EXPECT_EQ(com.queryNine(nine), ScomResult::Ok);
    EXPECT_EQ(Bytes(nine.begin(), nine.end()),
              (Bytes{'1', '2', '3', '4', '5', '6', '7', '8', '9'}));
    EXPECT_EQ(lines->record.written.back(), (Bytes{0xAA, 0x55, 0x03, 0x00, 0x01, 0x02}));
    EXPECT_EQ(lines->record.calls.back(), "read 15");
}

TEST_F(ScomProtocol, TransactionsPauseAsTheInstrumentNeeds) {
    FakeTicks ticks;
    auto quiet = std::make_shared<ScriptedPorts>();
    scom timed(
        1, [](std::int32_t) { return std::string("/dev/fake"); }, ticks.asClock(),
        ScriptedPorts::factory(quiet));
    ASSERT_EQ(timed.open(), ScomResult::Ok);
    quiet->script.replies = {replyFrame(Bytes(256, 0))};
    EepromImage image{};
    ASSERT_EQ(timed.readEeprom(image), ScomResult::Ok);
    EXPECT_EQ(ticks.sleeps(), (std::vector<std::uint32_t>{600}));
    quiet->script.replies = {kStatusOk};
    ASSERT_EQ(timed.writeEeprom(image), ScomResult::Ok);
    EXPECT_EQ(ticks.sleeps(), (std::vector<std::uint32_t>{600, 300, 1200, 300}));
}

}  // namespace
