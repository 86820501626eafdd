#pragma once
// The application's link on a port double, for transfers in the tests that run on both
// back ends (no pseudo-terminal, no simulated instrument); pauses take no time.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/scripted_port.h"
#include "tests/ui/test_application.h"

namespace pemlar {

// The port answers each read with the next of `replies`, then with nothing.
inline std::shared_ptr<ScriptedPorts> useScriptedLink(std::vector<Bytes> replies) {
    auto lines = std::make_shared<ScriptedPorts>();
    lines->script.replies.assign(replies.begin(), replies.end());
    useTestLink(std::make_unique<scom>(
        1, [](std::int32_t) { return std::optional<std::string>("scripted"); }, instantClock(),
        ScriptedPorts::factory(lines)));
    return lines;
}

// The reply to a read: an address page whose first line is `line`.
inline Bytes pageReply(const std::string& line) {
    Bytes page(kPageSize, 0);
    std::copy(line.begin(), line.end(), page.begin());
    return replyFrame(page);
}

inline const Bytes kStatusOk = replyFrame({0x00}, 0x04, 0x00);

}  // namespace pemlar
