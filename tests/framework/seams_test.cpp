#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "framework/dialog.h"
#include "framework/dialog_results.h"
#include "framework/file_picker.h"
#include "framework/message_box.h"
#include "framework/qt/file_picker.h"
#include "framework/test_seams.h"
#include "resources/resource_ids.h"

using namespace pemlar;
using namespace pemlar::fw;
using namespace pemlar::fw::qt;

namespace {

class Seams : public ::testing::Test {
protected:
    void SetUp() override { test_seams::reset(); }
    void TearDown() override {
        EXPECT_EQ(test_seams::pendingAnswers(), 0);
        test_seams::reset();
    }
};

TEST_F(Seams, AnsweredWindowsAreRecordedNotShown) {
    test_seams::answerNextMessageBox(IdNo);
    test_seams::answerNextFilePicker(std::filesystem::path("/tmp/a.PML"));
    test_seams::answerNextModalDialog(IdCancel);

    EXPECT_EQ(
        messageBox(nullptr, "Text", "Frage...", MessageIcon::Question, MessageButtons::YesNoCancel),
        IdNo);
    EXPECT_EQ(pickFile(nullptr, FilePickerMode::Save, "Titel", "A *.PML|*.PML|"),
              std::filesystem::path("/tmp/a.PML"));
    Dialog dialog(kMainDialog);
    EXPECT_EQ(dialog.runModal(), IdCancel);
    EXPECT_FALSE(dialog.isVisible());

    const auto& calls = test_seams::answeredCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, SeamKind::MessageBox);
    EXPECT_EQ(calls[0].caption, "Frage...");
    EXPECT_EQ(calls[0].icon, static_cast<int>(MessageIcon::Question));
    EXPECT_EQ(calls[1].kind, SeamKind::FilePicker);
    EXPECT_EQ(calls[1].text, "A *.PML|*.PML|");
    EXPECT_EQ(calls[1].buttons, static_cast<int>(FilePickerMode::Save));
    EXPECT_EQ(calls[2].kind, SeamKind::ModalDialog);
    EXPECT_EQ(calls[2].id, kMainDialog);
}

TEST_F(Seams, AnswersGoToTheirOwnKindOnly) {
    test_seams::answerNextFilePicker(std::nullopt);
    test_seams::answerNextMessageBox(IdOk);
    EXPECT_EQ(messageBox(nullptr, {}, {}, MessageIcon::None, MessageButtons::Ok), IdOk);
    EXPECT_EQ(test_seams::pendingAnswers(), 1);
    EXPECT_FALSE(pickFile(nullptr, FilePickerMode::Open, {}, {}).has_value());
}

struct RealRun {
    MessageButtons buttons;
    QMessageBox::StandardButton pressed;  // NoButton: Escape key
    int expected;
};

// Real modal message boxes, closed from a timer as a user would; the text arrives as
// Windows-1252.
TEST_F(Seams, RealMessageBoxReturnsThePressedButton) {
    const RealRun kRuns[] = {
        {MessageButtons::Ok, QMessageBox::Ok, IdOk},
        {MessageButtons::Ok, QMessageBox::NoButton, IdOk},
        {MessageButtons::YesNoCancel, QMessageBox::No, IdNo},
        {MessageButtons::YesNoCancel, QMessageBox::Yes, IdYes},
        {MessageButtons::YesNoCancel, QMessageBox::NoButton, IdCancel},
    };
    for (const RealRun& run : kRuns) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), QStringLiteral("Text \u00FC\n2"));
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Titel"));
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_EQ(box->buttons().size(), run.buttons == MessageButtons::Ok ? 1 : 3);
            if (run.pressed == QMessageBox::NoButton) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                box->button(run.pressed)->click();
            }
        });
        EXPECT_EQ(messageBox(nullptr, "Text \xFC\r\n2", "Titel", MessageIcon::Warning, run.buttons),
                  run.expected);
    }
}

TEST(FileFilter, BarsBecomeQtFiltersAndStarDotStarMatchesEveryFile) {
    EXPECT_EQ(qtFileFilter(QStringLiteral("Pemlar-Format *.PML|*.PML|Alle Dateien *.*|*.*|")),
              QStringLiteral("Pemlar-Format *.PML (*.PML);;Alle Dateien *.* (*)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("Bilder|*.bmp;*.png;*.*.bak|Alles|*.png;*.*|")),
              QStringLiteral("Bilder (*.bmp *.png *.*.bak);;Alles (*.png *)"));
    EXPECT_EQ(qtFileFilter(QString()), QString());
}

}  // namespace
