#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "framework/dialog_results.h"
#include "framework/qt/file_picker.h"
#include "framework/qt/test_seams.h"
#include "framework/resource_ids.h"
#include "main_window_fixture.h"
#include "tests/support/private_mount.h"
#include "ui/pemlar_host.h"

using namespace pemlar;

namespace {

using namespace std::string_literals;

const QString kReadError = QStringLiteral("Die Datei konnte nicht gelesen werden !");
const QString kWriteError = QStringLiteral("Die Datei konnte nicht gespeichert werden !");
const std::string kOldFile = "an address file saved earlier, which must survive";

void writeFile(const QString& name, const std::string& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string readFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

class AddressFileCommands : public MainWindowTest {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    void save(const QString& target) {
        test_seams::answerNextFilePicker(target);
        control<QPushButton>(kSaveButton)->click();
    }
    void load(const QString& source) {
        test_seams::answerNextFilePicker(source);
        control<QPushButton>(kLoadButton)->click();
    }
    // Texts of the message boxes shown so far.
    static std::vector<QString> messages() {
        std::vector<QString> texts;
        for (const SeamCall& call : test_seams::answeredCalls()) {
            if (call.kind == SeamKind::MessageBox) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }

    QTemporaryDir dir_;
};

TEST_F(AddressFileCommands, SaveThenLoadGivesTheLinesBackAndLeavesTheIdAlone) {
    const std::string lines = "Firma M\xFCller\r\n  Hauptstr. 1\r\n\r\n12345 Ort\r\nDE";
    setAddressText(lines);
    setWindowText(control(kIdNumberEdit), "NK TQ1-12345");
    setWindowText(control(kIdCodeEdit), "ABC");
    setWindowText(control(kIdDateEdit), "0726");
    const EepromImage stored = currentHost()->StoredImage();

    save(path("adresse.PML"));
    EXPECT_EQ(readFile(path("adresse.PML")).size(), 125u);
    setAddressText("etwas anderes");
    load(path("adresse.PML"));

    EXPECT_EQ(addressText(), lines);
    EXPECT_EQ(windowText(control(kIdNumberEdit)), "NK TQ1-12345");
    EXPECT_EQ(windowText(control(kIdCodeEdit)), "ABC");
    EXPECT_EQ(windowText(control(kIdDateEdit)), "0726");
    EXPECT_EQ(currentHost()->StoredImage(), stored);
    EXPECT_TRUE(messages().empty());
}

TEST_F(AddressFileCommands, TheDialogsAreSetUpByMode) {
    save(QString());
    load(QString());
    const auto& calls = test_seams::answeredCalls();
    ASSERT_EQ(calls.size(), 2u);
    const QString filter = QStringLiteral("Pemlar-Format *.PML (*.PML);;Alle Dateien *.* (*)");
    EXPECT_EQ(calls[0].caption, QStringLiteral("Pemlardatei speichern ..."));
    EXPECT_EQ(calls[0].text, filter);
    EXPECT_EQ(calls[0].buttons, static_cast<int>(FilePickerMode::Save));
    EXPECT_EQ(calls[1].caption, QStringLiteral("Pemlardatei laden ..."));
    EXPECT_EQ(calls[1].text, filter);
    EXPECT_EQ(calls[1].buttons, static_cast<int>(FilePickerMode::Open));
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
    save(QString());
    load(QString());
    EXPECT_EQ(addressText(), "bleibt");
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(AddressFileCommands, AFileThatCantBeReadIsReportedAndTheEditKept) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("ordner")));
    for (const char* name : {"fehlt.PML", "ordner"}) {
        test_seams::reset();
        setAddressText("bleibt");
        test_seams::answerNextMessageBox(IdOk);
        load(path(name));
        EXPECT_EQ(addressText(), "bleibt") << name;
        EXPECT_EQ(messages(), std::vector<QString>{kReadError}) << name;
        EXPECT_EQ(test_seams::answeredCalls().back().caption, QStringLiteral("Fehler..."));
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
    EXPECT_EQ(messages(), std::vector<QString>{kWriteError});
    EXPECT_EQ(readFile(path("datei")), kOldFile);
}

// The failing save runs in a child process with its own mounts; it reports back what
// it saw. "" means all was as it should be.
struct MountedFailure {
    const char* name;
    std::string (*prepare)(const std::string& folder, const QString& file);
};

class FailingSave : public AddressFileCommands,
                    public ::testing::WithParamInterface<MountedFailure> {};

TEST_P(FailingSave, LeavesTheOldFileAndShows10313) {
    const std::string folder = dir_.path().toStdString();
    const QString target = path("adresse.PML");
    writeFile(target, kOldFile);
    setAddressText("neu");
    const auto outcome = runWithPrivateMounts([&]() -> std::string {
        if (std::string error = GetParam().prepare(folder, target); !error.empty()) {
            return error;
        }
        test_seams::answerNextMessageBox(IdOk);
        save(target);
        if (messages() != std::vector<QString>{kWriteError}) {
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
                                     [](const std::string& folder, const QString&) {
                                         return remountReadOnly(folder);
                                     }},
                      MountedFailure{"FullDisk",
                                     [](const std::string& folder, const QString& file) {
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
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
