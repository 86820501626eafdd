// What the main dialog looks like on the Qt back end: its text layout and the clipboard.

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "framework/qt/text_edit.h"
#include "framework/resource_ids.h"
#include "tests/framework/native.h"
#include "tests/ui/main_window_fixture.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

using MainDialogOnQt = MainWindowTest;

TEST_F(MainDialogOnQt, AddressEditShowsFiveLinesOf24WithoutWrapping) {
    const std::string line(24, 'W');
    setAddressText(line + "\r\n" + line + "\r\n" + line + "\r\n" + line + "\r\n" + line);
    auto* text = widgetOf<TemplateTextEdit>(*dialog, kAddressEdit);
    QTest::qWait(0);
    int bottom = 0;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.layout()->lineCount(), 1) << block.blockNumber();
        bottom = block.layout()->boundingRect().toRect().bottom() +
                 static_cast<int>(block.layout()->position().y());
    }
    EXPECT_LE(bottom, text->viewport()->height());
    // A 25th character is the next slot's, and shows on the next line.
    setAddressText(line + "W");
    QTest::qWait(0);
    EXPECT_EQ(text->document()->begin().layout()->lineCount(), 2);
}

TEST_F(MainDialogOnQt, PastedTextIsCutAfterTheFifthLine) {
    QApplication::clipboard()->setText(QStringLiteral("1\n2\n3\n4\n5\n6\n7"));
    auto* text = widgetOf<TemplateTextEdit>(*dialog, kAddressEdit);
    text->clear();
    text->setFocus();
    text->paste();
    EXPECT_EQ(addressText(), "1\r\n2\r\n3\r\n4\r\n5");
}

}  // namespace
