#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

#include "framework/dialog_results.h"
#include "framework/driver.h"
#include "framework/resource_ids.h"
#include "framework/test_seams.h"
#include "shell/td_infoueber.h"
#include "shell/tf_pemlare.h"
#include "shell/tw_splash.h"
#include "ui/td_pemlare.h"

using namespace pemlar;
using namespace std::chrono_literals;
namespace test_seams = fw::test_seams;
namespace driver = fw::driver;

namespace {

// Long enough that only the test ends it.
constexpr auto kStays = 60s;

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    for (auto waited = 0ms; !done(); waited += 10ms) {
        if (waited >= limit) {
            return false;
        }
        driver::processEvents(10ms);
    }
    return true;
}

// The main window as the program builds it, on screen.
class Splash : public ::testing::Test {
protected:
    void SetUp() override { test_seams::reset(); }
    void TearDown() override {
        frame.reset();
        TW_Splash::setDisplayTime(TW_Splash::kDefaultDisplayTime);
        test_seams::reset();
    }
    // With splashes that stay `displayTime`.
    void start(std::chrono::milliseconds displayTime) {
        TW_Splash::setDisplayTime(displayTime);
        frame = std::make_unique<TF_Pemlare>("Pemlar-Programm", std::make_unique<TD_Pemlare>());
        frame->create();
        frame->show();
        driver::processEvents();
        ASSERT_NE(frame->Splash(), nullptr);
    }
    TW_Splash& splash() { return *frame->Splash(); }

    std::unique_ptr<TF_Pemlare> frame;
};

TEST_F(Splash, ShowsAtStartCentredWithoutTheKeyboardAndWithTheVersionLine) {
    start(kStays);
    EXPECT_TRUE(splash().isShowing());
    EXPECT_TRUE(splash().isVisible());
    EXPECT_FALSE(splash().isActive());

    // Centred on the screen as a dialog that centres itself is.
    fw::Dialog probe(kAboutDialog);
    probe.centreOnScreen();
    const fw::Rect centred = probe.outerRect();
    const fw::Rect placed = splash().outerRect();
    EXPECT_NEAR(placed.x + placed.width / 2, centred.x + centred.width / 2, 1);
    EXPECT_NEAR(placed.y + placed.height / 2, centred.y + centred.height / 2, 1);

    TD_InfoUeber* content = splash().contentDialog();
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->templateId(), kSplashDialog);
    EXPECT_EQ(placed.size(), content->mapDialogRect({0, 0, 197, 106}).size());
    EXPECT_EQ(content->requireControl(kVersionText).text(), "Version 1.4");
}

TEST_F(Splash, GoesAwayOnItsTimer) {
    start(50ms);
    TW_Splash* first = frame->Splash();
    EXPECT_TRUE(waitFor([&] { return !splash().isShowing(); }, 5000ms));
    EXPECT_FALSE(splash().isVisible());
    // Its object stays with the frame.
    EXPECT_EQ(frame->Splash(), first);
}

// The press that ends the splash reaches nothing else: "&Info..." under it doesn't run
// its command. The next click does.
TEST_F(Splash, APressClosesItAndDoesNothingElse) {
    start(kStays);
    // Answers for both clicks, so that a click that wrongly gets through ends at once
    // instead of running a real modal box.
    test_seams::answerNextModalDialog(IdOk);
    test_seams::answerNextModalDialog(IdOk);

    driver::click(frame->client(), kInfoButton);
    EXPECT_FALSE(splash().isShowing());
    EXPECT_FALSE(splash().isVisible());
    EXPECT_TRUE(test_seams::answeredCalls().empty());

    driver::click(frame->client(), kInfoButton);
    ASSERT_EQ(test_seams::answeredCalls().size(), 1u);
    EXPECT_EQ(test_seams::answeredCalls()[0].id, kAboutDialog);
}

TEST_F(Splash, PressOnTheSplashItselfClosesIt) {
    start(kStays);
    driver::click(*splash().contentDialog(), kEmblemPicture);
    EXPECT_FALSE(splash().isShowing());
}

TEST_F(Splash, KeysGoToTheMainDialogAndLeaveItOpen) {
    start(kStays);
    driver::type(frame->client(), kAddressEdit, "Kunde\r\n");
    EXPECT_TRUE(splash().isShowing());
    EXPECT_EQ(frame->client().requireControl(kAddressEdit).text(), "Kunde\r\n");

    driver::click(frame->client(), kAddressEdit);
    EXPECT_FALSE(splash().isShowing());
}

}  // namespace
