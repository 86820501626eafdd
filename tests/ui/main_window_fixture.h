#pragma once
// The main dialog in a frame, shown and active, as the user meets it.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/driver.h"
#include "framework/frame.h"
#include "framework/resource_ids.h"
#include "framework/test_seams.h"
#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/scripted_port.h"
#include "tests/ui/test_application.h"
#include "tests/ui/ui_text.h"
#include "ui/td_pemlare.h"

namespace pemlar {

namespace test_seams = fw::test_seams;
namespace driver = fw::driver;
using fw::SeamCall;
using fw::SeamKind;

// The application's link on a port double that answers each read with the next of
// `replies`: transfers on both back ends, without pseudo-terminals. Pauses take no time.
inline void useScriptedLink(std::vector<Bytes> replies) {
    auto lines = std::make_shared<ScriptedPorts>();
    lines->script.replies.assign(replies.begin(), replies.end());
    useTestLink(std::make_unique<scom>(
        1, [](std::int32_t) { return std::optional<std::string>("scripted"); }, instantClock(),
        ScriptedPorts::factory(lines)));
}
// The reply to a read: an address page of one line.
inline Bytes pageReply(const std::string& line) {
    Bytes page(kPageSize, 0);
    std::copy(line.begin(), line.end(), page.begin());
    return replyFrame(page);
}
inline const Bytes kStatusOk = replyFrame({0x00}, 0x04, 0x00);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_seams::reset();
        openWindow();
    }
    // A new main window in place of the one before, as at the start of a run.
    void openWindow() {
        frame.reset();
        auto client = std::make_unique<TD_Pemlare>();
        dialog = client.get();
        frame = std::make_unique<fw::Frame>("Pemlar-Programm", std::move(client));
        frame->create();
        frame->show();
        ASSERT_TRUE(driver::activate(*frame));
    }
    void TearDown() override {
        frame.reset();
        EXPECT_EQ(test_seams::pendingAnswers(), 0);
        test_seams::reset();
    }

    fw::Control& control(int id) { return dialog->requireControl(id); }
    fw::Edit& edit(int id) { return dialog->requireControl<fw::Edit>(id); }
    fw::ComboBox& combo(int id) { return dialog->requireControl<fw::ComboBox>(id); }
    std::string addressText() { return edit(kAddressEdit).text(); }
    // The message boxes shown so far, as "caption: text" in UTF-8.
    static std::vector<std::string> messages() {
        std::vector<std::string> shown;
        for (const SeamCall& call : test_seams::answeredCalls()) {
            if (call.kind == SeamKind::MessageBox) {
                shown.push_back(shownText(call.caption) + ": " + shownText(call.text));
            }
        }
        return shown;
    }
    void setAddressText(std::string_view bytes) { edit(kAddressEdit).setText(bytes); }

    TD_Pemlare* dialog = nullptr;  // the frame's client
    std::unique_ptr<fw::Frame> frame;
};

}  // namespace pemlar
