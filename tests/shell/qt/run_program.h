#pragma once
// Runs the program's application object as a user meets it. Acting from inside the
// program's message loop takes a Qt timer: the neutral driver has none.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>

#include "shell/ta_pemlare.h"
#include "shell/tf_pemlare.h"
#include "shell/tw_splash.h"
#include "tests/framework/native.h"

namespace pemlar {

inline TA_Pemlare& pemlarApp() {
    return *static_cast<TA_Pemlare*>(fw::Application::instance());
}

// Runs the program until it ends, with splashes that stay `splashTime`; `user` acts as
// soon as the frame is on screen. The frame is closed afterwards if `user` left it open
// (also when an assertion ended `user` early), which ends the program.
inline int runProgramAs(std::chrono::milliseconds splashTime,
                        const std::function<void(TF_Pemlare&)>& user) {
    TW_Splash::setDisplayTime(splashTime);
    QTimer::singleShot(0, [user] {
        TF_Pemlare* frame = pemlarApp().MainWindow();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*frame)));
        user(*frame);
        if (frame->isVisible()) {
            frame->close();
        }
    });
    const int status = pemlarApp().Run();
    TW_Splash::setDisplayTime(TW_Splash::kDefaultDisplayTime);
    return status;
}

}  // namespace pemlar
