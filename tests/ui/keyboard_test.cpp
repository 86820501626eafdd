#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/dialog_results.h"
#include "framework/resource_ids.h"
#include "main_window_fixture.h"
#include "tests/support/test_environment.h"

using namespace pemlar;

namespace {

using fw::Key;
using namespace std::chrono_literals;

// Handles events until `done` or `limit` has passed.
bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = 1000ms) {
    for (auto waited = 0ms; !done(); waited += 10ms) {
        if (waited >= limit) {
            return false;
        }
        driver::processEvents(10ms);
    }
    return true;
}

class Keyboard : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (int id : {kLeftButton, kCentreButton, kLoadButton, kSaveButton, kReadButton,
                       kWriteButton, kInfoButton, kOkButton}) {
            clicks[id] = 0;
            ASSERT_TRUE(
                dialog->onCommand(id, fw::Notification::Clicked, [this, id] { ++clicks[id]; }));
        }
    }
    int focusedId() { return driver::focusedControl(*dialog); }
    int totalClicks() {
        int n = 0;
        for (auto& [id, count] : clicks) {
            n += count;
        }
        return n;
    }
    std::map<int, int> clicks;
};

TEST_F(Keyboard, TabFollowsTemplateOrderAndLeavesTheAddressEdit) {
    const int kOrder[] = {kLeftButton, kCentreButton, kLoadButton,  kSaveButton,
                          kPortList,   kReadButton,   kWriteButton, kInfoButton,
                          kOkButton,   kAddressEdit,  kLeftButton};
    control(kLeftButton).setFocus();
    for (std::size_t i = 1; i < std::size(kOrder); ++i) {
        driver::key(Key::Tab);
        EXPECT_EQ(focusedId(), kOrder[i]) << "step " << i;
    }
    for (std::size_t i = std::size(kOrder) - 1; i > 0; --i) {
        driver::key(Key::Tab, {.shift = true});
        EXPECT_EQ(focusedId(), kOrder[i - 1]) << "back step " << i;
    }
    EXPECT_EQ(addressText(), "");  // nothing typed anywhere
    EXPECT_EQ(totalClicks(), 0);
}

TEST_F(Keyboard, ReturnInTheAddressEditBreaksTheLineAndPressesNothing) {
    driver::type(*dialog, kAddressEdit, "ab\r\nc");
    EXPECT_EQ(addressText(), "ab\r\nc");
    driver::processEvents(150ms);
    EXPECT_EQ(totalClicks(), 0);
    EXPECT_TRUE(frame->isVisible());
}

// A focused button takes Return however it got the focus; once the focus has left the
// buttons, Return is the dialog's OK again.
TEST_F(Keyboard, ReturnPressesTheFocusedButton) {
    struct Case {
        const char* how;
        std::function<void()> focus;
        int pressed;  // by Return
    };
    const Case kCases[] = {
        {"click", [this] { driver::click(*dialog, kLeftButton); }, kLeftButton},
        {"Tab",
         [this] {
             control(kLeftButton).setFocus();
             driver::key(Key::Tab);
         },
         kCentreButton},
        {"click, then Tab on to the port list",
         [this] {
             driver::click(*dialog, kCentreButton);
             for (int i = 0; i < 3; ++i) {
                 driver::key(Key::Tab);
             }
         },
         kOkButton},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.how);
        c.focus();
        for (auto& [id, count] : clicks) {
            count = 0;
        }
        driver::key(Key::Return);
        driver::processEvents(150ms);
        EXPECT_EQ(clicks[c.pressed], 1);
        EXPECT_EQ(totalClicks(), 1);
        EXPECT_EQ(frame->isVisible(), c.pressed != kOkButton);
    }
}

// What the user sees while typing is what the line slots hold: 24 characters to a line,
// the 24th stays, the 25th goes on, and a long line breaks after its 24th character
// even inside a word or after a space.
TEST_F(Keyboard, TypedLinesWrapAfter24Characters) {
    const std::string w24(24, 'W');
    const std::pair<std::string, std::vector<std::string>> kCases[] = {
        {w24, {w24}},
        {w24 + "W", {w24, "W"}},
        {w24 + w24 + "WW", {w24, w24, "WW"}},
        {"Stadtwerke M\xFCnster Hauptstra\xDF\x65 12",
         {"Stadtwerke M\xFCnster Haupt", "stra\xDF\x65 12"}},
        {"Abteilung Messtechnik und Service", {"Abteilung Messtechnik un", "d Service"}},
    };
    for (const auto& [typed, shown] : kCases) {
        setAddressText("");
        driver::type(*dialog, kAddressEdit, typed);
        EXPECT_EQ(edit(kAddressEdit).shownLines(), shown) << typed;
    }
}

TEST_F(Keyboard, MnemonicsPressTheirButtons) {
    const std::pair<char, int> kMnemonics[] = {
        {'l', kLoadButton}, {'s', kSaveButton}, {'a', kReadButton}, {'i', kInfoButton}};
    for (auto [letter, id] : kMnemonics) {
        if (id == kLoadButton || id == kSaveButton) {
            test_seams::answerNextFilePicker(std::nullopt);  // the file dialog is cancelled
        }
        if (id == kReadButton) {
            test_seams::answerNextModalDialog(IdCancel);  // the read's prompt
        }
        control(kAddressEdit).setFocus();
        driver::letter(letter, {.alt = true});
        EXPECT_TRUE(waitFor([&] { return clicks[id] > 0; })) << id;
        EXPECT_EQ(clicks[id], 1) << id;
    }
    EXPECT_EQ(addressText(), "");
}

TEST_F(Keyboard, AltWithoutMnemonicTypesNothing) {
    control(kAddressEdit).setFocus();
    driver::letter('z', {.alt = true});
    driver::processEvents(150ms);
    EXPECT_EQ(addressText(), "");
    EXPECT_EQ(totalClicks(), 0);
}

TEST_F(Keyboard, AltBAlternatesBetweenTheTwoBButtonsWithoutPressing) {
    if (underWine()) {
        GTEST_SKIP() << "Wine's dialog manager presses the first of two buttons with one mnemonic";
    }
    control(kAddressEdit).setFocus();
    std::vector<int> focused;
    for (int i = 0; i < 3; ++i) {
        driver::letter('b', {.alt = true});
        focused.push_back(focusedId());
    }
    driver::processEvents(150ms);
    EXPECT_EQ(totalClicks(), 0);
    ASSERT_TRUE(focused[0] == kWriteButton || focused[0] == kOkButton) << focused[0];
    int other = focused[0] == kWriteButton ? kOkButton : kWriteButton;
    EXPECT_EQ(focused, (std::vector<int>{focused[0], other, focused[0]}));
    EXPECT_TRUE(frame->isVisible());
}

}  // namespace
