// What the window does so that nothing is lost unnoticed: the question before ending
// with lines that were never kept, the warning when a page backup could not be written.

#include <fstream>
#include <memory>

#include "core/backups.h"
#include "framework/dialog_results.h"
#include "framework/message_box.h"
#include "main_window_fixture.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

using namespace std::chrono_literals;

const std::string kAsked =
    "Frage...: Die geänderte Adresse wurde weder gespeichert noch programmiert. Trotzdem "
    "beenden?";
const std::string kWarned =
    "Warnung...: Die Sicherung der gelesenen Daten konnte nicht angelegt werden: ";
const std::string kWriteDone =
    "Information...: Die Programmierung des EEproms wurde erfolgreich beendet!";
const std::string kChecksumError = "Fehler...: Es ist ein Püfsummen-Fehler aufgetreten !";

enum Way { Escape, Beenden, ReturnInPortList, CloseBox };
enum Step { Type, Backspace, Save, Load, Centre, Read, ReadFails, Write, WriteFails, BlockBackups };

class KeptWork : public MainWindowTest {
protected:
    void TearDown() override {
        std::filesystem::remove_all(userBackupFolder());
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
        if (step == BlockBackups) {  // a plain file where the folder belongs
            std::filesystem::remove_all(userBackupFolder());
            std::filesystem::create_directories(userBackupFolder().parent_path());
            std::ofstream(userBackupFolder()) << "no folder";
            return;
        }
        if (step >= Read) {
            Bytes page = pageReply("Gelesen");
            page.back() ^= step == ReadFails ? 0xFF : 0;
            useScriptedLink(step == WriteFails ? std::vector<Bytes>{}
                                               : std::vector{page, kStatusOk});
            test_seams::answerNextModalDialog(IdOk);
        }
        if (step == ReadFails || step >= Write) {
            test_seams::answerNextMessageBox(IdOk);  // done, or the failure
        }
        if (step == Load) {
            std::ofstream(file, std::ios::binary) << "Geladen" << std::string(118, '\0');
        }
        if (step == Save || step == Load) {
            test_seams::answerNextFilePicker(file);
        }
        const int kButtons[] = {0,           0,           kSaveButton,  kLoadButton, kCentreButton,
                                kReadButton, kReadButton, kWriteButton, kWriteButton};
        if (step == Backspace) {
            control(kAddressEdit).setFocus();
        }
        step == Type        ? driver::type(*dialog, kAddressEdit, "x")
        : step == Backspace ? driver::key(fw::Key::Backspace)
                            : driver::click(*dialog, kButtons[step]);
    }
    // The messages so far, a warning without the system's reason.
    static std::vector<std::string> shown() {
        std::vector<std::string> texts = messages();
        for (std::string& text : texts) {
            text = text.starts_with(kWarned) ? kWarned : text;
        }
        return texts;
    }

    TempFolder folder;
    std::filesystem::path file = folder.path() / "adresse.PML";
};

TEST_F(KeptWork, EveryWayOutAsksAndNeinKeepsTheText) {
    for (Way way : {Escape, Beenden, ReturnInPortList, CloseBox}) {
        SCOPED_TRACE(way);
        openWindow();
        test_seams::reset();
        take(Type);
        EXPECT_FALSE(quit(way, IdNo));
        EXPECT_EQ(shown(), std::vector{kAsked});
        EXPECT_EQ(test_seams::answeredCalls().at(0).buttons, int(fw::MessageButtons::YesNo));
        EXPECT_EQ(addressText(), "x");
        test_seams::reset();
        EXPECT_TRUE(quit(way, IdYes));
    }
}

struct Run {
    std::vector<Step> steps;
    std::vector<std::string> shown;  // the messages of the steps, and of leaving by Escape
};

const Run kRuns[] = {
    {{}, {}},
    {{Type, Backspace}, {}},
    {{Type, Save}, {}},
    {{Type, Save, Backspace}, {kAsked}},
    {{Load}, {}},
    {{Load, Centre}, {kAsked}},
    {{Type, Read}, {}},
    {{Type, Write}, {kWriteDone}},
    {{Type, WriteFails},
     {"Fehler...: Es ist ein Fehler bei der Datenübertragung aufgetreten!", kAsked}},
    // Backups: told once a run, after the transfer's own messages.
    {{BlockBackups, Read, Read}, {kWarned}},
    {{BlockBackups, ReadFails, Read}, {kChecksumError, kWarned}},
    {{BlockBackups, Write}, {kWriteDone, kWarned}},
    {{Read, BlockBackups, Read}, {kWarned}},
};

TEST_F(KeptWork, AsksOnlyForLinesNeverKeptAndWarnsOfTheFirstFailedBackup) {
    for (std::size_t run = 0; run < std::size(kRuns); ++run) {
        SCOPED_TRACE(run);
        openWindow();
        test_seams::reset();
        std::filesystem::remove_all(userBackupFolder());
        // Answers for a warning and a question, and one more: a message too many must not
        // wait for a user.
        for (int i = 0; i < 3; ++i) {
            test_seams::answerNextMessageBox(IdNo);
        }
        for (Step step : kRuns[run].steps) {
            take(step);
        }
        // Offscreen no window manager gives the window back its keys after a notice.
        ASSERT_TRUE(driver::activate(*frame));
        const bool asks = !kRuns[run].shown.empty() && kRuns[run].shown.back() == kAsked;
        EXPECT_EQ(quit(Escape, IdNo), !asks);
        EXPECT_EQ(shown(), kRuns[run].shown);
        test_seams::reset();
    }
}

}  // namespace
