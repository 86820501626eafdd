#include <QPushButton>
#include <QSignalSpy>
#include <functional>
#include <map>

#include "framework/dialog_results.h"
#include "framework/resource_ids.h"
#include "main_window_fixture.h"

using namespace pemlar;

namespace {

class Keyboard : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (int id : {kLeftButton, kCentreButton, kLoadButton, kSaveButton, kReadButton,
                       kWriteButton, kInfoButton, kOkButton}) {
            clicks[id] =
                std::make_unique<QSignalSpy>(control<QPushButton>(id), &QPushButton::clicked);
        }
    }
    int focusedId() {
        for (int id : {kLeftButton, kCentreButton, kLoadButton, kSaveButton, kPortList, kReadButton,
                       kWriteButton, kInfoButton, kOkButton, kAddressEdit, kIdNumberEdit,
                       kIdCodeEdit, kIdDateEdit, kLabelList}) {
            if (QApplication::focusWidget() == control(id)) {
                return id;
            }
        }
        return 0;
    }
    int totalClicks() {
        int n = 0;
        for (auto& [id, spy] : clicks) {
            n += static_cast<int>(spy->count());
        }
        return n;
    }
    std::map<int, std::unique_ptr<QSignalSpy>> clicks;
};

TEST_F(Keyboard, TabFollowsTemplateOrderAndLeavesTheAddressEdit) {
    const int kOrder[] = {kLeftButton, kCentreButton, kLoadButton,  kSaveButton,
                          kPortList,   kReadButton,   kWriteButton, kInfoButton,
                          kOkButton,   kAddressEdit,  kLeftButton};
    control(kLeftButton)->setFocus();
    for (std::size_t i = 1; i < std::size(kOrder); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusedId(), kOrder[i]) << "step " << i;
    }
    for (std::size_t i = std::size(kOrder) - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(focusedId(), kOrder[i - 1]) << "back step " << i;
    }
    EXPECT_EQ(addressText(), "");  // nothing typed anywhere
    EXPECT_EQ(totalClicks(), 0);
}

TEST_F(Keyboard, ReturnInTheAddressEditBreaksTheLineAndPressesNothing) {
    control(kAddressEdit)->setFocus();
    QTest::keyClicks(control(kAddressEdit), QStringLiteral("ab"));
    QTest::keyClick(control(kAddressEdit), Qt::Key_Return);
    QTest::keyClicks(control(kAddressEdit), QStringLiteral("c"));
    EXPECT_EQ(addressText(), "ab\r\nc");
    QTest::qWait(150);
    EXPECT_EQ(totalClicks(), 0);
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(Keyboard, MnemonicsPressTheirButtons) {
    const std::pair<Qt::Key, int> kMnemonics[] = {{Qt::Key_L, kLoadButton},
                                                  {Qt::Key_S, kSaveButton},
                                                  {Qt::Key_A, kReadButton},
                                                  {Qt::Key_I, kInfoButton}};
    for (auto [key, id] : kMnemonics) {
        if (id == kLoadButton || id == kSaveButton) {
            test_seams::answerNextFilePicker(QString());  // the file dialog is cancelled
        }
        if (id == kReadButton) {
            test_seams::answerNextModalDialog(IdCancel);  // the read's prompt
        }
        control(kAddressEdit)->setFocus();
        QTest::keyClick(control(kAddressEdit), key, Qt::AltModifier);
        EXPECT_TRUE(clicks[id]->wait(1000)) << id;
        EXPECT_EQ(clicks[id]->count(), 1) << id;
    }
    EXPECT_EQ(addressText(), "");
}

TEST_F(Keyboard, AltWithoutMnemonicTypesNothing) {
    control(kAddressEdit)->setFocus();
    QTest::keyClick(control(kAddressEdit), Qt::Key_Z, Qt::AltModifier);
    QTest::qWait(150);
    EXPECT_EQ(addressText(), "");
    EXPECT_EQ(totalClicks(), 0);
}

TEST_F(Keyboard, AltBAlternatesBetweenTheTwoBButtonsWithoutPressing) {
    control(kAddressEdit)->setFocus();
    std::vector<int> focused;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
        focused.push_back(focusedId());
    }
    QTest::qWait(150);
    EXPECT_EQ(totalClicks(), 0);
    ASSERT_TRUE(focused[0] == kWriteButton || focused[0] == kOkButton) << focused[0];
    int other = focused[0] == kWriteButton ? kOkButton : kWriteButton;
    EXPECT_EQ(focused, (std::vector<int>{focused[0], other, focused[0]}));
    EXPECT_TRUE(frame->isVisible());
}

// With unsaved text the program still ends at once: no question, no message.
void expectClosesWithoutQuestion(FrameWindow& frame, QWidget* edit,
                                 const std::function<void()>& action) {
    QSignalSpy closed(&frame, &FrameWindow::closed);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("nicht gespeichert"));
    action();
    EXPECT_TRUE(closed.wait(1000));
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(test_seams::answeredCalls().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Keyboard, EscapeEndsWithoutAQuestion) {
    expectClosesWithoutQuestion(*frame, control(kAddressEdit),
                                [&] { QTest::keyClick(control(kAddressEdit), Qt::Key_Escape); });
}

TEST_F(Keyboard, BeendenEndsWithoutAQuestion) {
    expectClosesWithoutQuestion(*frame, control(kAddressEdit),
                                [&] { QTest::keyClick(control(kOkButton), Qt::Key_Space); });
}

}  // namespace
