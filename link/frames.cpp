#include "link/frames.h"

#include <algorithm>

namespace pemlar {

namespace {

void putCheckValue(std::span<std::uint8_t> frame) {
    const std::uint16_t check = checkValue(frame.first(frame.size() - 2));
    frame[frame.size() - 2] = static_cast<std::uint8_t>(check >> 8);
    frame[frame.size() - 1] = static_cast<std::uint8_t>(check & 0xFF);
}

}  // namespace

std::uint16_t checkValue(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint16_t>(
        byteSum(bytes.data(), static_cast<std::int32_t>(bytes.size())) & 0xFFFF);
}

RequestFrame buildRequestFrame(std::uint8_t command, std::uint8_t selector) {
    RequestFrame frame{kFrameStart0, kFrameStart1, command, selector, 0, 0};
    putCheckValue(frame);
    return frame;
}

DataFrame buildDataFrame(ConstPage page) {
    DataFrame frame{};
    frame[0] = kFrameStart0;
    frame[1] = kFrameStart1;
    frame[2] = 0x01;
    frame[3] = 0x00;
    std::copy(page.begin(), page.end(), frame.begin() + 4);
    putCheckValue(frame);
    return frame;
}

ScomResult checkReplyFrame(std::span<const std::uint8_t> reply) {
    if (reply.size() < kFrameOverhead) {
        return ScomResult::TransferError;
    }
    if (reply[0] != kFrameStart0 || reply[1] != kFrameStart1) {
        return ScomResult::BadFrameStart;
    }
    const std::size_t size = reply.size();
    const std::uint16_t received =
        static_cast<std::uint16_t>(reply[size - 2] << 8 | reply[size - 1]);
    if (received != checkValue(reply.first(size - 2))) {
        return ScomResult::ChecksumError;
    }
    return ScomResult::Ok;
}

}  // namespace pemlar
