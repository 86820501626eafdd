#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "framework/dialog_results.h"
#include "framework/frame.h"
#include "resources/resource_ids.h"
#include "tests/framework/native.h"

using namespace pemlar;

namespace {

TEST(Frame, FitsItsClientAndCannotBeResizedOrMaximised) {
    fw::Frame frame("Titel", std::make_unique<fw::Dialog>(kMainDialog));
    QWidget* client = widgetOf(frame.client());
    const QSize clientSize = client->size();
    frame.create();
    frame.show();
    QWidget* window = widgetOf(frame);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    EXPECT_EQ(window->size(), clientSize);
    EXPECT_EQ(window->minimumSize(), clientSize);
    EXPECT_EQ(window->maximumSize(), clientSize);
    EXPECT_EQ(client->geometry(), QRect(QPoint(0, 0), clientSize));
    EXPECT_EQ(frame.caption(), "Titel");
    Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    window->resize(clientSize * 2);
    EXPECT_EQ(window->size(), clientSize);
    window->showMaximized();
    QTest::qWait(50);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), clientSize);
}

TEST(Frame, ClosesWhenItsClientFinishes) {
    for (int button : {IdOk, IdCancel}) {
        fw::Frame frame("Titel", std::make_unique<fw::Dialog>(kMainDialog));
        frame.create();
        frame.show();
        bool closed = false;
        frame.onClosed([&] { closed = true; });
        if (button == IdOk) {
            widgetOf<QPushButton>(frame.client(), kOkButton)->click();
        } else {
            QTest::keyClick(widgetOf(frame.client(), kAddressEdit), Qt::Key_Escape);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, 1000)) << button;
        EXPECT_FALSE(frame.isVisible());
    }
}

}  // namespace
