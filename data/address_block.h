#pragma once
// The address page (page 1) holds five line slots of 25 bytes (the address block) and,
// at offset 125, the 21-byte ID block.
//
// A line slot holds up to 24 characters and a zero byte. A slot that arrives without a
// zero byte (from the instrument or a foreign file) is read as its first 24 characters:
// nothing here ever reads, converts or shows its 25th byte as text.

#include <array>
#include <cstdint>
#include <span>

#include "data/eeprom_image.h"

namespace pemlar {

inline constexpr int kLineCount = 5;
inline constexpr int kLineSlotSize = 25;
inline constexpr int kLineMaxChars = 24;
inline constexpr int kAddressBlockSize = kLineCount * kLineSlotSize;  // 125
inline constexpr int kIdBlockOffset = 125;                            // within the address page
inline constexpr int kIdBlockSize = 21;

using LineSlot = std::span<std::uint8_t, kLineSlotSize>;
using ConstLineSlot = std::span<const std::uint8_t, kLineSlotSize>;
using AddressSlots = std::span<std::uint8_t, kAddressBlockSize>;
using ConstAddressSlots = std::span<const std::uint8_t, kAddressBlockSize>;
using IdBlock = std::span<std::uint8_t, kIdBlockSize>;
using ConstIdBlock = std::span<const std::uint8_t, kIdBlockSize>;

// The address block and the ID block inside the image's address page.
AddressSlots addressBlock(EepromImage& image);
ConstAddressSlots addressBlock(const EepromImage& image);
IdBlock idBlockOf(EepromImage& image);
ConstIdBlock idBlockOf(const EepromImage& image);
// Slot `index` (0..4; other values are clamped to that range) of a 125-byte block.
LineSlot lineSlotOf(AddressSlots slots, int index);
ConstLineSlot lineSlotOf(ConstAddressSlots slots, int index);
// A plain 125-byte buffer, e.g. the content of an address file.
using AddressBuffer = std::array<std::uint8_t, kAddressBlockSize>;
inline LineSlot lineSlotOf(AddressBuffer& slots, int index) {
    return lineSlotOf(AddressSlots(slots), index);
}
inline ConstLineSlot lineSlotOf(const AddressBuffer& slots, int index) {
    return lineSlotOf(ConstAddressSlots(slots), index);
}
// Characters before the slot's zero byte, at most 24 (see above).
int lineLength(ConstLineSlot slot);

}  // namespace pemlar
