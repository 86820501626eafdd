#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "framework/dialog_results.h"
#include "framework/qt/message_box.h"
#include "framework/qt/test_seams.h"
#include "framework/resource_ids.h"
#include "ui/msg_box.h"

using namespace pemlar;

namespace {

class MsgBoxTest : public ::testing::Test {
protected:
    void SetUp() override { test_seams::reset(); }
    void TearDown() override { test_seams::reset(); }
};

struct KindCase {
    MsgKind kind;
    const char16_t* caption;
    MessageIcon icon;
    MessageButtons buttons;
};

TEST_F(MsgBoxTest, CaptionIconAndButtonsFollowTheKind) {
    const KindCase kKinds[] = {
        {MsgWarning, u"Warnung...", MessageIcon::Warning, MessageButtons::Ok},
        {MsgError, u"Fehler...", MessageIcon::Error, MessageButtons::Ok},
        {MsgInfo, u"Information...", MessageIcon::Information, MessageButtons::Ok},
        {MsgQuestion, u"Frage...", MessageIcon::Question, MessageButtons::YesNoCancel},
    };
    for (const KindCase& k : kKinds) {
        test_seams::reset();
        test_seams::answerNextMessageBox(IdNo);
        EXPECT_EQ(MsgBox(nullptr, k.kind, kMsgChecksumError), IdNo);
        ASSERT_EQ(test_seams::answeredCalls().size(), 1u);
        const SeamCall& call = test_seams::answeredCalls().front();
        EXPECT_EQ(call.caption, QString::fromUtf16(k.caption));
        EXPECT_EQ(call.text, QStringLiteral("Es ist ein Püfsummen-Fehler aufgetreten !"));
        EXPECT_EQ(call.icon, static_cast<int>(k.icon));
        EXPECT_EQ(call.buttons, static_cast<int>(k.buttons));
    }
}

TEST_F(MsgBoxTest, UnknownKindShowsNothing) {
    EXPECT_EQ(MsgBox(nullptr, static_cast<MsgKind>(4), kMsgTimeout), 0);
    EXPECT_TRUE(test_seams::answeredCalls().empty());
}

TEST_F(MsgBoxTest, ArgumentsAreFormattedAndCut) {
    test_seams::answerNextMessageBox(IdOk);
    // kProgramTitleString has no conversion, so the argument changes nothing.
    MsgBox(nullptr, MsgInfo, kProgramTitleString, 42);
    EXPECT_EQ(test_seams::answeredCalls().at(0).text, QStringLiteral("Pemlar-Programm"));
}

// The real thing: a modal message box on screen, closed by clicking its button.
TEST_F(MsgBoxTest, SuccessMessageAppearsAsItShould) {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(MsgBox(nullptr, MsgInfo, kMsgWriteDone), IdOk);
    EXPECT_EQ(caption, QStringLiteral("Information..."));
    EXPECT_EQ(text, QStringLiteral("Die Programmierung des EEproms wurde erfolgreich beendet!"));
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons.size(), 1);
}

}  // namespace
