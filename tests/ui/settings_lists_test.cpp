#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/dialog_results.h"
#include "framework/qt/frame_window.h"
#include "framework/qt/message_box.h"
#include "framework/qt/test_seams.h"
#include "framework/resource_ids.h"
#include "link/scom.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/test_application.h"
#include "ui/pemlar_host.h"
#include "ui/td_pemlare.h"

using namespace pemlar;

namespace {

using namespace std::string_literals;
using EntryList = std::vector<std::pair<std::string, int>>;  // text, item data

// A pseudo-terminal whose slave side stands in for a serial port.
class Pty {
public:
    Pty() {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            path_ = name;
        }
    }
    ~Pty() {
        for (int fd : {slave_, master_}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    const std::string& path() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

// The main dialog started the way the program starts it, with its settings store, its
// label file (in the current directory) and its ports all in temporary folders.
class SettingsAndLists : public ::testing::Test {
protected:
    void SetUp() override {
        test_seams::reset();
        useStore(store_.path());
        previousDir_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work_.path()));
        currentHost()->Com().setPort(1);
    }
    void TearDown() override {
        frame_.reset();
        QDir::setCurrent(previousDir_);
        useStore(testSettingsFolder());
        useTestPorts({});
        EXPECT_EQ(test_seams::pendingAnswers(), 0);
        test_seams::reset();
    }

    static void useStore(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }
    QString storeFile() const { return store_.filePath(QStringLiteral("Nirvel/Pemlar.conf")); }
    void writeStore(const std::string& text) {
        ASSERT_TRUE(QDir(store_.path()).mkpath(QStringLiteral("Nirvel")));
        writeFile(storeFile(), text);
    }
    std::string storeText() const {
        QFile file(storeFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }
    bool storeHas(const std::string& line) const {
        return storeText().find(line + "\n") != std::string::npos;
    }
    static void writeFile(const QString& name, const std::string& bytes) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    void writeLabelFile(const std::string& bytes) {
        writeFile(work_.filePath(QStringLiteral("testlab.lst")), bytes);
    }

    // Only these COM numbers have a device: each a pseudo-terminal made by the test.
    void mapPorts(const std::vector<int>& numbers) {
        for (int n : numbers) {
            ptys_.push_back(std::make_unique<Pty>());
            ASSERT_FALSE(ptys_.back()->path().empty());
            std::filesystem::create_symlink(ptys_.back()->path(),
                                            mapping_.path() / ("COM" + std::to_string(n)));
        }
        useTestPorts(mappingFolderResolver(mapping_.path()));
    }

    void start() {
        frame_.reset();
        dialog_ = new TD_Pemlare();
        frame_ = std::make_unique<FrameWindow>(nullptr, QStringLiteral("Pemlar-Programm"), dialog_);
        frame_->createWindow();
    }
    QComboBox* ports() { return dialog_->control<QComboBox>(kPortList); }
    QComboBox* labels() { return dialog_->control<QComboBox>(kLabelList); }
    static EntryList entries(const QComboBox* list) {
        EntryList result;
        for (int i = 0; i < list->count(); ++i) {
            result.emplace_back(list->itemText(i).toStdString(), list->itemData(i).toInt());
        }
        return result;
    }
    // What a user's choice of an entry does.
    static void choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    static int messageBoxes() {
        int count = 0;
        for (const SeamCall& call : test_seams::answeredCalls()) {
            count += call.kind == SeamKind::MessageBox ? 1 : 0;
        }
        return count;
    }

    QTemporaryDir store_;
    QTemporaryDir work_;
    TempFolder mapping_;
    std::vector<std::unique_ptr<Pty>> ptys_;
    QString previousDir_;
    TD_Pemlare* dialog_ = nullptr;  // owned by the frame
    std::unique_ptr<FrameWindow> frame_;
};

TEST_F(SettingsAndLists, FirstStartWritesBothValuesAsZeroWithoutAMessage) {
    mapPorts({1, 3});
    start();
    EXPECT_TRUE(storeHas("Selcted_Com=0")) << storeText();
    EXPECT_TRUE(storeHas("Selcted_Lab=0")) << storeText();
    EXPECT_EQ(messageBoxes(), 0);
    EXPECT_EQ(entries(ports()), (EntryList{{"COM1", 1}, {"COM3", 3}}));
    EXPECT_EQ(ports()->currentIndex(), -1);
    EXPECT_EQ(entries(labels()), (EntryList{{"NEU", 0}}));
    EXPECT_EQ(labels()->currentIndex(), 0);
    EXPECT_EQ(currentHost()->Com().getPort(), 1);
}

TEST_F(SettingsAndLists, TheStoredPortIsSelectedAndUsed) {
    writeStore("[General]\nSelcted_Com=3\nSelcted_Lab=0\n");
    mapPorts({1, 3});
    start();
    EXPECT_EQ(entries(ports()), (EntryList{{"COM1", 1}, {"COM3", 3}}));
    EXPECT_EQ(ports()->currentText(), QStringLiteral("COM3"));
    EXPECT_EQ(currentHost()->Com().getPort(), 3);
}

TEST_F(SettingsAndLists, AStoredPortThatIsGoneSelectsNothing) {
    writeStore("[General]\nSelcted_Com=5\nSelcted_Lab=0\n");
    mapPorts({1, 3});
    start();
    EXPECT_EQ(ports()->currentIndex(), -1);
    EXPECT_EQ(currentHost()->Com().getPort(), 1);
    EXPECT_TRUE(storeHas("Selcted_Com=5")) << storeText();
}

TEST_F(SettingsAndLists, AChosenPortIsUsedAndStoredAtOnceAndComesBackAfterARestart) {
    mapPorts({1, 3});
    start();
    choose(ports(), 1);
    EXPECT_EQ(currentHost()->Com().getPort(), 3);
    EXPECT_TRUE(storeHas("Selcted_Com=3")) << storeText();

    currentHost()->Com().setPort(1);
    start();
    EXPECT_EQ(ports()->currentText(), QStringLiteral("COM3"));
    EXPECT_EQ(currentHost()->Com().getPort(), 3);
    EXPECT_EQ(messageBoxes(), 0);
}

TEST_F(SettingsAndLists, AChosenLabelIsStoredAtOnce) {
    writeLabelFile("NEU\r\nABC\r\n");
    start();
    choose(labels(), 1);
    EXPECT_TRUE(storeHas("Selcted_Lab=1")) << storeText();
    start();
    EXPECT_EQ(labels()->currentIndex(), 1);
}

TEST_F(SettingsAndLists, AStoreThatCantBeOpenedIsReportedAndTheListsAreStillFilled) {
    writeFile(store_.filePath(QStringLiteral("plain")), "");
    useStore(store_.filePath(QStringLiteral("plain")));
    mapPorts({2});
    test_seams::answerNextMessageBox(IdOk);
    start();
    ASSERT_EQ(messageBoxes(), 1);
    const SeamCall& warning = test_seams::answeredCalls().back();
    EXPECT_EQ(warning.text, QStringLiteral("  No registry-access possible!"));
    EXPECT_EQ(warning.caption, QStringLiteral("Warning"));
    EXPECT_EQ(warning.icon, static_cast<int>(MessageIcon::None));
    EXPECT_EQ(warning.buttons, static_cast<int>(MessageButtons::Ok));
    EXPECT_EQ(entries(ports()), (EntryList{{"COM2", 2}}));
    EXPECT_EQ(entries(labels()), (EntryList{{"NEU", 0}}));

    test_seams::answerNextMessageBox(IdOk);
    choose(ports(), 0);
    EXPECT_EQ(messageBoxes(), 2);
    EXPECT_EQ(currentHost()->Com().getPort(), 2);
}

struct LabelFileCase {
    const char* name;
    std::optional<std::string> file;  // nothing: no label file at all
    int storedLabel;
    EntryList entries;
    int selected;
};

class LabelFileCases : public SettingsAndLists,
                       public ::testing::WithParamInterface<LabelFileCase> {};

TEST_P(LabelFileCases, FillTheLabelList) {
    const LabelFileCase& c = GetParam();
    writeStore("[General]\nSelcted_Com=0\nSelcted_Lab=" + std::to_string(c.storedLabel) + "\n");
    if (c.file) {
        writeLabelFile(*c.file);
    }
    start();
    EXPECT_EQ(entries(labels()), c.entries);
    EXPECT_EQ(labels()->currentIndex(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelFileCases,
    ::testing::Values(LabelFileCase{"TwoLines", "NEU\r\nABC\r\n", 1, {{"NEU", 0}, {"ABC", 1}}, 1},
                      LabelFileCase{"Missing", std::nullopt, 1, {{"NEU", 0}}, 0},
                      LabelFileCase{"Umlaut", "Gr\xFCn\r\n", 0, {{"Gr", 0}, {"n", 1}}, 0},
                      LabelFileCase{
                          "IndexOutOfRange", "NEU\r\nABC\r\n", 2, {{"NEU", 0}, {"ABC", 1}}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
