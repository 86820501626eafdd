#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <vector>

#include "data/id_number.h"
#include "framework/qt/text_edit.h"
#include "framework/resource_ids.h"
#include "main_window_fixture.h"

using namespace pemlar;

namespace {

using MainDialog = MainWindowTest;

TEST_F(MainDialog, PlaceholdersAreGoneWhenTheWindowAppears) {
    for (int id : {kAddressEdit, kIdNumberEdit, kIdCodeEdit, kIdDateEdit}) {
        EXPECT_EQ(windowText(control(id)), "") << id;
    }
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        QString shown = widgetText(widget);
        for (const char* placeholder : {"NK TQy-xxxxx", "xxx", "mmjj"}) {
            EXPECT_FALSE(widget->isVisible() && shown.contains(QLatin1String(placeholder)))
                << widget->objectName().toStdString();
        }
    }
}

TEST_F(MainDialog, LockedControlsStayLocked) {
    for (int id : {kLabelList, kIdNumberEdit, kIdCodeEdit, kIdDateEdit}) {
        EXPECT_TRUE(control(id)->isVisible()) << id;
        EXPECT_FALSE(control(id)->isEnabled()) << id;
    }
    EXPECT_FALSE(control(kSetButton)->isVisible());
    EXPECT_FALSE(control(kSetButton)->isEnabled());

    control(kAddressEdit)->setFocus();
    QTest::mouseClick(control(kIdNumberEdit), Qt::LeftButton);
    QTest::mouseClick(control(kLabelList), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), control(kAddressEdit));
}

// No default push button: Return outside a button presses nothing (a focused button
// takes Return, as in any dialog).
TEST_F(MainDialog, ReturnOutsideAButtonPressesNothing) {
    int clicks = 0;
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    }
    control(kPortList)->setFocus();
    QTest::keyClick(control(kPortList), Qt::Key_Return);
    QTest::qWait(150);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainDialog, AddressEditShowsFiveLinesOf24WithoutWrapping) {
    const std::string line(24, 'W');
    setAddressText(line + "\r\n" + line + "\r\n" + line + "\r\n" + line + "\r\n" + line);
    auto* edit = control<TemplateTextEdit>(kAddressEdit);
    QTest::qWait(0);
    int bottom = 0;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.layout()->lineCount(), 1) << block.blockNumber();
        bottom = block.layout()->boundingRect().toRect().bottom() +
                 static_cast<int>(block.layout()->position().y());
    }
    EXPECT_LE(bottom, edit->viewport()->height());
    // A 25th character is the next slot's, and shows on the next line.
    setAddressText(line + "W");
    QTest::qWait(0);
    EXPECT_EQ(edit->document()->begin().layout()->lineCount(), 2);
}

struct Alignment {
    int button;  // kLeftButton "Links", kCentreButton "Zentriert"
    const char* before;
    const char* after;
};

const Alignment kAlignments[] = {
    // Seven lines become the first five.
    {kLeftButton, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7", "1\r\n2\r\n3\r\n4\r\n5"},
    {kCentreButton, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7",
     "           1\r\n           2\r\n           3\r\n           4\r\n           5"},
    // A 30-character line is cut after 24.
    {kLeftButton, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234",
     "ABCDEFGHIJKLMNOPQRSTUVWX\r\nYZ1234\r\n\r\n\r\n"},
    {kCentreButton, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234",
     "ABCDEFGHIJKLMNOPQRSTUVWX\r\n         YZ1234\r\n\r\n\r\n"},
    // 24 characters and a break give no empty line between.
    {kLeftButton, "ABCDEFGHIJKLMNOPQRSTUVWX\r\nnext",
     "ABCDEFGHIJKLMNOPQRSTUVWX\r\nnext\r\n\r\n\r\n"},
    {kLeftButton, "ABC\r\n\r\nDEF", "ABC\r\n\r\nDEF\r\n\r\n"},
    {kLeftButton, "\r\nABC", "\r\nABC\r\n\r\n\r\n"},
    {kLeftButton, "", "\r\n\r\n\r\n\r\n"},
    {kLeftButton, "   X  ", "X  \r\n\r\n\r\n\r\n"},
    {kLeftButton, "    ", "\r\n\r\n\r\n\r\n"},
    {kCentreButton, "AB", "           AB\r\n\r\n\r\n\r\n"},
    {kCentreButton, "ABC", "          ABC\r\n\r\n\r\n\r\n"},
    {kCentreButton, "  X  ", "           X\r\n\r\n\r\n\r\n"},
    {kCentreButton, "   ", "   \r\n\r\n\r\n\r\n"},
    // Characters, not UTF-8 bytes, are counted: 5 and 3 characters.
    {kCentreButton,
     "Gr\xFC\xDF"
     "e",
     "         Gr\xFC\xDF"
     "e\r\n\r\n\r\n\r\n"},
    {kCentreButton, "5 \x80", "          5 \x80\r\n\r\n\r\n\r\n"},
};

TEST_F(MainDialog, AlignmentButtonsReworkTheEdit) {
    for (const Alignment& a : kAlignments) {
        setAddressText(a.before);
        QTest::mouseClick(control(a.button), Qt::LeftButton);
        EXPECT_EQ(addressText(), a.after) << a.button << " on \"" << a.before << '"';
    }
}

// The edit never takes more than the five lines the address holds: what would be
// dropped is refused. (The 129-character limit itself is the framework's, tested there.)
TEST_F(MainDialog, AddressEditTakesWhatTheFiveLinesHold) {
    struct Case {
        std::vector<int> lineLengths;  // typed as lines of 'a', Return between them
        Qt::Key key;                   // then this key
        std::size_t expectedBytes;
    };
    const Case kCases[] = {
        {{24, 24, 24, 23}, Qt::Key_Return, 103},
        {{24, 24, 24, 24, 23}, Qt::Key_Return, 127},  // no sixth line, not even an empty one
        {{24, 24, 24, 24, 24}, Qt::Key_X, 128},       // no 25th column on the fifth line
        {{24, 24, 24, 24, 23}, Qt::Key_X, 128},       // the 24th column is there
        {{1, 1, 1, 1, 1, 1}, Qt::Key_X, 15},  // no sixth line: its letters stay on the fifth
        {{30, 1, 1, 1}, Qt::Key_X, 40},       // 30 letters take two of the lines
        {{30, 1, 1, 1, 1}, Qt::Key_X, 41},
        {{120}, Qt::Key_X, 120},  // one long line: five slots full
    };
    auto* edit = control<TemplateTextEdit>(kAddressEdit);
    for (const Case& c : kCases) {
        edit->clear();
        edit->setFocus();
        for (std::size_t i = 0; i < c.lineLengths.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(edit, Qt::Key_Return);
            }
            QTest::keyClicks(edit, QString(c.lineLengths[i], QLatin1Char('a')));
        }
        QTest::keyClick(edit, c.key);
        EXPECT_EQ(addressText().size(), c.expectedBytes) << c.lineLengths.size();
    }
}

TEST_F(MainDialog, PastedTextIsCutAfterTheFifthLine) {
    QApplication::clipboard()->setText(QStringLiteral("1\n2\n3\n4\n5\n6\n7"));
    auto* edit = control<TemplateTextEdit>(kAddressEdit);
    edit->clear();
    edit->setFocus();
    edit->paste();
    EXPECT_EQ(addressText(), "1\r\n2\r\n3\r\n4\r\n5");
}

// "Se&t" is never reachable from the window (kSetButton stays hidden and disabled); when the
// command does arrive it stamps the label's code and this month into the ID edits.
TEST_F(MainDialog, SetStampsLabelCodeAndMonth) {
    struct Case {
        const char* label;  // nullptr: no label selected
        const char* expectedCode;
    };
    const Case cases[] = {{"NEU", "NEU"}, {"KALIBRIERT", "KAL"}, {"AB", "AB"}, {nullptr, "xyz"}};
    auto* labels = control<QComboBox>(kLabelList);
    auto* set = control<QPushButton>(kSetButton);
    set->setEnabled(true);
    for (const Case& c : cases) {
        labels->clear();
        if (c.label != nullptr) {
            labels->addItem(QString::fromLatin1(c.label), 0);
            labels->setCurrentIndex(0);
        }
        setWindowText(control(kIdCodeEdit), "xyz");
        setWindowText(control(kIdDateEdit), "");
        const std::string before = monthYearStamp(localMonthYear());
        set->click();
        const std::string after = monthYearStamp(localMonthYear());
        EXPECT_EQ(windowText(control(kIdCodeEdit)), c.expectedCode) << (c.label ? c.label : "none");
        const std::string date = windowText(control(kIdDateEdit));
        EXPECT_TRUE(date == before || date == after) << date;
        EXPECT_EQ(date.size(), 4u);
    }
}

}  // namespace
