#pragma once
// Address lines are Windows-1252 in the program and code page 437 in the instrument.
// Only the five line slots are ever converted, and only from their first byte up to
// their zero byte (at most 24 bytes, see address_block.h).

#include <array>
#include <cstdint>
#include <string>

#include "data/address_block.h"

namespace pemlar {

// Indexed by byte - 0x80; bytes below 0x80 pass unchanged. The tables are not inverses:
// a character without a counterpart becomes a space or a look-alike.
extern const std::array<std::uint8_t, 128> hostToDeviceChars;
extern const std::array<std::uint8_t, 128> deviceToHostChars;

void toDeviceCharset(LineSlot slot);
void toHostCharset(LineSlot slot);

// The bytes of the five lines that do not come back as themselves from the instrument
// (the euro sign becomes a space, a section sign a degree sign), each once, in the order
// of first appearance. Empty when the lines survive a write unchanged.
std::string bytesTheInstrumentChanges(ConstAddressSlots slots);

}  // namespace pemlar
