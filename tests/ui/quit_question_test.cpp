// Ending the program while the address edit holds lines that would be lost.

#include <fstream>
#include <memory>

#include "framework/dialog_results.h"
#include "framework/message_box.h"
#include "main_window_fixture.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

using namespace std::chrono_literals;

const std::vector<std::string> kAsked = {
    "Frage...: Die geänderte Adresse wurde weder gespeichert noch programmiert. Trotzdem "
    "beenden?"};

enum Way { Escape, Beenden, ReturnInPortList, CloseBox };
enum Step { Type, Backspace, Save, Load, Centre, Read, Write, WriteFails };

class QuitQuestion : public MainWindowTest {
protected:
    void TearDown() override {
        useTestLink(nullptr);
        MainWindowTest::TearDown();
    }
    // Leaves by `way`, answering a question with `answer`; true when the frame closed.
    bool quit(Way way, int answer) {
        auto closed = std::make_shared<bool>(false);  // a back end may keep every handler
        frame->onClosed([closed] { *closed = true; });
        test_seams::answerNextMessageBox(answer);
        if (way == ReturnInPortList) {
            control(kPortList).setFocus();
        }
        way == Beenden    ? driver::click(*dialog, kOkButton)
        : way == CloseBox ? frame->close()
                          : driver::key(way == Escape ? fw::Key::Escape : fw::Key::Return);
        for (auto waited = 0ms; !*closed && waited < 300ms; waited += 10ms) {
            driver::processEvents(10ms);
        }
        return *closed;
    }
    void take(Step step) {
        const bool transfer = step == Read || step == Write || step == WriteFails;
        if (transfer) {
            test_seams::answerNextModalDialog(IdOk);
            useScriptedLink(step == WriteFails ? std::vector<Bytes>{}
                                               : std::vector{pageReply("Gelesen"), kStatusOk});
        }
        if (step == Write || step == WriteFails) {
            test_seams::answerNextMessageBox(IdOk);  // done, or the failure
        }
        if (step == Load) {
            std::ofstream(file, std::ios::binary) << "Geladen" << std::string(118, '\0');
        }
        if (step == Save || step == Load) {
            test_seams::answerNextFilePicker(file);
        }
        const int kButtons[] = {
            0, 0, kSaveButton, kLoadButton, kCentreButton, kReadButton, kWriteButton, kWriteButton};
        step == Type        ? driver::type(*dialog, kAddressEdit, "x")
        : step == Backspace ? driver::key(fw::Key::Backspace)
                            : driver::click(*dialog, kButtons[step]);
    }

    TempFolder folder;
    std::filesystem::path file = folder.path() / "adresse.PML";
};

TEST_F(QuitQuestion, EveryWayOutAsksAndNeinKeepsTheText) {
    for (Way way : {Escape, Beenden, ReturnInPortList, CloseBox}) {
        SCOPED_TRACE(way);
        openWindow();
        test_seams::reset();
        take(Type);
        EXPECT_FALSE(quit(way, IdNo));
        EXPECT_EQ(messages(), kAsked);
        EXPECT_EQ(test_seams::answeredCalls().at(0).buttons, int(fw::MessageButtons::YesNo));
        EXPECT_EQ(addressText(), "x");
        test_seams::reset();
        EXPECT_TRUE(quit(way, IdYes));
    }
}

struct State {
    const char* name;
    std::vector<Step> steps;
    bool asks;
};

const State kStates[] = {
    {"nothing typed", {}, false},
    {"typed and taken back", {Type, Backspace}, false},
    {"saved", {Type, Save}, false},
    {"typed after saving", {Type, Save, Type}, true},
    {"loaded", {Load}, false},
    {"loaded and centred", {Load, Centre}, true},
    {"typed, then read", {Type, Read}, false},
    {"typed, then written", {Type, Write}, false},
    {"typed, the write failed", {Type, WriteFails}, true},
};

TEST_F(QuitQuestion, AsksOnlyForLinesNeitherSavedWrittenReadNorLoaded) {
    for (const State& state : kStates) {
        SCOPED_TRACE(state.name);
        openWindow();
        test_seams::reset();
        for (Step step : state.steps) {
            take(step);
        }
        EXPECT_EQ(test_seams::pendingAnswers(), 0);
        test_seams::reset();
        // Offscreen no window manager gives the window back its keys after a notice.
        ASSERT_TRUE(driver::activate(*frame));
        EXPECT_EQ(quit(Escape, IdNo), !state.asks);
        EXPECT_EQ(messages(), state.asks ? kAsked : std::vector<std::string>{});
        test_seams::reset();
    }
}

}  // namespace
