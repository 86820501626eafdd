#pragma once
// Address files (*.PML): exactly the 125 bytes of the five line slots, each line up to
// 24 Windows-1252 characters and a zero byte in 25 bytes; no header, no ID number.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "data/address_block.h"

namespace pemlar {

using AddressFileBytes = std::array<std::uint8_t, kAddressBlockSize>;

// Five well-formed slots from the bytes read from an address file (only the first 125
// are looked at). Each line is what was read of its slot up to the first zero byte, and
// never more than 24 characters; a slot the file does not reach, fully or in part,
// holds only the bytes that were read. Everything after a line's end is zero, so no
// byte that was not read can ever be shown.
AddressFileBytes addressSlotsFromFile(std::span<const std::uint8_t> bytesRead);

// The 125 bytes to save for the address edit's characters (CR LF between lines): the
// five lines as takeAddress cuts them, zero bytes after every line's end.
AddressFileBytes addressFileFromText(std::u32string_view editText);

}  // namespace pemlar
