#pragma once
// The port list: the COM ports that can be opened, each with a hint naming the device
// behind it and what that is.

#include <cstdint>
#include <filesystem>
#include <string>

#include "framework/controls.h"
#include "link/port_identity.h"
#include "link/port_resolver.h"

namespace pemlar {

class scom;

// Refills list with an entry "COM<n>" (item data n) for every COM1-COM254 that `devices`
// gives a device and com can open, in ascending order, and selects the entry of
// selectedPort. What `identify` withholds (the system console, a UART without a chip)
// is never opened, nor what it finds absent, except selectedPort: that one is tried. Each entry's
// hint is its device and identity (portHint); the closed list's hint is the selected entry's.
// Returns whether selectedPort was listed; when it was not, nothing is selected. Gives no selection
// change.
bool fillPortCombo(fw::ComboBox& list, scom& com, std::int32_t selectedPort,
                   const PortResolver& devices, const PortIdentifier& identify = {});

// Makes the hint of the closed list that of its selected entry; none without one.
void showSelectedPortDevice(fw::ComboBox& list);

// "/dev/ttyUSB0 – USB FTDI FT232R USB UART, Seriennr. A50285BI", in the program's text.
std::string portHint(const std::string& device, const PortIdentity& identity);

}  // namespace pemlar
