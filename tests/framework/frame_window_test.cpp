#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "framework/dialog_results.h"
#include "framework/qt/frame_window.h"
#include "framework/qt/template_dialog.h"
#include "resources/resource_ids.h"

using namespace pemlar;

namespace {

TEST(FrameWindow, FitsItsClientAndCannotBeResizedOrMaximised) {
    auto* client = new TemplateDialog(kMainDialog);
    const QSize clientSize = client->size();
    FrameWindow frame(nullptr, QStringLiteral("Titel"), client);
    frame.createWindow();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    EXPECT_EQ(frame.size(), clientSize);
    EXPECT_EQ(frame.minimumSize(), clientSize);
    EXPECT_EQ(frame.maximumSize(), clientSize);
    EXPECT_EQ(client->geometry(), QRect(QPoint(0, 0), clientSize));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Titel"));
    Qt::WindowFlags flags = frame.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    frame.resize(clientSize * 2);
    EXPECT_EQ(frame.size(), clientSize);
    frame.showMaximized();
    QTest::qWait(50);
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_EQ(frame.size(), clientSize);
}

TEST(FrameWindow, ClosesWhenItsClientFinishes) {
    for (int button : {IdOk, IdCancel}) {
        auto* client = new TemplateDialog(kMainDialog);
        FrameWindow frame(nullptr, QStringLiteral("Titel"), client);
        frame.createWindow();
        frame.show();
        QSignalSpy closed(&frame, &FrameWindow::closed);
        if (button == IdOk) {
            client->control<QPushButton>(kOkButton)->click();
        } else {
            QTest::keyClick(client->control(kAddressEdit), Qt::Key_Escape);
        }
        EXPECT_TRUE(closed.wait(1000)) << button;
        EXPECT_FALSE(frame.isVisible());
    }
}

}  // namespace
