#pragma once
// The two records the port is configured from, in the terms of the Windows serial
// API (COMMTIMEOUTS and DCB), so both platforms apply the same values in the same
// order. Each platform file translates them; a setting it cannot apply is refused,
// never silently replaced.

#include <cstdint>
#include <string>
#include <string_view>

namespace pemlar {

// Milliseconds; the multipliers count per byte of the request.
struct CommTimeouts {
    std::uint32_t readIntervalTimeout = 0;
    std::uint32_t readTotalTimeoutMultiplier = 0;
    std::uint32_t readTotalTimeoutConstant = 0;
    std::uint32_t writeTotalTimeoutMultiplier = 0;
    std::uint32_t writeTotalTimeoutConstant = 0;
    bool operator==(const CommTimeouts&) const = default;
};

enum class Parity : std::uint8_t { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };
enum class StopBits : std::uint8_t { One = 0, OneAndHalf = 1, Two = 2 };
enum class DtrControl : std::uint8_t { Disable = 0, Enable = 1, Handshake = 2 };
enum class RtsControl : std::uint8_t { Disable = 0, Enable = 1, Handshake = 2, Toggle = 3 };

// Every member of the device-control block, with valid values throughout.
struct LineSettings {
    std::uint32_t baudRate = 9600;
    std::uint8_t byteSize = 8;
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    bool binary = true;
    bool parityCheck = false;
    bool outxCtsFlow = false;
    bool outxDsrFlow = false;
    DtrControl dtrControl = DtrControl::Enable;
    bool dsrSensitivity = false;
    bool txContinueOnXoff = false;
    bool outX = false;
    bool inX = false;
    bool errorCharEnabled = false;
    bool discardNull = false;
    RtsControl rtsControl = RtsControl::Enable;
    bool abortOnError = false;
    std::uint16_t xonLim = 2048;
    std::uint16_t xoffLim = 512;
    char xonChar = 0x11;
    char xoffChar = 0x13;
    char errorChar = 0;
    char eofChar = 0;
    char evtChar = 0;
    bool operator==(const LineSettings&) const = default;
};

// The time-outs `scom::open` applies: return what has arrived, 10 ms per byte plus
// one second for a whole read or write.
CommTimeouts instrumentTimeouts();

// The record `scom::open` applies first: 9600 8N1, binary, CTS output flow control.
LineSettings instrumentLineSettings();

// "COM<port>:9600,n,8,1", the definition the line is rebuilt from.
std::string instrumentDefinition(std::int32_t port);

// Parses a definition "[COM<n>:]<baud>,<parity n|o|e|m|s>,<data 5-8>,<stop 1|1.5|2>" into
// `settings` as the Windows parser does when no handshake is named: flow control off,
// DTR and RTS enabled, other members kept. Returns false, and leaves `settings` alone,
// on anything else.
bool parseDefinition(std::string_view definition, LineSettings& settings);

}  // namespace pemlar
