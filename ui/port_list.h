#pragma once
// The port list: the COM ports that can be opened at start.

#include <cstdint>

class QComboBox;
class scom;

inline constexpr std::int32_t kFirstProbedPort = 1;
inline constexpr std::int32_t kLastProbedPort = 254;  // 255 is never tried

// Refills list with an entry "COM<n>" (item data n) for every COM1-COM254 that com can
// open, in ascending order, and selects the entry of selectedPort. Returns whether
// selectedPort was listed; when it was not, nothing is selected. Emits no selection
// change.
bool fillPortList(QComboBox& list, scom& com, std::int32_t selectedPort);
