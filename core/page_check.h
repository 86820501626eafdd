#pragma once
// Does a saved address page look like one an instrument gave? Checked before a restore
// writes it back byte for byte, so a damaged or foreign file never reaches an instrument.

#include <string>
#include <vector>

#include "core/transfer.h"

namespace pemlar {

// What is wrong with `page` (as received: device order, device characters), in German,
// one phrase each; empty when nothing is. Looked at: the page checksum over bytes 0-253
// (high byte first at 254), a zero byte in every line slot, and the ID block's form
// (12 + 3 characters, a space, 4 characters, a zero byte).
std::vector<std::string> pageProblems(const RawPage& page);

}  // namespace pemlar
