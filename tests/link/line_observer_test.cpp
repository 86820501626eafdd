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

std::string said(const LineEvent& e) {
    const std::string result = scomResultName(e.result);
    switch (e.kind) {
        case LineEventKind::Open:
            return "open COM" + std::to_string(e.port) + " " + e.device + " " + result;
        case LineEventKind::Close:
            return "close " + result;
        case LineEventKind::Sent:
            return "sent " + std::to_string(e.transferred) + "/" + std::to_string(e.bytes.size()) +
                   " " + result;
        case LineEventKind::Received:
            return "received " + std::to_string(e.bytes.size()) + "/" + std::to_string(e.expected) +
                   " " + result;
        case LineEventKind::Pause:
            return "pause " + std::to_string(e.pauseAsked) + "/" + std::to_string(e.pausePassed);
    }
    return "?";
}

struct Watched {
    std::shared_ptr<ScriptedPorts> lines = std::make_shared<ScriptedPorts>();
    std::vector<std::string> events;
    Bytes lastReceived;
    scom com{3, [](std::int32_t) { return std::string("/dev/fake"); }, FakeTicks().asClock(),
             ScriptedPorts::factory(lines)};
    Watched() {
        com.setObserver([this](const LineEvent& e) {
            events.push_back(said(e));
            if (e.kind == LineEventKind::Received) {
                lastReceived.assign(e.bytes.begin(), e.bytes.end());
            }
        });
    }
};

TEST(LineObserver, IsToldEveryFramePauseAndResult) {
    const Bytes ok = replyFrame({0x00}, 0x04, 0x00);
    Bytes badCheck = ok;
    badCheck.back() ^= 1;
    struct Case {
        const char* name;
        PortScript script;
        std::vector<std::string> events;
    };
    auto replying = [](Bytes reply) {
        PortScript script;
        script.replies = {std::move(reply)};
        return script;
    };
    PortScript partialWrite;
    partialWrite.writes = {Transfer{false, 2}};
    PortScript refusedOpen;
    refusedOpen.refuseOpen = true;
    PortScript refusedSetting;
    refusedSetting.refuse = ConfigStep::BuildState;
    const Case cases[] = {
        {"answered",
         replying(ok),
         {"open COM3 /dev/fake Ok", "sent 6/6 Ok", "pause 300/300", "received 7/7 Ok", "close Ok"}},
        {"silent",
         PortScript{},
         {"open COM3 /dev/fake Ok", "sent 6/6 Ok", "pause 300/300", "received 0/7 TransferError",
          "close Ok"}},
        {"short",
         replying(Bytes(ok.begin(), ok.end() - 1)),
         {"open COM3 /dev/fake Ok", "sent 6/6 Ok", "pause 300/300", "received 6/7 TransferError",
          "close Ok"}},
        {"wrong check value",
         replying(badCheck),
         {"open COM3 /dev/fake Ok", "sent 6/6 Ok", "pause 300/300", "received 7/7 ChecksumError",
          "close Ok"}},
        {"partial write",
         partialWrite,
         {"open COM3 /dev/fake Ok", "sent 2/6 TransferError", "close Ok"}},
        {"refused open", refusedOpen, {"open COM3 /dev/fake OpenFailed"}},
        {"refused setting", refusedSetting, {"open COM3 /dev/fake InitFailed"}},
    };
    for (const Case& c : cases) {
        Watched w;
        w.lines->script = c.script;
        std::uint8_t status = 0;
        if (w.com.open() == ScomResult::Ok) {
            static_cast<void>(w.com.queryStatus(status));
            static_cast<void>(w.com.close());
        }
        EXPECT_EQ(w.events, c.events) << c.name;
    }
}

TEST(LineObserver, SeesTheBytesAsTheyCame) {
    Watched w;
    const Bytes page = replyFrame(Bytes(256, 0x41));
    w.lines->script.replies = {page};
    ASSERT_EQ(w.com.open(), ScomResult::Ok);
    EepromImage image{};
    ASSERT_EQ(w.com.readEeprom(image), ScomResult::Ok);
    EXPECT_EQ(w.lastReceived, page);
}

TEST(KeptPort, StaysOpenAndLockedUntilLetGo) {
    Watched w;
    w.com.keepOpen(true);
    for (int exchange = 0; exchange < 3; ++exchange) {
        ASSERT_EQ(w.com.open(), ScomResult::Ok);
        ASSERT_EQ(w.com.close(), ScomResult::Ok);
        EXPECT_TRUE(w.com.isOpen());
    }
    EXPECT_EQ(w.lines->record.openNow, 1);
    EXPECT_EQ(
        std::count(w.lines->record.calls.begin(), w.lines->record.calls.end(), "open /dev/fake"),
        1);
    EXPECT_EQ(std::count(w.lines->record.calls.begin(), w.lines->record.calls.end(), "purge input"),
              3)
        << "each exchange starts without what came in before";
    w.com.keepOpen(false);
    ASSERT_EQ(w.com.close(), ScomResult::Ok);
    EXPECT_EQ(w.lines->record.openNow, 0);
}

}  // namespace
