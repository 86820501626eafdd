// A page backup that could not be written, as the window tells it.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/backups.h"
#include "framework/dialog_results.h"
#include "framework/resource_ids.h"
#include "main_window_fixture.h"
#include "tests/ui/scripted_link.h"

using namespace pemlar;

namespace {

const std::string kWarning =
    "Warnung...: Die Sicherung der gelesenen Daten konnte nicht angelegt werden: ";
const std::string kWriteDone =
    "Information...: Die Programmierung des EEproms wurde erfolgreich beendet!";
const std::string kChecksumError = "Fehler...: Es ist ein Püfsummen-Fehler aufgetreten !";

// A plain file where the backups folder belongs makes every backup fail.
void blockBackups(bool blocked) {
    const std::filesystem::path folder = userBackupFolder();
    std::filesystem::remove_all(folder);
    if (blocked) {
        std::filesystem::create_directories(folder.parent_path());
        std::ofstream(folder) << "no folder";
    }
}

struct Step {
    int button;
    bool backupsBlocked;
    bool pageArrives;                // else the reply's check value is wrong
    std::vector<std::string> shown;  // a warning without its reason
};

struct Session {
    const char* name;
    std::vector<Step> steps;  // in one window, one after the other
};

const Session kRuns[] = {
    {"two reads", {{kReadButton, true, true, {kWarning}}, {kReadButton, true, true, {}}}},
    {"a read that fails first",
     {{kReadButton, true, false, {kChecksumError}}, {kReadButton, true, true, {kWarning}}}},
    {"a write before any read", {{kWriteButton, true, true, {kWriteDone, kWarning}}}},
    {"a backup written", {{kReadButton, false, true, {}}, {kReadButton, true, true, {kWarning}}}},
};

class BackupWarning : public MainWindowTest {
protected:
    void TearDown() override {
        blockBackups(false);
        useTestLink(nullptr);
        MainWindowTest::TearDown();
    }
    // The messages shown, each warning cut after its text: the reason is the system's.
    static std::vector<std::string> shownWithoutReason() {
        std::vector<std::string> shown = messages();
        for (std::string& text : shown) {
            if (text.starts_with(kWarning)) {
                EXPECT_GT(text.size(), kWarning.size()) << "no reason given";
                text.resize(kWarning.size());
            }
        }
        return shown;
    }
};

TEST_F(BackupWarning, ComesOnceARunAfterTheTransfersOwnMessages) {
    for (const Session& run : kRuns) {
        SCOPED_TRACE(run.name);
        openWindow();
        for (std::size_t i = 0; i < run.steps.size(); ++i) {
            SCOPED_TRACE(i);
            const Step& step = run.steps[i];
            test_seams::reset();
            blockBackups(step.backupsBlocked);
            Bytes page = pageReply("Vom Messgeraet");
            if (!step.pageArrives) {
                page.back() ^= 0xFF;
            }
            useScriptedLink({page, kStatusOk});
            test_seams::answerNextModalDialog(IdOk);
            // One answer more than expected: a message too many must not wait for a user.
            for (std::size_t k = 0; k <= step.shown.size(); ++k) {
                test_seams::answerNextMessageBox(IdOk);
            }
            driver::click(*dialog, step.button);
            EXPECT_EQ(shownWithoutReason(), step.shown);
        }
    }
    test_seams::reset();
}

}  // namespace
