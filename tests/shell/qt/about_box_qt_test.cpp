#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "framework/qt/template_dialog.h"
#include "framework/qt/windows_text.h"
#include "framework/resource_ids.h"
#include "framework/resources.h"
#include "framework/test_seams.h"
#include "run_program.h"

using namespace pemlar;
using namespace pemlar::fw::qt;
namespace test_seams = fw::test_seams;

namespace {

using namespace std::chrono_literals;

enum class Ending { Escape, OkButton, CloseBox };

// What the user found in the about box each time it opened.
struct Seen {
    bool modal = false;
    bool applicationModal = false;
    QString caption;
    QString version;
    QPoint centreOffset;  // from the primary screen's centre
};

// Ends the about box that is open now, after noting what it shows.
void inspectAndEnd(Ending ending, Seen& seen) {
    auto* box = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->templateId(), kAboutDialog);
    seen.modal = box->isModal();
    seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
    seen.caption = box->windowTitle();
    seen.version = box->control<QLabel>(kVersionText)->text();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = box->frameGeometry();
    seen.centreOffset = QPoint(outer.x() - (screen.width() - outer.width()) / 2,
                               outer.y() - (screen.height() - outer.height()) / 2);
    switch (ending) {
        case Ending::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case Ending::OkButton:
            box->control<QPushButton>(1)->click();
            break;
        case Ending::CloseBox:
            box->close();
            break;
    }
}

TEST(AboutBox, InfoOpensItModallyAsOftenAsAsked) {
    test_seams::reset();
    const Ending kEndings[] = {Ending::Escape, Ending::OkButton, Ending::CloseBox, Ending::Escape};
    std::vector<Seen> seen;
    const int status = runProgramAs(1ms, [&](TF_Pemlare& frame) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !frame.Splash()->isShowing(); }));
        // The main window sits away from the centre; the box still opens there.
        frame.moveTo({3, 5});
        auto* info = widgetOf<QPushButton>(frame.client(), kInfoButton);
        for (Ending ending : kEndings) {
            seen.emplace_back();
            QTimer::singleShot(0, [ending, &seen] { inspectAndEnd(ending, seen.back()); });
            QTest::mouseClick(info, Qt::LeftButton);  // returns when the box has closed
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        }
        // Each run had its own box, released when it closed.
        int aboutBoxes = 0;
        for (const TemplateDialog* box : widgetOf(frame)->findChildren<TemplateDialog*>()) {
            aboutBoxes += box->templateId() == kAboutDialog ? 1 : 0;
        }
        EXPECT_EQ(aboutBoxes, 0);
        frame.close();
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(test_seams::answeredCalls().empty());
    ASSERT_EQ(seen.size(), std::size(kEndings));
    for (const Seen& s : seen) {
        EXPECT_TRUE(s.modal);
        EXPECT_TRUE(s.applicationModal);
        EXPECT_EQ(s.caption, QStringLiteral("Info über ..."));
        EXPECT_EQ(s.version, fromWindowsText(fw::loadString(kVersionString)));
        EXPECT_EQ(s.version, QStringLiteral("Version 1.4"));
        EXPECT_EQ(s.centreOffset, QPoint(0, 0));
    }
}

}  // namespace
