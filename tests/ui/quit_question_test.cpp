// Ending the program while the address edit holds lines that would be lost.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/dialog_results.h"
#include "framework/message_box.h"
#include "framework/resource_ids.h"
#include "main_window_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/scripted_link.h"

using namespace pemlar;

namespace {

using fw::Key;
using namespace std::chrono_literals;

const std::string kQuestion =
    "Frage...: Die geänderte Adresse wurde weder gespeichert noch programmiert. Trotzdem "
    "beenden?";

// The tables below reach the window and the steps through a QuitQuestion&.
class QuitQuestion : public MainWindowTest {
public:
    using MainWindowTest::control;
    using MainWindowTest::dialog;
    using MainWindowTest::frame;

    void TearDown() override {
        useTestLink(nullptr);
        MainWindowTest::TearDown();
    }
    // Ends by `way`, answering a question with `answer`; true when the frame closed.
    bool quit(const std::function<void()>& way, int answer) {
        // A flag of its own each time: a back end may keep every handler given.
        auto closed = std::make_shared<bool>(false);
        frame->onClosed([closed] { *closed = true; });
        test_seams::answerNextMessageBox(answer);
        way();
        for (auto waited = 0ms; !*closed && waited < 300ms; waited += 10ms) {
            driver::processEvents(10ms);
        }
        return *closed;
    }
    void typed(const char* text) { driver::type(*dialog, kAddressEdit, text); }
    void save(std::optional<std::filesystem::path> to) {
        test_seams::answerNextFilePicker(std::move(to));
        driver::click(*dialog, kSaveButton);
    }
    void load() {
        std::ofstream(file, std::ios::binary) << "Geladen" << std::string(118, '\0');
        test_seams::answerNextFilePicker(file);
        driver::click(*dialog, kLoadButton);
    }
    void transfer(int button, std::vector<Bytes> replies, int messages) {
        useScriptedLink(std::move(replies));
        test_seams::answerNextModalDialog(IdOk);
        for (int i = 0; i < messages; ++i) {
            test_seams::answerNextMessageBox(IdOk);
        }
        driver::click(*dialog, button);
    }

    TempFolder folder;
    std::filesystem::path file = folder.path() / "adresse.PML";
};

struct Way {
    const char* name;
    std::function<void(QuitQuestion&)> take;
};

const Way kWays[] = {
    {"Escape", [](QuitQuestion&) { driver::key(Key::Escape); }},
    {"&Beenden", [](QuitQuestion& t) { driver::click(*t.dialog, kOkButton); }},
    {"Return in the port list",
     [](QuitQuestion& t) {
         t.control(kPortList).setFocus();
         driver::key(Key::Return);
     }},
    {"close box", [](QuitQuestion& t) { t.frame->close(); }},
};

TEST_F(QuitQuestion, EveryWayOutAsksAndNeinKeepsTheText) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.name);
        openWindow();
        test_seams::reset();
        typed("nicht gespeichert");
        EXPECT_FALSE(quit([&] { way.take(*this); }, IdNo));
        EXPECT_EQ(messages(), std::vector<std::string>{kQuestion});
        ASSERT_EQ(test_seams::answeredCalls().size(), 1u);
        EXPECT_EQ(test_seams::answeredCalls()[0].buttons,
                  static_cast<int>(fw::MessageButtons::YesNo));
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(addressText(), "nicht gespeichert");

        test_seams::reset();
        EXPECT_TRUE(quit([&] { way.take(*this); }, IdYes));
        EXPECT_EQ(messages(), std::vector<std::string>{kQuestion});
    }
}

struct State {
    const char* name;
    std::function<void(QuitQuestion&)> reach;
    bool asks;
};

const State kStates[] = {
    {"nothing typed", [](QuitQuestion&) {}, false},
    {"typed and taken back",
     [](QuitQuestion& t) {
         t.typed("x");
         driver::key(Key::Backspace);
     },
     false},
    {"saved",
     [](QuitQuestion& t) {
         t.typed("Adresse");
         t.save(t.file);
     },
     false},
    {"typed after saving",
     [](QuitQuestion& t) {
         t.typed("Adresse");
         t.save(t.file);
         t.typed(" und mehr");
     },
     true},
    {"saving cancelled",
     [](QuitQuestion& t) {
         t.typed("Adresse");
         t.save(std::nullopt);
     },
     true},
    {"loaded", [](QuitQuestion& t) { t.load(); }, false},
    {"loaded and centred",
     [](QuitQuestion& t) {
         t.load();
         driver::click(*t.dialog, kCentreButton);
     },
     true},
    {"loaded, Links moves nothing",
     [](QuitQuestion& t) {
         t.load();
         driver::click(*t.dialog, kLeftButton);
     },
     false},
    {"typed, then read",
     [](QuitQuestion& t) {
         t.typed("Adresse");
         t.transfer(kReadButton, {pageReply("Vom Messgeraet")}, 0);
     },
     false},
    {"typed, then written",
     [](QuitQuestion& t) {
         t.typed("Adresse");
         t.transfer(kWriteButton, {pageReply("Vom Messgeraet"), kStatusOk}, 1);
     },
     false},
    {"typed, the write failed",
     [](QuitQuestion& t) {
         t.typed("Adresse");
         t.transfer(kWriteButton, {}, 1);
     },
     true},
};

TEST_F(QuitQuestion, AsksOnlyForLinesNeitherSavedWrittenReadNorLoaded) {
    for (const State& state : kStates) {
        SCOPED_TRACE(state.name);
        openWindow();
        test_seams::reset();
        state.reach(*this);
        EXPECT_EQ(test_seams::pendingAnswers(), 0);
        // Offscreen no window manager gives the window back its keys after a notice.
        ASSERT_TRUE(driver::activate(*frame));
        test_seams::reset();
        const bool closed = quit([] { driver::key(Key::Escape); }, IdNo);
        EXPECT_EQ(messages(),
                  state.asks ? std::vector<std::string>{kQuestion} : std::vector<std::string>{});
        EXPECT_EQ(closed, !state.asks);
        test_seams::reset();
    }
}

}  // namespace
