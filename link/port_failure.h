#pragma once
// Why a serial-port operation did not succeed: the step that was refused, the
// platform's own code with its symbolic name and text, and which port and device were
// involved. `scom` keeps the last one; a command line can phrase it for the user.

#include <cstddef>
#include <cstdint>
#include <string>

#include "link/scom_result.h"

namespace pemlar {

enum class PortStep {
    None,       // no port call involved (a bad argument)
    Resolve,    // the COM number stands for no device
    Open,       // opening the device
    Lock,       // taking the device for this program alone (POSIX flock)
    Timeouts,   // applying the time-outs (POSIX: checking that it is a terminal)
    Configure,  // applying or building the line settings
    Write,
    Read,
    Close,
};

// What kind of refusal it was, as the platform file judges its own codes; the texts
// for the user are phrased from this, never from the system's (English) text.
enum class FailureKind {
    None,        // no refusal of the system (a time-out, a reply that failed its checks)
    NotFound,    // no device under that name
    Permission,  // the device is there, but not for this user
    Busy,        // another program (or this one) holds it
    Removed,     // it went away while open
    NotSerial,   // it opens, but is no serial device (a file, a FIFO, /dev/zero)
    HangUp,      // the line hung up
    Other,
};

struct PortFailure {
    ScomResult result = ScomResult::Ok;
    PortStep step = PortStep::None;
    FailureKind kind = FailureKind::None;
    // errno or GetLastError(); 0 when the platform reported no error (a time-out, a
    // reply that came short or failed its checks, a setting the port did not take).
    std::int64_t code = 0;
    // "EACCES", "ERROR_ACCESS_DENIED"; "POLLHUP" for a hang-up (code 0); else empty
    std::string name{};
    std::string text{};    // the system's own text for `code`
    std::string group{};   // Permission: the group the device belongs to, where known
    std::string holder{};  // Busy: the program holding it, "minicom (PID 812)", where known
    std::int32_t port = 0;
    std::string device{};  // the path that was opened; empty when there was none
    // Bytes moved and bytes wanted by the write or read that failed.
    std::size_t transferred = 0;
    std::size_t expected = 0;
};

// One line in German (UTF-8) for a command-line user, e.g.
// "COM5 (/dev/ttyUSB0): kein Zugriff – nur für die Gruppe dialout (EACCES)".
std::string describePortFailure(const PortFailure& failure);

// The same without "COM5 (/dev/ttyUSB0): ".
std::string portFailureReason(const PortFailure& failure);

}  // namespace pemlar
