// A page backup that could not be written, as the window tells it.

#include <fstream>

#include "core/backups.h"
#include "framework/dialog_results.h"
#include "main_window_fixture.h"

using namespace pemlar;

namespace {

const std::string kWarning =
    "Warnung...: Die Sicherung der gelesenen Daten konnte nicht angelegt werden: ";
const std::string kWriteDone =
    "Information...: Die Programmierung des EEproms wurde erfolgreich beendet!";
const std::string kChecksumError = "Fehler...: Es ist ein Püfsummen-Fehler aufgetreten !";

struct Step {
    int button;
    bool backupsBlocked;             // a plain file where the backups folder belongs
    bool pageArrives;                // else with a wrong check value
    std::vector<std::string> shown;  // a warning without the system's reason
};

// Each row is one run of the program, its steps one after the other.
const std::vector<Step> kRuns[] = {
    {{kReadButton, true, true, {kWarning}}, {kReadButton, true, true, {}}},
    {{kReadButton, true, false, {kChecksumError}}, {kReadButton, true, true, {kWarning}}},
    {{kWriteButton, true, true, {kWriteDone, kWarning}}},  // a write before any read
    {{kReadButton, false, true, {}}, {kReadButton, true, true, {kWarning}}},
};

TEST_F(MainWindowTest, ABackupThatFailsIsToldOnceARunAfterTheTransfer) {
    const std::filesystem::path backups = userBackupFolder();
    for (std::size_t run = 0; run < std::size(kRuns); ++run) {
        openWindow();
        for (const Step& step : kRuns[run]) {
            SCOPED_TRACE(testing::Message() << "run " << run << ", button " << step.button);
            test_seams::reset();
            std::filesystem::remove_all(backups);
            if (step.backupsBlocked) {
                std::filesystem::create_directories(backups.parent_path());
                std::ofstream(backups) << "no folder";
            }
            Bytes page = pageReply("Vom Messgeraet");
            page.back() ^= step.pageArrives ? 0 : 0xFF;
            useScriptedLink({page, kStatusOk});
            test_seams::answerNextModalDialog(IdOk);
            // One answer more: a message too many must not wait for a user.
            for (std::size_t i = 0; i <= step.shown.size(); ++i) {
                test_seams::answerNextMessageBox(IdOk);
            }
            driver::click(*dialog, step.button);
            std::vector<std::string> shown = messages();
            for (std::string& text : shown) {
                if (text.starts_with(kWarning) && text.size() > kWarning.size()) {
                    text.resize(kWarning.size());
                }
            }
            EXPECT_EQ(shown, step.shown);
        }
    }
    std::filesystem::remove_all(backups);
    useTestLink(nullptr);
    test_seams::reset();
}

}  // namespace
