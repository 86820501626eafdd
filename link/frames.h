#pragma once
// The instrument's frames: 0xAA 0x55, the content, and a 16-bit check value (the byte
// sum of everything before it, modulo 65536) sent high byte first. Pure functions,
// independent of any port.

#include <array>
#include <cstdint>
#include <span>

#include "data/eeprom_image.h"
#include "link/scom_result.h"

namespace pemlar {

inline constexpr std::uint8_t kFrameStart0 = 0xAA;
inline constexpr std::uint8_t kFrameStart1 = 0x55;

inline constexpr std::uint8_t kCommandReadPage = 1;
inline constexpr std::uint8_t kCommandWritePage = 2;
inline constexpr std::uint8_t kCommandQueryNine = 3;
inline constexpr std::uint8_t kCommandQueryStatus = 4;

// How long the instrument needs after each step of a transaction, in milliseconds.
inline constexpr std::int32_t kReadReplyPause = 600;
inline constexpr std::int32_t kAfterWriteRequestPause = 300;
inline constexpr std::int32_t kAfterDataFramePause = 1200;
inline constexpr std::int32_t kQueryPause = 300;

inline constexpr int kRequestFrameSize = 6;
inline constexpr int kDataFrameSize = kPageSize + 6;  // 262
inline constexpr int kFrameOverhead = 6;              // start, two free bytes, check value
inline constexpr int kMinReplySize = 7;
inline constexpr int kMaxReplySize = kPageSize + kFrameOverhead;  // 262
inline constexpr int kPageReplySize = kMaxReplySize;
inline constexpr int kNineReplySize = 15;
inline constexpr int kStatusReplySize = 7;

using RequestFrame = std::array<std::uint8_t, kRequestFrameSize>;
using DataFrame = std::array<std::uint8_t, kDataFrameSize>;

// Low 16 bits of the byte sum of `bytes`.
std::uint16_t checkValue(std::span<const std::uint8_t> bytes);

// AA 55 <command> <selector> <check value>.
RequestFrame buildRequestFrame(std::uint8_t command, std::uint8_t selector);

// AA 55 01 00 <the 256 page bytes> <check value>.
DataFrame buildDataFrame(ConstPage page);

// A reply of at least 6 bytes: BadFrameStart when it does not begin with AA 55 (tested
// first), ChecksumError when its last two bytes are not the check value of the rest,
// else Ok. Bytes 2 and 3 are never examined.
ScomResult checkReplyFrame(std::span<const std::uint8_t> reply);

}  // namespace pemlar
