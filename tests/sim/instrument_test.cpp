#include "sim/instrument.h"

#include <gtest/gtest.h>

#include <cstring>

#include "data/address_block.h"
#include "data/charset.h"
#include "sim/demo_image.h"
#include "sim/image_file.h"
#include "tests/support/line_bytes.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

Bytes request(std::uint8_t command, std::uint8_t selector) {
    return withCheckValue({0xAA, 0x55, command, selector});
}

Bytes buildDataFrame(const Bytes& page) {
    Bytes body{0xAA, 0x55, 0x01, 0x00};
    body.insert(body.end(), page.begin(), page.end());
    return withCheckValue(body);
}

EepromImage numberedImage() {
    EepromImage image{};
    for (int i = 0; i < kImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i % 251);
    }
    return image;
}

TEST(SimulatedInstrument, AnswersItsFourCommands) {
    const EepromImage image = numberedImage();
    const Bytes nine(kSimNineBytes.begin(), kSimNineBytes.end());
    struct Case {
        const char* name;
        Bytes in;
        Bytes out;
    };
    Bytes badCheck = request(1, 1);
    badCheck.back() ^= 1;
    const Case cases[] = {
        {"read page 1", request(1, 1),
         withCheckValue(concat({Bytes{0xAA, 0x55, 1, 1}, pageBytes(image, 1)}))},
        {"read page 7", request(1, 7),
         withCheckValue(concat({Bytes{0xAA, 0x55, 1, 7}, pageBytes(image, 7)}))},
        {"read page 8", request(1, 8), {}},
        {"nine bytes", request(3, 0), withCheckValue(concat({Bytes{0xAA, 0x55, 3, 0}, nine}))},
        {"status", request(4, 0), withCheckValue({0xAA, 0x55, 4, 0, 0})},
        {"unknown command", request(9, 0), {}},
        {"wrong check value", badCheck, {}},
        {"garbage first", concat({Bytes{0x00, 0xAA, 0x00, 0xAA, 0x13}, request(4, 0)}),
         withCheckValue({0xAA, 0x55, 4, 0, 0})},
    };
    for (const Case& c : cases) {
        SimulatedInstrument whole(image);
        EXPECT_EQ(whole.receive(c.in), c.out) << c.name;
        SimulatedInstrument byByte(image);
        Bytes out;
        for (const std::uint8_t byte : c.in) {
            const Bytes part = byByte.receive(std::span(&byte, 1));
            out.insert(out.end(), part.begin(), part.end());
        }
        EXPECT_EQ(out, c.out) << c.name << ", byte by byte";
    }
}

TEST(SimulatedInstrument, StoresAWrittenPage) {
    SimulatedInstrument instrument(numberedImage());
    const Bytes page(256, 0x42);
    EXPECT_TRUE(instrument.receive(concat({request(2, 1), buildDataFrame(page)})).empty());
    EXPECT_EQ(pageBytes(instrument.image(), 1), page);
    EXPECT_EQ(pageBytes(instrument.image(), 2), pageBytes(numberedImage(), 2));
    EXPECT_TRUE(instrument.takeImageChanged());
    EXPECT_FALSE(instrument.takeImageChanged());
    EXPECT_EQ(instrument.receive(request(4, 0)), withCheckValue({0xAA, 0x55, 4, 0, 0}));
}

TEST(SimulatedInstrument, RefusesADamagedDataFrame) {
    SimulatedInstrument instrument(numberedImage());
    Bytes frame = buildDataFrame(Bytes(256, 0x42));
    frame[100] ^= 0x01;
    instrument.receive(concat({request(2, 1), frame}));
    EXPECT_EQ(instrument.image(), numberedImage());
    EXPECT_FALSE(instrument.takeImageChanged());
    EXPECT_EQ(instrument.receive(request(4, 0)),
              withCheckValue({0xAA, 0x55, 4, 0, kSimStatusBadFrame}));
}

TEST(SimulatedInstrument, GivesUpAHalfReceivedFrameWhenTheLineGoesQuiet) {
    SimulatedInstrument instrument(numberedImage());
    const Bytes frame = buildDataFrame(Bytes(256, 0x42));
    instrument.receive(concat({request(2, 1), Bytes(frame.begin(), frame.begin() + 100)}));
    instrument.lineIdle();
    EXPECT_EQ(instrument.receive(request(4, 0)), withCheckValue({0xAA, 0x55, 4, 0, 0}));
    EXPECT_EQ(instrument.image(), numberedImage());
}

TEST(SimulatedInstrument, MisbehavesOnRequest) {
    const EepromImage image = numberedImage();
    const Bytes good = withCheckValue(concat({Bytes{0xAA, 0x55, 1, 1}, pageBytes(image, 1)}));
    Bytes swapped = good;
    std::swap(swapped[0], swapped[1]);
    Bytes wrongCheck = good;
    wrongCheck.back() ^= 0x01;
    struct Case {
        SimFault fault;
        Bytes readReply;
        std::uint8_t statusAfterWrite;
        bool stores;
    };
    const Case cases[] = {
        {SimFault::None, good, 0, true},
        {SimFault::Silent, {}, 0, false},
        {SimFault::BadStart, swapped, 0, true},
        {SimFault::BadCheck, wrongCheck, 0, true},
        {SimFault::Short, Bytes(good.begin(), good.end() - 1), 0, true},
        {SimFault::Noise, concat({Bytes{0x00, 0xFF, 0x13}, good}), 0, true},
        {SimFault::Status, good, kSimStatusWriteFailed, false},
        {SimFault::Corrupt, good, 0, true},
    };
    for (const Case& c : cases) {
        const std::string name(simFaultName(c.fault));
        SimulatedInstrument instrument(image, c.fault);
        EXPECT_EQ(instrument.receive(request(1, 1)), c.readReply) << name;
        instrument.receive(concat({request(2, 1), buildDataFrame(Bytes(256, 0x42))}));
        EXPECT_EQ(instrument.image() != image, c.stores) << name;
        if (c.stores) {
            EXPECT_EQ(instrument.image()[256], c.fault == SimFault::Corrupt ? 0x43 : 0x42) << name;
        }
        const Bytes status = instrument.receive(request(4, 0));
        if (c.fault == SimFault::Silent) {
            EXPECT_TRUE(status.empty());
        } else {
            const std::size_t at = c.fault == SimFault::Noise ? 7 : 4;
            ASSERT_GT(status.size(), at) << name;
            EXPECT_EQ(status[at], c.statusAfterWrite) << name;
        }
    }
}

TEST(SimulatedInstrument, FaultNames) {
    for (const char* name :
         {"none", "silent", "bad-start", "bad-check", "short", "status", "noise", "corrupt"}) {
        const std::optional<SimFault> fault = parseSimFault(name);
        ASSERT_TRUE(fault.has_value()) << name;
        EXPECT_EQ(simFaultName(*fault), name);
    }
    for (const char* name : {"", "Silent", "bad_start", "loud"}) {
        EXPECT_FALSE(parseSimFault(name).has_value()) << name;
    }
}

TEST(DemoImage, HoldsAGermanAddressAsTheInstrumentDoes) {
    const EepromImage device = demoImage();
    const Bytes firstLine(device.begin() + 256, device.begin() + 256 + 19);
    const Bytes expected = {'S', 't', 'a',  'd', 't', 'w', 'e', 'r', 'k', 'e',
                            ' ', 'M', 0x81, 'n', 's', 't', 'e', 'r', 0};
    EXPECT_EQ(firstLine, expected) << "code page 437 in the instrument";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&device[256 + 125]), 20),
              "  PM-0815-42KAL 0324");

    // The page checksum, high byte first, covers the lines in the host character set.
    EepromImage host = device;
    for (int line = 0; line < kLineCount; ++line) {
        toHostCharset(lineSlotOf(addressBlock(host), line));
    }
    std::uint32_t sum = 0;
    for (int i = 0; i < 254; ++i) {
        sum += host[256 + i];
    }
    EXPECT_EQ(device[510], sum >> 8 & 0xFF);
    EXPECT_EQ(device[511], sum & 0xFF);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&device[7 * 256])), "TQ1-0001");
}

TEST(ImageFile, KeepsExactlyTheImage) {
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "eeprom.bin";
    std::string error;
    ASSERT_TRUE(saveImageFile(file, numberedImage(), error)) << error;
    EXPECT_EQ(std::filesystem::file_size(file), 2048u);
    EXPECT_EQ(loadImageFile(file, error), numberedImage());

    for (const std::uintmax_t size : {0u, 2047u, 2049u}) {
        std::filesystem::resize_file(file, size);
        EXPECT_FALSE(loadImageFile(file, error).has_value()) << size;
        EXPECT_NE(error.find("2048"), std::string::npos) << error;
    }
    EXPECT_FALSE(loadImageFile(folder.path() / "missing", error).has_value());
    EXPECT_FALSE(saveImageFile(folder.path() / "no" / "such" / "dir", numberedImage(), error));
}

}  // namespace
