#pragma once
// The main dialog in a frame, shown and active, as the user meets it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "framework/qt/frame_window.h"
#include "framework/qt/test_seams.h"
#include "framework/qt/windows_text.h"
#include "framework/resource_ids.h"
#include "ui/td_pemlare.h"

namespace pemlar {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_seams::reset();
        dialog = new TD_Pemlare();
        frame = std::make_unique<FrameWindow>(nullptr, QStringLiteral("Pemlar-Programm"), dialog);
        frame->createWindow();
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void TearDown() override {
        frame.reset();
        EXPECT_EQ(test_seams::pendingAnswers(), 0);
        test_seams::reset();
    }

    template <class W = QWidget>
    W* control(int id) {
        return dialog->control<W>(id);
    }
    std::string addressText() { return windowText(control(kAddressEdit)); }
    void setAddressText(std::string_view bytes) { setWindowText(control(kAddressEdit), bytes); }

    TD_Pemlare* dialog = nullptr;  // owned by the frame
    std::unique_ptr<FrameWindow> frame;
};

}  // namespace pemlar
