#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "framework/text_edit.h"
#include "framework/windows_text.h"

namespace {

struct LimitCase {
    const char* name;
    int before;     // characters already there, no line breaks
    Qt::Key key;    // typed
    bool inserted;  // whether the key got through
};

TEST(TemplateTextEdit, TypingStopsAtTheLimitWithLineBreaksCountingTwo) {
    const LimitCase kCases[] = {
        {"letter into room", 8, Qt::Key_A, true},
        {"letter at the limit", 10, Qt::Key_A, false},
        {"break into two free", 8, Qt::Key_Return, true},
        {"break into one free", 9, Qt::Key_Return, false},
        {"enter key too", 9, Qt::Key_Enter, false},
    };
    for (const LimitCase& c : kCases) {
        TemplateTextEdit edit(true);
        edit.setTextLimit(10);
        edit.setPlainText(QString(c.before, QLatin1Char('x')));
        edit.moveCursor(QTextCursor::End);
        QTest::keyClick(&edit, c.key);
        int expected = c.before + (c.inserted ? (c.key == Qt::Key_A ? 1 : 2) : 0);
        EXPECT_EQ(TemplateTextEdit::countedLength(widgetText(&edit)), expected) << c.name;
    }
}

TEST(TemplateTextEdit, TypingOverASelectionUsesItsRoom) {
    TemplateTextEdit edit(true);
    edit.setTextLimit(4);
    edit.setPlainText(QStringLiteral("abcd"));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(widgetText(&edit), QStringLiteral("x"));
}

TEST(TemplateTextEdit, PasteIsCutToFit) {
    TemplateTextEdit edit(true);
    edit.setTextLimit(10);
    edit.setPlainText(QStringLiteral("abc"));
    edit.moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("12\r\n3456789"));
    edit.paste();
    // 3 + "12" + break (2) + "345" = 10
    EXPECT_EQ(widgetText(&edit), QStringLiteral("abc12\n345"));
}

TEST(TemplateTextEdit, ProgramTextIsNotLimited) {
    TemplateTextEdit edit(true);
    edit.setTextLimit(3);
    edit.setPlainText(QStringLiteral("abcdef"));
    EXPECT_EQ(widgetText(&edit), QStringLiteral("abcdef"));
}

TEST(TemplateTextEdit, ReturnGoesToTheDialogUnlessWanted) {
    TemplateTextEdit edit(false);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(widgetText(&edit), QString());
}

TEST(TemplateTextEdit, TabNeverInsertsATab) {
    TemplateTextEdit edit(true);
    QTest::keyClicks(&edit, QStringLiteral("a"));
    QTest::keyClick(&edit, Qt::Key_Tab);
    EXPECT_EQ(widgetText(&edit), QStringLiteral("a"));
}

}  // namespace
