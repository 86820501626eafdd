#pragma once
// The COM port the window program has stored ("Selcted_Com"), read without the window
// layer, so the command line uses the same port. One file per platform holds the
// reading (stored_port_posix.cpp: the settings file; stored_port_win32.cpp: the registry).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pemlar {

struct StoredPort {
    std::optional<std::int32_t> port;
    std::string note;  // why there is no port; empty when one was read
};

// The stored port, or nothing with a note when none is stored or the value is unusable
// (missing, not a number, 0 or out of 1-255). No port is ever made up in its place.
StoredPort storedPort();

// The value of "Selcted_Com" in the [General] group of the settings file's text, as the
// window program's settings store writes it; nothing with a reason in `why` otherwise.
std::optional<std::int32_t> portFromSettingsText(std::string_view text, std::string& why);

// Checks a raw stored number: 1-255 is a port, anything else a reason in `why`.
std::optional<std::int32_t> usablePort(long long value, std::string& why);

}  // namespace pemlar
