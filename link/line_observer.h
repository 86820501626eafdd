#pragma once
// What `scom` did on the line, told to whoever watches (a trace file): each open and
// close, each frame as it went out or came in, each pause. Watching changes nothing
// about the exchange; with no observer nothing is told.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "link/scom_result.h"

namespace pemlar {

enum class LineEventKind { Open, Close, Sent, Received, Pause };

struct LineEvent {
    LineEventKind kind = LineEventKind::Open;
    std::int32_t port = 0;
    std::string device;  // Open and Close: the device behind the port, when there is one
    // Sent: the frame as written (also when the write moved less); Received: the bytes
    // that came, however few.
    std::span<const std::uint8_t> bytes;
    std::size_t transferred = 0;  // Sent: how many of `bytes` went out
    std::size_t expected = 0;     // Received: the length the reply should have had
    std::int32_t pauseAsked = 0;  // Pause: milliseconds asked for and those that passed
    std::int32_t pausePassed = 0;
    ScomResult result = ScomResult::Ok;  // of the open, close, write or checked reply
};

using LineObserver = std::function<void(const LineEvent&)>;

// "Ok", "Timeout", ... as the result is called in code: a trace is read by whoever
// looks for the fault.
const char* scomResultName(ScomResult result);

}  // namespace pemlar
