#pragma once
// What the simulated instrument holds when no image file is given.

#include "data/eeprom_image.h"

namespace pemlar {

// Defaults, a German customer address and an ID number, in device byte order with
// the lines in code page 437, the address-page checksum over the host-charset lines.
EepromImage demoImage();

}  // namespace pemlar
