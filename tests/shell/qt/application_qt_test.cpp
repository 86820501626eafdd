// The program run through its message loop, which only a Qt timer can act inside.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "framework/dialog_results.h"
#include "framework/qt/art_loader.h"
#include "framework/resource_ids.h"
#include "framework/test_seams.h"
#include "run_program.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

// Runs the program until it ends; `user` acts once the frame is on screen.
int runAs(const std::function<void(TF_Pemlare&)>& user) {
    QTimer::singleShot(0, [user] {
        TF_Pemlare* frame = pemlarApp().MainWindow();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*frame)));
        user(*frame);
    });
    return pemlarApp().Run();
}

TEST(Application, FrameMatchesTheDialogAndStaysFixed) {
    int status = runAs([](TF_Pemlare& frame) {
        fw::Dialog& dialog = frame.client();
        QWidget* window = widgetOf(frame);
        EXPECT_EQ(frame.caption(), "Pemlar-Programm");
        EXPECT_EQ(dialog.templateId(), kMainDialog);
        EXPECT_EQ(window->size(), widgetOf(dialog)->size());
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        // The program's icon group when the build has it; a frame without it still starts.
        EXPECT_EQ(window->windowIcon().isNull(), loadIcon(kProgramIcon).isNull());
        for (int id : {kAddressEdit, kIdNumberEdit, kIdCodeEdit, kIdDateEdit}) {
            EXPECT_EQ(dialog.requireControl(id).text(), "") << id;
        }
        frame.close();
    });
    EXPECT_EQ(status, 0);
}

// Unsaved text makes the program ask first (the ui tests say how); Ja ends it.
TEST(Application, EscapeEndsTheProgramWithStatus0) {
    fw::test_seams::reset();
    fw::test_seams::answerNextMessageBox(IdYes);
    int status = runAs([](TF_Pemlare& frame) {
        QWidget* edit = widgetOf(frame.client(), kAddressEdit);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ungesichert"));
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(fw::test_seams::pendingAnswers(), 0);
    fw::test_seams::reset();
}

TEST(Application, BeendenEndsTheProgramWithStatus0) {
    int status =
        runAs([](TF_Pemlare& frame) { widgetOf<QPushButton>(frame.client(), kOkButton)->click(); });
    EXPECT_EQ(status, 0);
}

}  // namespace
