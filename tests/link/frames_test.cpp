#include "link/frames.h"

#include <gtest/gtest.h>

#include "tests/support/line_bytes.h"

using namespace pemlar;

namespace {

TEST(Frames, TheFourRequestsAreExact) {
    struct Case {
        std::uint8_t command;
        std::uint8_t selector;
        RequestFrame expected;
    };
    const Case cases[] = {
        {kCommandReadPage, 1, {0xAA, 0x55, 0x01, 0x01, 0x01, 0x01}},
        {kCommandWritePage, 1, {0xAA, 0x55, 0x02, 0x01, 0x01, 0x02}},
        {kCommandQueryNine, 0, {0xAA, 0x55, 0x03, 0x00, 0x01, 0x02}},
        {kCommandQueryStatus, 0, {0xAA, 0x55, 0x04, 0x00, 0x01, 0x03}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(buildRequestFrame(c.command, c.selector), c.expected) << int{c.command};
    }
}

TEST(Frames, DataFrameCarriesThePageAndItsCheckValue) {
    struct Case {
        std::uint8_t fill;
        std::uint8_t checkHigh;
        std::uint8_t checkLow;
    };
    // 0xFF pages sum to 0xFF + 1 + 256 * 0xFF = 65536: the check value wraps to 0.
    const Case cases[] = {{0x00, 0x01, 0x00}, {0xFF, 0x00, 0x00}, {0x01, 0x02, 0x00}};
    for (const Case& c : cases) {
        EepromImage image{};
        image.fill(c.fill);
        const DataFrame frame = buildDataFrame(pageOf(image, 1));
        EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 4), (Bytes{0xAA, 0x55, 0x01, 0x00}));
        EXPECT_EQ(Bytes(frame.begin() + 4, frame.end() - 2), Bytes(256, c.fill));
        EXPECT_EQ(frame[260], c.checkHigh) << int{c.fill};
        EXPECT_EQ(frame[261], c.checkLow) << int{c.fill};
    }
}

TEST(Frames, DataFrameTakesTheNamedPageOnly) {
    EepromImage image{};
    for (int i = 0; i < kImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i / kPageSize);
    }
    const DataFrame frame = buildDataFrame(pageOf(image, 5));
    EXPECT_EQ(Bytes(frame.begin() + 4, frame.end() - 2), Bytes(256, 5));
}

TEST(Frames, ReplyChecksInOrder) {
    struct Case {
        const char* name;
        Bytes reply;
        ScomResult expected;
    };
    Bytes goodStatus = replyFrame({0x00}, 0x04, 0x00);
    Bytes swappedStart = goodStatus;
    std::swap(swappedStart[0], swappedStart[1]);  // same sum: only the start is wrong
    Bytes wrongSecond = goodStatus;
    wrongSecond[1] = 0x54;
    Bytes wrongCheck = goodStatus;
    wrongCheck.back() ^= 0x01;
    Bytes wrongStartAndCheck = wrongCheck;
    wrongStartAndCheck[0] = 0x00;
    const Case cases[] = {
        {"good", goodStatus, ScomResult::Ok},
        {"bytes 2 and 3 are free", replyFrame({0x00}, 0xEE, 0x77), ScomResult::Ok},
        {"sum above 65535", replyFrame(Bytes(256, 0xFF)), ScomResult::Ok},
        {"swapped start, right check", swappedStart, ScomResult::BadFrameStart},
        {"wrong second start byte", wrongSecond, ScomResult::BadFrameStart},
        {"wrong check value", wrongCheck, ScomResult::ChecksumError},
        {"start tested before check", wrongStartAndCheck, ScomResult::BadFrameStart},
        {"too short to be a frame", Bytes{0xAA, 0x55, 0x00}, ScomResult::TransferError},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checkReplyFrame(c.reply), c.expected) << c.name;
    }
}

}  // namespace
