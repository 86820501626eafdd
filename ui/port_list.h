#pragma once
// The port list: the COM ports that can be opened at start.

#include <cstdint>
#include <filesystem>
#include <string>

#include "framework/controls.h"
#include "link/port_resolver.h"

namespace pemlar {

class scom;

inline constexpr std::int32_t kFirstProbedPort = 1;
inline constexpr std::int32_t kLastProbedPort = 254;  // 255 is never tried

// Refills list with an entry "COM<n>" (item data n) for every COM1-COM254 that com can
// open, in ascending order, and selects the entry of selectedPort. Returns whether
// selectedPort was listed; when it was not, nothing is selected. Gives no selection
// change. The closed list's tooltip names the selected port's device
// (showSelectedPortDevice).
bool fillPortCombo(fw::ComboBox& list, scom& com, std::int32_t selectedPort,
                   const PortResolver& devices = {});

// Makes the tooltip of the closed list the device of its selected entry as `devices`
// resolves it (portDeviceText); none without one.
void showSelectedPortDevice(fw::ComboBox& list, const PortResolver& devices);

// The device a user knows: a mapping entry (a symbolic link) by its target, anything
// else by its path.
std::string portDeviceText(const std::filesystem::path& device);

}  // namespace pemlar
