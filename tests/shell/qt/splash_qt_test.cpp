// The splash as a Qt window: its flags, and the buttons and wheel the neutral driver
// doesn't press.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <chrono>

#include "framework/dialog_results.h"
#include "framework/resource_ids.h"
#include "framework/test_seams.h"
#include "run_program.h"
#include "shell/td_infoueber.h"

using namespace pemlar;
namespace test_seams = fw::test_seams;

namespace {

using namespace std::chrono_literals;

// Long enough that only the test ends it.
constexpr auto kStays = 60s;

class SplashOnQt : public ::testing::Test {
protected:
    void SetUp() override { test_seams::reset(); }
    void TearDown() override { test_seams::reset(); }
};

TEST_F(SplashOnQt, IsAFramelessToolWindowOfTheFrameShownWithoutActivation) {
    const int status = runProgramAs(kStays, [](TF_Pemlare& frame) {
        ASSERT_NE(frame.Splash(), nullptr);
        auto* splash = qobject_cast<QFrame*>(widgetOf(*frame.Splash()));
        ASSERT_NE(splash, nullptr);
        EXPECT_TRUE(splash->isWindow());
        EXPECT_EQ(splash->parentWidget(), widgetOf(frame));
        EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(splash->testAttribute(Qt::WA_ShowWithoutActivating));
        EXPECT_GT(splash->frameWidth(), 0);
        EXPECT_NE(QApplication::activeWindow(), splash);
        frame.close();
    });
    EXPECT_EQ(status, 0);
}

// The press that ends the splash reaches nothing else, the right button's either.
TEST_F(SplashOnQt, RightPressClosesItAndDoesNothingElse) {
    const int status = runProgramAs(kStays, [](TF_Pemlare& frame) {
        TW_Splash* splash = frame.Splash();
        ASSERT_NE(splash, nullptr);
        auto* info = widgetOf<QPushButton>(frame.client(), kInfoButton);
        test_seams::answerNextModalDialog(IdOk);
        test_seams::answerNextModalDialog(IdOk);

        QTest::mouseClick(info, Qt::RightButton);
        EXPECT_FALSE(splash->isShowing());
        EXPECT_FALSE(splash->isVisible());
        EXPECT_TRUE(test_seams::answeredCalls().empty());

        QTest::mouseClick(info, Qt::LeftButton);
        ASSERT_EQ(test_seams::answeredCalls().size(), 1u);
        EXPECT_EQ(test_seams::answeredCalls()[0].id, kAboutDialog);
        frame.close();
    });
    EXPECT_EQ(status, 0);
}

TEST_F(SplashOnQt, MiddleButtonAndWheelLeaveItOpen) {
    const int status = runProgramAs(kStays, [](TF_Pemlare& frame) {
        TW_Splash* splash = frame.Splash();
        ASSERT_NE(splash, nullptr);
        fw::Dialog& dialog = frame.client();
        QWidget* edit = widgetOf(dialog, kAddressEdit);
        QWidget* info = widgetOf(dialog, kInfoButton);

        QTest::mouseClick(info, Qt::MiddleButton);
        EXPECT_TRUE(splash->isShowing());

        for (QWidget* target : {info, widgetOf(dialog, kPortList), edit}) {
            const QPointF at(target->rect().center());
            QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        }
        EXPECT_TRUE(splash->isShowing());

        QTest::mouseClick(edit, Qt::LeftButton);
        EXPECT_FALSE(splash->isShowing());
        frame.close();
    });
    EXPECT_EQ(status, 0);
}

}  // namespace
