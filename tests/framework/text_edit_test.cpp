#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>
#include <vector>

#include "framework/dialog.h"
#include "framework/qt/dialog_units.h"
#include "framework/qt/text_edit.h"
#include "framework/qt/windows_text.h"
#include "resources/resource_ids.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

// A multi-line edit of a template, which takes Return, with its handle's rules.
struct RuledEdit {
    fw::Dialog dialog{kMainDialog};
    fw::Edit& rules = dialog.requireControl<fw::Edit>(kAddressEdit);
    TemplateTextEdit& edit = *static_cast<TemplateTextEdit*>(rules.nativeHandle());
};

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
        RuledEdit ruled;
        TemplateTextEdit& edit = ruled.edit;
        ruled.rules.setLimit(10);
        edit.setPlainText(QString(c.before, QLatin1Char('x')));
        edit.moveCursor(QTextCursor::End);
        QTest::keyClick(&edit, c.key);
        int expected = c.before + (c.inserted ? (c.key == Qt::Key_A ? 1 : 2) : 0);
        EXPECT_EQ(TemplateTextEdit::countedLength(widgetText(&edit)), expected) << c.name;
    }
}

TEST(TemplateTextEdit, TypingOverASelectionUsesItsRoom) {
    RuledEdit ruled;
    TemplateTextEdit& edit = ruled.edit;
    ruled.rules.setLimit(4);
    edit.setPlainText(QStringLiteral("abcd"));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(widgetText(&edit), QStringLiteral("x"));
}

TEST(TemplateTextEdit, PasteIsCutToFit) {
    RuledEdit ruled;
    TemplateTextEdit& edit = ruled.edit;
    ruled.rules.setLimit(10);
    edit.setPlainText(QStringLiteral("abc"));
    edit.moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("12\r\n3456789"));
    edit.paste();
    // 3 + "12" + break (2) + "345" = 10
    EXPECT_EQ(widgetText(&edit), QStringLiteral("abc12\n345"));
}

TEST(TemplateTextEdit, ProgramTextIsNotLimited) {
    RuledEdit ruled;
    TemplateTextEdit& edit = ruled.edit;
    ruled.rules.setLimit(3);
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

// Characters the rule refuses are dropped alone: what follows them still gets in.
TEST(TemplateTextEdit, RefusedCharactersAreDroppedAlone) {
    RuledEdit ruled;
    TemplateTextEdit& edit = ruled.edit;
    ruled.rules.setCharRule([](char32_t ch) { return ch < 0x100; });
    for (const QString& key : {QStringLiteral("Ł"), QStringLiteral("ó")}) {
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, key, Qt::NoModifier);
    }
    QApplication::clipboard()->setText(QStringLiteral("dź ≥\r\nx"));
    edit.paste();
    EXPECT_EQ(widgetText(&edit), QStringLiteral("ód \nx"));
}

std::vector<int> visibleLines(TemplateTextEdit& edit, const QString& text) {
    edit.setPlainText(text);
    QApplication::processEvents();
    std::vector<int> lengths;
    const QTextLayout* layout = edit.document()->firstBlock().layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
        lengths.push_back(layout->lineAt(i).textLength());
    }
    return lengths;
}

// An edit with room for 25 columns that must break after 24, as the address slots do,
// anywhere in a word.
TEST(TemplateTextEdit, WrapsAtTheColumnNotTheEdge) {
    TemplateTextEdit edit(true);
    edit.setFont(dialogFont("Courier New", 10));
    edit.document()->setDocumentMargin(1);  // as dialog templates have it
    const qreal column = QFontMetricsF(edit.font()).horizontalAdvance(QLatin1Char('M'));
    edit.resize(qCeil(column * 25) + 2 * edit.frameWidth() + 2, 100);
    edit.setWrapColumn(24);
    edit.show();
    const struct {
        QString text;
        std::vector<int> lines;
    } kCases[] = {
        {QString(24, 'x'), {24}},
        {QString(25, 'x'), {24, 1}},
        {QString(20, 'a') + " " + QString(10, 'b'), {24, 7}},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(visibleLines(edit, c.text), c.lines) << c.text.toStdString();
    }
}

}  // namespace
