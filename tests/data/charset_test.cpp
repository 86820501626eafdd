#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/charset.h"

using namespace pemlar;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::array<std::uint8_t, kLineSlotSize> slotOf(const Bytes& bytes) {
    std::array<std::uint8_t, kLineSlotSize> slot{};
    std::copy(bytes.begin(), bytes.end(), slot.begin());
    return slot;
}

Bytes bytesOf(const std::array<std::uint8_t, kLineSlotSize>& slot, std::size_t n) {
    return Bytes(slot.begin(), slot.begin() + n);
}

struct Case {
    const char* name;
    Bytes host, device, back;  // compared over the length of `host`
};

TEST(Charset, ThereAndBack) {
    const Bytes garbageAfterZero = {'A', 0, 0x80, 0xFC, 0xA7};
    const Case cases[] = {
        {"Mueller",
         {'M', 0xFC, 'l', 'l', 'e', 'r', 0},
         {'M', 0x81, 'l', 'l', 'e', 'r', 0},
         {'M', 0xFC, 'l', 'l', 'e', 'r', 0}},
        {"euro", {0x80, 0}, {0x20, 0}, {0x20, 0}},
        {"section sign", {0xA7, 0}, {0xF8, 0}, {0xB0, 0}},
        {"umlauts",
         {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xDF, 0},
         {0x8E, 0x99, 0x9A, 0x84, 0x94, 0xE1, 0},
         {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xDF, 0}},
        {"ascii", {0x01, 0x20, 0x7F, 0}, {0x01, 0x20, 0x7F, 0}, {0x01, 0x20, 0x7F, 0}},
        {"empty slot", {0, 0x80, 0xFC}, {0, 0x80, 0xFC}, {0, 0x80, 0xFC}},
        {"after zero", garbageAfterZero, garbageAfterZero, garbageAfterZero},
    };
    for (const Case& c : cases) {
        auto slot = slotOf(c.host);
        toDeviceCharset(slot);
        EXPECT_EQ(bytesOf(slot, c.host.size()), c.device) << c.name;
        toHostCharset(slot);
        EXPECT_EQ(bytesOf(slot, c.host.size()), c.back) << c.name;
    }
}

TEST(Charset, SlotWithoutZeroByteConvertsOnly24Characters) {
    std::array<std::uint8_t, kLineSlotSize> slot;
    slot.fill(0xFC);
    toDeviceCharset(slot);
    EXPECT_EQ(bytesOf(slot, 24), Bytes(24, 0x81));
    EXPECT_EQ(slot[24], 0xFC);
    toHostCharset(slot);
    EXPECT_EQ(bytesOf(slot, 25), Bytes(25, 0xFC));
}

}  // namespace

namespace {

// A fingerprint of each table, so an accidental edit of any entry shows up.
std::uint32_t weightedSum(const std::array<std::uint8_t, 128>& table) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        sum += static_cast<std::uint32_t>(i + 1) * table[i];
    }
    return sum;
}

TEST(Charset, TablesUnchanged) {
    EXPECT_EQ(weightedSum(hostToDeviceChars), 920411u);
    EXPECT_EQ(weightedSum(deviceToHostChars), 647874u);
}

}  // namespace

namespace {

struct ChangedCase {
    std::vector<std::string> lines;
    std::string changed;
};

TEST(Charset, NamesEachCharacterTheInstrumentChangesOnce) {
    const ChangedCase kCases[] = {
        {{"M\xFCller", "\xDF 5"}, ""},                      // ü and ß come back as they went
        {{"5 \x80", "", "", "", "\xA9 \x80"}, "\x80\xA9"},  // € and © become spaces
        {{"\xA7 12"}, "\xA7"},                              // § comes back as °
        {{std::string("A\0\x80", 3)}, ""},                  // nothing after the zero byte
    };
    for (const ChangedCase& c : kCases) {
        AddressBuffer slots{};
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            std::copy(c.lines[i].begin(), c.lines[i].end(), lineSlotOf(slots, int(i)).begin());
        }
        EXPECT_EQ(bytesTheInstrumentChanges(slots), c.changed) << c.lines[0];
    }
}

}  // namespace
