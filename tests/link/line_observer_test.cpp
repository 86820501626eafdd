// What an observer of `scom` is told, and a port kept open across exchanges.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/scripted_port.h"

using namespace pemlar;

namespace {

// "open", "close": the result; "sent": bytes moved of the frame; "received": bytes that
// came of those expected; "pause": asked and passed.
std::string said(const LineEvent& e) {
    const auto n = [](std::size_t a, std::size_t b) {
        return std::to_string(a) + "/" + std::to_string(b) + " ";
    };
    const std::string result = scomResultName(e.result);
    switch (e.kind) {
        case LineEventKind::Open:
            return "open " + e.device + " " + result;
        case LineEventKind::Close:
            return "close " + result;
        case LineEventKind::Sent:
            return "sent " + n(e.transferred, e.bytes.size()) + result;
        case LineEventKind::Received:
            return "received " + n(e.bytes.size(), e.expected) + result;
        case LineEventKind::Pause:
            return "pause " + n(static_cast<std::size_t>(e.pauseAsked),
                                static_cast<std::size_t>(e.pausePassed));
    }
    return "?";
}

struct Watched {
    std::shared_ptr<ScriptedPorts> lines = std::make_shared<ScriptedPorts>();
    std::vector<std::string> events;
    scom com{3, [](std::int32_t) { return std::string("/dev/fake"); }, FakeTicks().asClock(),
             ScriptedPorts::factory(lines)};
    Watched() {
        com.setObserver([this](const LineEvent& e) { events.push_back(said(e)); });
    }
};

TEST(LineObserver, IsToldEveryFramePauseAndResult) {
    const Bytes ok = replyFrame({0x00}, 0x04, 0x00);
    Bytes badCheck = ok;
    badCheck.back() ^= 1;
    const std::string opened = "open /dev/fake Ok";
    const std::string asked = "sent 6/6 Ok";
    const std::string paused = "pause 300/300 ";
    struct Case {
        std::deque<Bytes> replies;
        std::deque<Transfer> writes;
        bool refuseOpen;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {{ok}, {}, false, {opened, asked, paused, "received 7/7 Ok", "close Ok"}},
        {{}, {}, false, {opened, asked, paused, "received 0/7 TransferError", "close Ok"}},
        {{badCheck}, {}, false, {opened, asked, paused, "received 7/7 ChecksumError", "close Ok"}},
        {{}, {Transfer{false, 2}}, false, {opened, "sent 2/6 TransferError", "close Ok"}},
        {{}, {}, true, {"open /dev/fake OpenFailed"}},
    };
    for (const Case& c : cases) {
        Watched w;
        w.lines->script.replies = c.replies;
        w.lines->script.writes = c.writes;
        w.lines->script.refuseOpen = c.refuseOpen;
        std::uint8_t status = 0;
        if (w.com.open() == ScomResult::Ok) {
            static_cast<void>(w.com.queryStatus(status));
            static_cast<void>(w.com.close());
        }
        EXPECT_EQ(w.events, c.events) << c.events.back();
    }
}

TEST(KeptPort, StaysOpenAndLockedUntilLetGo) {
    Watched w;
    w.com.keepOpen(true);
    for (int exchange = 0; exchange < 3; ++exchange) {
        ASSERT_EQ(w.com.open(), ScomResult::Ok);
        ASSERT_EQ(w.com.close(), ScomResult::Ok);
        EXPECT_TRUE(w.com.isOpen());
    }
    const std::vector<std::string>& calls = w.lines->record.calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "open /dev/fake"), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "purge input"), 3)
        << "each exchange starts without what came in before";
    w.com.keepOpen(false);
    ASSERT_EQ(w.com.close(), ScomResult::Ok);
    EXPECT_EQ(w.lines->record.openNow, 0);
}

}  // namespace
