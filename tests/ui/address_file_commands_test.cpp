#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "framework/dialog_results.h"
#include "framework/file_picker.h"
#include "framework/resource_ids.h"
#include "main_window_fixture.h"
#include "tests/support/case_name.h"
#include "tests/support/private_mount.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/ui_text.h"
#include "ui/pemlar_host.h"

using namespace pemlar;

namespace {

using pemlar::test::PrintTo;

using namespace std::string_literals;

const std::string kReadError = "Die Datei konnte nicht gelesen werden !";
const std::string kWriteError = "Die Datei konnte nicht gespeichert werden !";
const std::string kOldFile = "an address file saved earlier, which must survive";

void writeFile(const std::filesystem::path& name, const std::string& bytes) {
    std::ofstream file(name, std::ios::binary);
    ASSERT_TRUE(file.is_open());
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::filesystem::path& name) {
    std::ifstream file(name, std::ios::binary);
    if (!file.is_open() || std::filesystem::is_directory(name)) {
        return "<missing>";
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class AddressFileCommands : public MainWindowTest {
protected:
    std::filesystem::path path(const char* name) const { return dir_.path() / name; }

    // Nothing: the user cancels the file dialog.
    void save(std::optional<std::filesystem::path> target) {
        test_seams::answerNextFilePicker(std::move(target));
        driver::click(*dialog, kSaveButton);
    }
    void load(std::optional<std::filesystem::path> source) {
        test_seams::answerNextFilePicker(std::move(source));
        driver::click(*dialog, kLoadButton);
    }
    // Texts of the message boxes shown so far, in UTF-8.
    static std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const SeamCall& call : test_seams::answeredCalls()) {
            if (call.kind == SeamKind::MessageBox) {
                texts.push_back(shownText(call.text));
            }
        }
        return texts;
    }

    TempFolder dir_;
};

TEST_F(AddressFileCommands, SaveThenLoadGivesTheLinesBackAndLeavesTheIdAlone) {
    const std::string lines = "Firma M\xFCller\r\n  Hauptstr. 1\r\n\r\n12345 Ort\r\nDE";
    setAddressText(lines);
    edit(kIdNumberEdit).setText("NK TQ1-12345");
    edit(kIdCodeEdit).setText("ABC");
    edit(kIdDateEdit).setText("0726");
    const EepromImage stored = currentHost()->StoredImage();

    save(path("adresse.PML"));
    EXPECT_EQ(readFile(path("adresse.PML")).size(), 125u);
    setAddressText("etwas anderes");
    load(path("adresse.PML"));

    EXPECT_EQ(addressText(), lines);
    EXPECT_EQ(edit(kIdNumberEdit).text(), "NK TQ1-12345");
    EXPECT_EQ(edit(kIdCodeEdit).text(), "ABC");
    EXPECT_EQ(edit(kIdDateEdit).text(), "0726");
    EXPECT_EQ(currentHost()->StoredImage(), stored);
    EXPECT_TRUE(messages().empty());
}

TEST_F(AddressFileCommands, TheDialogsAreSetUpByMode) {
    save(std::nullopt);
    load(std::nullopt);
    const auto& calls = test_seams::answeredCalls();
    ASSERT_EQ(calls.size(), 2u);
    const std::string filter = "Pemlar-Format *.PML|*.PML|Alle Dateien *.*|*.*|";
    EXPECT_EQ(calls[0].caption, "Pemlardatei speichern ...");
    EXPECT_EQ(calls[0].text, filter);
    EXPECT_EQ(calls[0].buttons, static_cast<int>(fw::FilePickerMode::Save));
    EXPECT_EQ(calls[1].caption, "Pemlardatei laden ...");
    EXPECT_EQ(calls[1].text, filter);
    EXPECT_EQ(calls[1].buttons, static_cast<int>(fw::FilePickerMode::Open));
}

TEST_F(AddressFileCommands, EmptyLinesAreSavedAs125ZeroBytes) {
    setAddressText("");
    save(path("leer"));
    EXPECT_EQ(readFile(path("leer")), std::string(125, '\0'));
}

TEST_F(AddressFileCommands, SavingOverAFileReplacesItWithoutAQuestion) {
    writeFile(path("alt.PML"), std::string(300, 'o'));
    setAddressText("neu");
    save(path("alt.PML"));
    EXPECT_EQ(readFile(path("alt.PML")), "neu" + std::string(122, '\0'));
    EXPECT_TRUE(messages().empty());
}

TEST_F(AddressFileCommands, CancellingChangesNothing) {
    setAddressText("bleibt");
    save(std::nullopt);
    load(std::nullopt);
    EXPECT_EQ(addressText(), "bleibt");
    EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
    EXPECT_TRUE(messages().empty());
}

TEST_F(AddressFileCommands, AFileThatCantBeReadIsReportedAndTheEditKept) {
    ASSERT_TRUE(std::filesystem::create_directory(path("ordner")));
    for (const char* name : {"fehlt.PML", "ordner"}) {
        test_seams::reset();
        setAddressText("bleibt");
        test_seams::answerNextMessageBox(IdOk);
        load(path(name));
        EXPECT_EQ(addressText(), "bleibt") << name;
        EXPECT_EQ(messages(), std::vector<std::string>{kReadError}) << name;
        EXPECT_EQ(test_seams::answeredCalls().back().caption, "Fehler...");
    }
}

TEST_F(AddressFileCommands, AShortFileShowsOnlyWhatWasRead) {
    writeFile(path("kurz"), "Zeile 1"s + std::string(18, '\0') + "Zei");
    setAddressText("1\r\n2\r\n3\r\n4\r\n5");
    load(path("kurz"));
    EXPECT_EQ(addressText(), "Zeile 1\r\nZei\r\n\r\n\r\n");
}

TEST_F(AddressFileCommands, ASaveBelowARegularFileIsReported) {
    writeFile(path("datei"), kOldFile);
    test_seams::answerNextMessageBox(IdOk);
    save(path("datei/adresse.PML"));
    EXPECT_EQ(messages(), std::vector<std::string>{kWriteError});
    EXPECT_EQ(readFile(path("datei")), kOldFile);
}

// The failing save runs in a child process with its own mounts; it reports back what
// it saw. "" means all was as it should be.
struct MountedFailure {
    const char* name;
    std::string (*prepare)(const std::string& folder, const std::filesystem::path& file);
};

class FailingSave : public AddressFileCommands,
                    public ::testing::WithParamInterface<MountedFailure> {};

TEST_P(FailingSave, LeavesTheOldFileAndShows10313) {
    const std::string folder = dir_.path().string();
    const std::filesystem::path target = path("adresse.PML");
    writeFile(target, kOldFile);
    setAddressText("neu");
    const auto outcome = runWithPrivateMounts([&]() -> std::string {
        if (std::string error = GetParam().prepare(folder, target); !error.empty()) {
            return error;
        }
        test_seams::answerNextMessageBox(IdOk);
        save(target);
        if (messages() != std::vector<std::string>{kWriteError}) {
            return "the save was not reported as failed";
        }
        if (readFile(target) != kOldFile) {
            return "the old file became \"" + readFile(target) + "\"";
        }
        return {};
    });
    if (!outcome.available) {
        GTEST_SKIP() << "private mounts are not possible here: " << outcome.detail;
    }
    EXPECT_EQ(outcome.detail, "");
    EXPECT_EQ(readFile(target), kOldFile);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingSave,
    ::testing::Values(MountedFailure{"ReadOnlyFolder",
                                     [](const std::string& folder, const std::filesystem::path&) {
                                         return remountReadOnly(folder);
                                     }},
                      MountedFailure{
                          "FullDisk",
                          [](const std::string& folder, const std::filesystem::path& file) {
                              // The tmpfs hides the real folder: the old file is made
                              // anew.
                              if (std::string error = mountTmpfs(folder, "size=64k");
                                  !error.empty()) {
                                  return error;
                              }
                              writeFile(file, kOldFile);
                              fillUp(folder);
                              return std::string();
                          }}),
    pemlar::test::caseName);

}  // namespace
