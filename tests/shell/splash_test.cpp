#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>
#include <chrono>

#include "framework/dialog_results.h"
#include "framework/qt/test_seams.h"
#include "framework/qt/windows_text.h"
#include "framework/resource_ids.h"
#include "run_program.h"
#include "shell/td_infoueber.h"

using namespace pemlar;

namespace {

using namespace std::chrono_literals;

// Long enough that only the test ends it.
constexpr auto kStays = 60s;

TW_Splash* splashOf(TF_Pemlare& frame) {
    return frame.findChild<TW_Splash*>();
}

class Splash : public ::testing::Test {
protected:
    void SetUp() override { test_seams::reset(); }
    void TearDown() override { test_seams::reset(); }
};

TEST_F(Splash, ShowsAtStartCentredAboveItsFrameWithTheVersionLine) {
    const int status = runProgramAs(kStays, [](TF_Pemlare& frame) {
        TW_Splash* splash = splashOf(frame);
        ASSERT_NE(splash, nullptr);
        EXPECT_TRUE(splash->isShowing());
        EXPECT_TRUE(splash->isVisible());
        EXPECT_TRUE(splash->isWindow());
        EXPECT_EQ(splash->parentWidget(), &frame);
        EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(splash->testAttribute(Qt::WA_ShowWithoutActivating));
        EXPECT_GT(splash->frameWidth(), 0);
        EXPECT_NE(QApplication::activeWindow(), splash);

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect placed = splash->geometry();
        EXPECT_EQ(placed.x(), (screen.width() - placed.width()) / 2);
        EXPECT_EQ(placed.y(), (screen.height() - placed.height()) / 2);

        TD_InfoUeber* content = splash->contentDialog();
        ASSERT_NE(content, nullptr);
        EXPECT_EQ(content->templateId(), kSplashDialog);
        EXPECT_EQ(placed.size(), content->mapDialogRect(QRect(0, 0, 197, 106)).size());
        EXPECT_EQ(content->control<QLabel>(kVersionText)->text(), QStringLiteral("Version 1.4"));
        frame.close();
    });
    EXPECT_EQ(status, 0);
}

TEST_F(Splash, GoesAwayOnItsTimer) {
    const int status = runProgramAs(50ms, [](TF_Pemlare& frame) {
        TW_Splash* splash = splashOf(frame);
        ASSERT_NE(splash, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !splash->isShowing(); }, 5000));
        EXPECT_FALSE(splash->isVisible());
        // Its object stays with the frame.
        EXPECT_EQ(splashOf(frame), splash);
        frame.close();
    });
    EXPECT_EQ(status, 0);
}

// The press that ends the splash reaches nothing else: "&Info..." under it doesn't run
// its command. The next click does.
TEST_F(Splash, LeftOrRightPressClosesItAndDoesNothingElse) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        test_seams::reset();
        const int status = runProgramAs(kStays, [button](TF_Pemlare& frame) {
            TW_Splash* splash = splashOf(frame);
            ASSERT_NE(splash, nullptr);
            auto* info = frame.client()->control<QPushButton>(kInfoButton);
            // Answers for both clicks, so that a click that wrongly gets through ends
            // at once instead of running a real modal box.
            test_seams::answerNextModalDialog(IdOk);
            test_seams::answerNextModalDialog(IdOk);

            QTest::mouseClick(info, button);
            EXPECT_FALSE(splash->isShowing()) << button;
            EXPECT_FALSE(splash->isVisible()) << button;
            EXPECT_TRUE(test_seams::answeredCalls().empty()) << button;

            QTest::mouseClick(info, Qt::LeftButton);
            ASSERT_EQ(test_seams::answeredCalls().size(), 1u) << button;
            EXPECT_EQ(test_seams::answeredCalls()[0].id, kAboutDialog);
            frame.close();
        });
        EXPECT_EQ(status, 0);
    }
}

TEST_F(Splash, PressOnTheSplashItselfClosesIt) {
    const int status = runProgramAs(kStays, [](TF_Pemlare& frame) {
        TW_Splash* splash = splashOf(frame);
        ASSERT_NE(splash, nullptr);
        QTest::mouseClick(splash->contentDialog()->control(kEmblemPicture), Qt::LeftButton);
        EXPECT_FALSE(splash->isShowing());
        frame.close();
    });
    EXPECT_EQ(status, 0);
}

TEST_F(Splash, KeysMiddleButtonAndWheelLeaveItOpen) {
    const int status = runProgramAs(kStays, [](TF_Pemlare& frame) {
        TW_Splash* splash = splashOf(frame);
        ASSERT_NE(splash, nullptr);
        TemplateDialog* dialog = frame.client();
        QWidget* edit = dialog->control(kAddressEdit);
        auto* info = dialog->control<QPushButton>(kInfoButton);

        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("Kunde"));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_TRUE(splash->isShowing());
        // Keys go to the main dialog as usual.
        EXPECT_EQ(windowText(edit), "Kunde\r\n");

        QTest::mouseClick(info, Qt::MiddleButton);
        EXPECT_TRUE(splash->isShowing());

        for (QWidget* target : {static_cast<QWidget*>(info), dialog->control(kPortList), edit}) {
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
