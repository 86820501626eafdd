#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/dialog_results.h"
#include "framework/driver.h"
#include "framework/frame.h"
#include "framework/message_box.h"
#include "framework/resource_ids.h"
#include "framework/test_seams.h"
#include "link/scom.h"
#include "tests/support/case_name.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_environment.h"
#include "tests/ui/test_application.h"
#include "ui/pemlar_host.h"
#include "ui/td_pemlare.h"

using namespace pemlar;
using namespace pemlar::fw;

namespace {

using pemlar::test::PrintTo;

using namespace std::string_literals;
using EntryList = std::vector<std::pair<std::string, int>>;  // text, item data

// The main dialog started the way the program starts it, with its settings store, its
// label file (in the current directory) and its ports all in temporary folders.
class SettingsAndLists : public ::testing::Test {
protected:
    // Each test starts without a store, in a folder of its own.
    void SetUp() override {
        test_seams::reset();
        stored_settings::clear();
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(work_.path());
        currentHost()->Com().setPort(1);
    }
    void TearDown() override {
        frame_.reset();
        devices_.clear();
        std::filesystem::current_path(previousDir_);
        stored_settings::clear();
        useTestPorts({});
        EXPECT_EQ(test_seams::pendingAnswers(), 0);
        test_seams::reset();
    }

    static bool storeHas(const char* name, int value) {
        return stored_settings::value(name) == value;
    }
    static void writeFile(const std::filesystem::path& name, const std::string& bytes) {
        std::ofstream file(name, std::ios::binary);
        ASSERT_TRUE(file.is_open());
        file << bytes;
    }
    void writeLabelFile(const std::string& bytes) {
        writeFile(work_.path() / "testlab.lst", bytes);
    }

    // Only these COM numbers have a device, each made by the test.
    void mapPorts(const std::vector<int>& numbers) {
        std::map<int, std::string> paths;
        for (int n : numbers) {
            devices_.push_back(makePortDevice(mapping_.path(), n));
            ASSERT_TRUE(devices_.back());
            paths[n] = devices_.back()->path().string();
        }
        useTestPorts([paths](std::int32_t n) -> std::optional<std::string> {
            const auto it = paths.find(n);
            return it == paths.end() ? std::nullopt : std::optional(it->second);
        });
    }

    void start() {
        frame_.reset();
        auto client = std::make_unique<TD_Pemlare>();
        dialog_ = client.get();
        frame_ = std::make_unique<Frame>("Pemlar-Programm", std::move(client));
        frame_->create();
    }
    ComboBox& ports() { return dialog_->requireControl<ComboBox>(kPortList); }
    ComboBox& labels() { return dialog_->requireControl<ComboBox>(kLabelList); }
    static EntryList entries(const ComboBox& list) {
        EntryList result;
        for (int i = 0; i < list.count(); ++i) {
            result.emplace_back(list.itemText(i), list.itemData(i).value_or(-1));
        }
        return result;
    }
    static std::string currentText(const ComboBox& list) {
        return list.itemText(list.currentIndex());
    }
    // What a user's choice of an entry does.
    void choose(int list, int index) { driver::choose(*dialog_, list, index); }
    static int messageBoxes() {
        int count = 0;
        for (const SeamCall& call : test_seams::answeredCalls()) {
            count += call.kind == SeamKind::MessageBox ? 1 : 0;
        }
        return count;
    }

    TempFolder work_;
    TempFolder mapping_;
    std::vector<std::unique_ptr<PortDevice>> devices_;
    std::filesystem::path previousDir_;
    TD_Pemlare* dialog_ = nullptr;  // the frame's client
    std::unique_ptr<Frame> frame_;
};

TEST_F(SettingsAndLists, FirstStartWritesBothValuesAsZeroWithoutAMessage) {
    mapPorts({1, 3});
    start();
    EXPECT_TRUE(storeHas("Selcted_Com", 0)) << stored_settings::dump();
    EXPECT_TRUE(storeHas("Selcted_Lab", 0)) << stored_settings::dump();
    EXPECT_EQ(messageBoxes(), 0);
    EXPECT_EQ(entries(ports()), (EntryList{{"COM1", 1}, {"COM3", 3}}));
    EXPECT_EQ(ports().currentIndex(), -1);
    EXPECT_EQ(entries(labels()), (EntryList{{"NEU", 0}}));
    EXPECT_EQ(labels().currentIndex(), 0);
    EXPECT_EQ(currentHost()->Com().getPort(), 1);
}

TEST_F(SettingsAndLists, TheStoredPortIsSelectedAndUsed) {
    stored_settings::write(3, 0);
    mapPorts({1, 3});
    start();
    EXPECT_EQ(entries(ports()), (EntryList{{"COM1", 1}, {"COM3", 3}}));
    EXPECT_EQ(currentText(ports()), "COM3");
    EXPECT_EQ(currentHost()->Com().getPort(), 3);
}

TEST_F(SettingsAndLists, AStoredPortThatIsGoneSelectsNothing) {
    stored_settings::write(5, 0);
    mapPorts({1, 3});
    start();
    EXPECT_EQ(ports().currentIndex(), -1);
    EXPECT_EQ(currentHost()->Com().getPort(), 1);
    EXPECT_TRUE(storeHas("Selcted_Com", 5)) << stored_settings::dump();
}

TEST_F(SettingsAndLists, AChosenPortIsUsedAndStoredAtOnceAndComesBackAfterARestart) {
    mapPorts({1, 3});
    start();
    choose(kPortList, 1);
    EXPECT_EQ(currentHost()->Com().getPort(), 3);
    EXPECT_TRUE(storeHas("Selcted_Com", 3)) << stored_settings::dump();

    currentHost()->Com().setPort(1);
    start();
    EXPECT_EQ(currentText(ports()), "COM3");
    EXPECT_EQ(currentHost()->Com().getPort(), 3);
    EXPECT_EQ(messageBoxes(), 0);
}

TEST_F(SettingsAndLists, EntriesNameTheirDeviceAndTheListIsMadeAnewWhenItOpens) {
    stored_settings::write(3, 0);
    mapPorts({1, 3});
    start();
    ASSERT_EQ(entries(ports()), (EntryList{{"COM1", 1}, {"COM3", 3}}));
    for (int i = 0; i < ports().count(); ++i) {
        EXPECT_FALSE(ports().itemHint(i).empty()) << i;
    }
    EXPECT_NE(ports().itemHint(0), ports().itemHint(1));
    EXPECT_EQ(ports().toolTip(), ports().itemHint(1)) << "the selected entry's hint";

    // COM2 comes, COM3 stays: still selected, by its number.
    devices_.clear();
    mapPorts({1, 2, 3});
    driver::dropDown(*dialog_, kPortList);
    EXPECT_EQ(entries(ports()), (EntryList{{"COM1", 1}, {"COM2", 2}, {"COM3", 3}}));
    EXPECT_EQ(currentText(ports()), "COM3");

    // The selected port goes: nothing is selected, and nothing changes behind the user.
    devices_.clear();
    mapPorts({2});
    driver::dropDown(*dialog_, kPortList);
    EXPECT_EQ(entries(ports()), (EntryList{{"COM2", 2}}));
    EXPECT_EQ(ports().currentIndex(), -1);
    EXPECT_EQ(ports().toolTip(), "");
    EXPECT_EQ(currentHost()->Com().getPort(), 3);
    EXPECT_TRUE(storeHas("Selcted_Com", 3)) << stored_settings::dump();
    EXPECT_EQ(messageBoxes(), 0);
}

TEST_F(SettingsAndLists, AChosenLabelIsStoredAtOnce) {
    writeLabelFile("NEU\r\nABC\r\n");
    start();
    // The list is locked for the user; its handler is there for when it is not.
    labels().setEnabled(true);
    choose(kLabelList, 1);
    EXPECT_TRUE(storeHas("Selcted_Lab", 1)) << stored_settings::dump();
    start();
    EXPECT_EQ(labels().currentIndex(), 1);
}

TEST_F(SettingsAndLists, AStoreThatCantBeOpenedIsReportedAndTheListsAreStillFilled) {
    if (!stored_settings::block()) {
        GTEST_SKIP() << "the store cannot be made unreadable here";
    }
    mapPorts({2});
    test_seams::answerNextMessageBox(IdOk);
    start();
    ASSERT_EQ(messageBoxes(), 1);
    const SeamCall& warning = test_seams::answeredCalls().back();
    EXPECT_EQ(warning.text, "  No registry-access possible!");
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_EQ(warning.icon, static_cast<int>(MessageIcon::None));
    EXPECT_EQ(warning.buttons, static_cast<int>(MessageButtons::Ok));
    EXPECT_EQ(entries(ports()), (EntryList{{"COM2", 2}}));
    EXPECT_EQ(entries(labels()), (EntryList{{"NEU", 0}}));

    test_seams::answerNextMessageBox(IdOk);
    choose(kPortList, 0);
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
    stored_settings::write(0, c.storedLabel);
    if (c.file) {
        writeLabelFile(*c.file);
    }
    start();
    EXPECT_EQ(entries(labels()), c.entries);
    EXPECT_EQ(labels().currentIndex(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelFileCases,
    ::testing::Values(LabelFileCase{"TwoLines", "NEU\r\nABC\r\n", 1, {{"NEU", 0}, {"ABC", 1}}, 1},
                      LabelFileCase{"Missing", std::nullopt, 1, {{"NEU", 0}}, 0},
                      LabelFileCase{"Umlaut", "Gr\xFCn\r\n", 0, {{"Gr", 0}, {"n", 1}}, 0},
                      LabelFileCase{
                          "IndexOutOfRange", "NEU\r\nABC\r\n", 2, {{"NEU", 0}, {"ABC", 1}}, -1}),
    pemlar::test::caseName);

}  // namespace
