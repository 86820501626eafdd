// Where the Qt back end imitates what the Win32 dialog manager does by itself.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "framework/qt/combo_box.h"
#include "framework/qt/placement.h"
#include "framework/qt/show_painted.h"
#include "framework/qt/template_dialog.h"
#include "resources/resource_ids.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

TEST(DialogFrame, MainDialogShowsARaisedEdgeInsideItsTemplateSize) {
    TemplateDialog dialog(kMainDialog);
    const QSize size = dialog.mapDialogRect(QRect(0, 0, 216, 131)).size();
    const QImage image = dialog.grab().toImage();
    ASSERT_EQ(image.size(), size);
    const QPalette& palette = dialog.palette();
    const auto role = [&](QPalette::ColorRole r) { return palette.color(r).rgb(); };
    EXPECT_EQ(image.pixel(0, 0), role(QPalette::Light));
    EXPECT_EQ(image.pixel(1, 1), role(QPalette::Midlight));
    EXPECT_EQ(image.pixel(size.width() - 1, size.height() - 1), role(QPalette::Shadow));
    EXPECT_EQ(image.pixel(size.width() - 2, 5), role(QPalette::Dark));
    EXPECT_EQ(dialog.control(kLeftButton)->geometry(), dialog.mapDialogRect(QRect(12, 28, 50, 12)));
}

TEST(DropDown, OpensBelowTheBoxNoTallerThanTheTemplateSays) {
    TemplateDialog dialog(kMainDialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* combo = dialog.control<TemplateComboBox>(kPortList);
    ASSERT_NE(combo, nullptr);
    const int templateList = dialog.mapDialogRect(QRect(0, 0, 36, 48)).height() - combo->height();
    EXPECT_EQ(combo->dropDownHeight(), templateList);
    for (const int items : {2, 12}) {
        SCOPED_TRACE(items);
        combo->clear();
        for (int i = 1; i <= items; ++i) {
            combo->addItem(QStringLiteral("COM%1").arg(i));
        }
        combo->showPopup();
        const QWidget* popup = combo->view()->window();
        ASSERT_TRUE(popup->isVisible());
        const int row = combo->view()->sizeHintForRow(0);
        EXPECT_EQ(popup->geometry().topLeft(), combo->mapToGlobal(QPoint(0, combo->height())));
        EXPECT_EQ(popup->width(), combo->width());
        const int shown = combo->view()->viewport()->height();
        EXPECT_LE(popup->height(), templateList);
        EXPECT_EQ(shown % row, 0);  // whole rows
        if (items == 2) {
            EXPECT_EQ(shown, 2 * row);
        } else {
            EXPECT_GT(popup->height(), templateList - row);  // as many as fit
        }
        combo->hidePopup();
    }
}

class DialogKeysTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    int focusedId() {
        for (const ControlTemplate& c : dialog.templateData().controls) {
            if (c.id > 0 && dialog.control(c.id) == QApplication::focusWidget()) {
                return c.id;
            }
        }
        return 0;
    }
    TemplateDialog dialog{kMainDialog};
};

TEST_F(DialogKeysTest, ArrowsMoveWithinTheGroupAndWrap) {
    struct Row {
        int from;
        Qt::Key key;
        int to;
    };
    const Row rows[] = {
        // The rule itself: tests/framework_rules. Here: keys, template groups and widget
        // states reach it, and edits and lists keep their arrows.
        {kLeftButton, Qt::Key_Down, kCentreButton},
        {kLeftButton, Qt::Key_Right, kCentreButton},
        {kLeftButton, Qt::Key_Up, kPortList},  // wraps inside its group
        {kInfoButton, Qt::Key_Left, kWriteButton},
        {kReadButton, Qt::Key_Up, kAddressEdit},  // past the disabled and hidden ones
        {kAddressEdit, Qt::Key_Down, kAddressEdit},
        {kPortList, Qt::Key_Down, kPortList},
    };
    for (const Row& row : rows) {
        dialog.control(row.from)->setFocus();
        QTest::keyClick(dialog.control(row.from), row.key);
        EXPECT_EQ(focusedId(), row.to) << row.from << " " << row.key;
    }
}

TEST_F(DialogKeysTest, PlainLettersOnAButtonActAsMnemonics) {
    QSignalSpy info(dialog.control<QPushButton>(kInfoButton), &QPushButton::clicked);
    QSignalSpy write(dialog.control<QPushButton>(kWriteButton), &QPushButton::clicked);
    dialog.control(kLeftButton)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I);
    EXPECT_EQ(info.count(), 1);
    EXPECT_EQ(focusedId(), kInfoButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);  // nobody's mnemonic
    EXPECT_EQ(focusedId(), kInfoButton);
    // "&Beschreiben" and "&Beenden": the focus moves, nothing is pressed (the turns they
    // take: tests/framework_rules).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
    EXPECT_EQ(focusedId(), kOkButton);
    EXPECT_EQ(write.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(Placement, PromptSitsByItsClientOriginAtTheTemplatePoint) {
    QWidget owner;
    owner.setGeometry(120, 140, 400, 300);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    TemplateDialog prompt(kReadPromptDialog, &owner);
    const QPoint expected =
        owner.mapToGlobal(QPoint(0, 0)) + prompt.mapDialogRect(QRect(90, 65, 1, 1)).topLeft();
    prompt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&prompt));
    EXPECT_EQ(prompt.geometry().topLeft(), expected);
}

TEST(Placement, CentringCountsTheFrame) {
    QDialog box;
    box.setFixedSize(300, 200);
    centreOuterOnPrimaryScreen(box);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return box.frameGeometry().center() == screen.center(); }, 1000))
        << box.frameGeometry().x() << "," << box.frameGeometry().y() << " "
        << box.frameGeometry().width() << " " << screen.width() << "x" << screen.height();
}

class ZOrderCount : public QObject {
public:
    int raised = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        raised += event->type() == QEvent::ZOrderChange ? 1 : 0;
        return false;
    }
};

TEST(Placement, PopupIsRaisedWhenItsOwnerComesForward) {
    QWidget owner;
    auto* popup = new QWidget(&owner, Qt::Tool | Qt::FramelessWindowHint);
    keepAboveOwner(*popup);
    popup->show();
    ZOrderCount count;
    popup->installEventFilter(&count);
    owner.show();
    QApplication::setActiveWindow(&owner);
    EXPECT_TRUE(QTest::qWaitFor([&] { return count.raised > 0; }, 1000));
}

TEST(ShowPainted, PaintsAndIgnoresKeysThatCameBefore) {
    QDialog notice;
    QApplication::postEvent(&notice,
                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    showPainted(notice);
    EXPECT_TRUE(notice.windowHandle()->isExposed());
    EXPECT_TRUE(notice.isVisible());
}

}  // namespace
