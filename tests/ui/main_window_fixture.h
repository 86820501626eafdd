#pragma once
// The main dialog in a frame, shown and active, as the user meets it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/driver.h"
#include "framework/frame.h"
#include "framework/resource_ids.h"
#include "framework/test_seams.h"
#include "tests/ui/ui_text.h"
#include "ui/td_pemlare.h"

namespace pemlar {

namespace test_seams = fw::test_seams;
namespace driver = fw::driver;
using fw::SeamCall;
using fw::SeamKind;

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
