// The prompts and progress notices of the read and write commands as real windows:
// prompts run modally and are closed the way a user closes them.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "framework/dialog_results.h"
#include "framework/qt/template_dialog.h"
#include "framework/resource_ids.h"
#include "tests/framework/native.h"
#include "tests/ui/transfer_fixture.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

struct PromptLook {
    int button;
    int templateId;
    QString title;
    QString ok;
    bool okIsDefault;
};

const PromptLook kPrompts[] = {
    {kReadButton, kReadPromptDialog, QStringLiteral("EEprom auslesen"), QStringLiteral("Ok"),
     false},
    {kWriteButton, kWritePromptDialog, QStringLiteral("EEprom programmieren"), QStringLiteral("OK"),
     true},
};

enum class Way { Abbruch, Escape, CloseBox };
const Way kWays[] = {Way::Abbruch, Way::Escape, Way::CloseBox};

struct SeenPrompt {
    int templateId = 0;
    QString title;
    QStringList texts;
    QStringList buttons;
    QList<bool> defaults;
};

// Calls `act` with the modal prompt once it is up, after noting how it looks.
void whenPromptIsUp(SeenPrompt& seen, std::function<void(TemplateDialog*)> act) {
    QTimer::singleShot(0, [&seen, act] {
        auto* prompt = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(prompt, nullptr);
        seen.templateId = prompt->templateId();
        seen.title = prompt->windowTitle();
        for (QLabel* label : prompt->findChildren<QLabel*>()) {
            seen.texts << label->text();
        }
        for (QPushButton* button : prompt->findChildren<QPushButton*>()) {
            seen.buttons << button->text();
        }
        // A focused button shows itself as the default one, so ask the template.
        for (const ControlTemplate& control : prompt->templateData().controls) {
            if (control.kind == ControlKind::PushButton) {
                seen.defaults << ((control.style & ControlStyle::DefaultButton) != 0);
            }
        }
        act(prompt);
    });
}

using TransferPrompts = TransferTest;

TEST_F(TransferPrompts, LookAsTheirTemplatesAndCancelEveryWayWithoutPortActivity) {
    for (const PromptLook& p : kPrompts) {
        for (Way way : kWays) {
            SCOPED_TRACE(testing::Message() << p.templateId << ", way " << static_cast<int>(way));
            SeenPrompt seen;
            whenPromptIsUp(seen, [way](TemplateDialog* prompt) {
                switch (way) {
                    case Way::Abbruch:
                        prompt->control<QPushButton>(IdCancel)->click();
                        break;
                    case Way::Escape:
                        QTest::keyClick(prompt, Qt::Key_Escape);
                        break;
                    case Way::CloseBox:
                        prompt->close();
                        break;
                }
            });
            press(p.button);

            EXPECT_EQ(seen.templateId, p.templateId);
            EXPECT_EQ(seen.title, p.title);
            EXPECT_EQ(seen.texts, (QStringList{QStringLiteral("Das Messgerät anschliessen und in"),
                                               QStringLiteral("den Programmiermodus bringen !")}));
            EXPECT_EQ(seen.buttons, (QStringList{p.ok, QStringLiteral("Abbruch")}));
            EXPECT_EQ(seen.defaults, (QList<bool>{p.okIsDefault, false}));
            EXPECT_TRUE(test_seams::answeredCalls().empty());
            EXPECT_TRUE(port.sim().received().empty());
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        }
    }
}

// Watches the progress notice: when its text is first painted, and how much the
// instrument had received by then.
class NoticeSpy : public QObject {
public:
    NoticeSpy(SimServer& sim, QString text) : sim_(sim), text_(std::move(text)) {
        qApp->installEventFilter(this);
    }
    ~NoticeSpy() override { qApp->removeEventFilter(this); }

    int paints = 0;
    std::size_t receivedAtFirstPaint = 0;
    QString title;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = qobject_cast<QLabel*>(watched);
        if (event->type() == QEvent::Paint && label != nullptr && label->text() == text_) {
            if (paints++ == 0) {
                receivedAtFirstPaint = sim_.received().size();
                title = label->window()->windowTitle();
            }
        }
        return false;
    }

private:
    SimServer& sim_;
    QString text_;
};

struct NoticeCase {
    int button;
    int noticeId;
    QString title;
    QString text;
    int messages;
};

TEST_F(TransferPrompts, ProgressNoticeIsPaintedBeforeTheTransferAndGoneAfterIt) {
    const NoticeCase kNotices[] = {
        {kReadButton, kReadProgressDialog, QStringLiteral("EEprom auslesen"),
         QStringLiteral("Das EEprom wird jetzt ausgelesen !"), 0},
        {kWriteButton, kWriteProgressDialog, QStringLiteral("EEprom programmieren"),
         QStringLiteral("Das EEprom wird jetzt programmiert !"), 1},
    };
    for (const NoticeCase& n : kNotices) {
        SCOPED_TRACE(n.noticeId);
        test_seams::reset();
        port.sim().clearReceived();
        NoticeSpy spy(port.sim(), n.text);
        test_seams::answerNextModalDialog(IdOk);
        for (int i = 0; i < n.messages; ++i) {
            test_seams::answerNextMessageBox(IdOk);
        }
        press(n.button);

        EXPECT_GE(spy.paints, 1);
        EXPECT_EQ(spy.receivedAtFirstPaint, 0u);
        EXPECT_EQ(spy.title, n.title);
        EXPECT_FALSE(port.sim().received().empty());
        const QString name = QStringLiteral("dialog%1").arg(n.noticeId);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            EXPECT_NE(window->objectName(), name) << "the notice is destroyed";
        }
        QTest::qWait(20);
        EXPECT_EQ(QApplication::activeWindow(), widgetOf(*frame)) << "the keyboard is back";
    }
}

TEST_F(TransferPrompts, OkInTheRealReadPromptReadsTheInstrument) {
    SeenPrompt seen;
    whenPromptIsUp(seen,
                   [](TemplateDialog* prompt) { prompt->control<QPushButton>(IdOk)->click(); });
    press(kReadButton);
    EXPECT_EQ(seen.templateId, kReadPromptDialog);
    EXPECT_EQ(addressShown(), kDemoAddress);
    EXPECT_EQ(idShown(), kDemoId);
    EXPECT_TRUE(test_seams::answeredCalls().empty()) << "no message";
    // The keyboard is back with the main window, ready for editing.
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), widgetOf(*frame));
}

}  // namespace
