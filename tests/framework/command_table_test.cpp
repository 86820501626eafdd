#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <array>
#include <vector>

#include "framework/command_table.h"
#include "framework/dialog.h"
#include "resources/resource_ids.h"
#include "tests/framework/native.h"

using namespace pemlar;

namespace {

class Recorder : public fw::Dialog {
public:
    Recorder() : fw::Dialog(kMainDialog) {
        connected = fw::connectCommands<Recorder>(*this, kTable);
    }
    void left() { calls.push_back(kLeftButton); }
    void centre() { calls.push_back(kCentreButton); }
    void port() { calls.push_back(kPortList); }

    static const std::array<fw::CommandEntry<Recorder>, 3> kTable;
    std::vector<int> calls;
    bool connected = false;
};

const std::array<fw::CommandEntry<Recorder>, 3> Recorder::kTable = {{
    {kLeftButton, fw::Notification::Clicked, &Recorder::left},
    {kCentreButton, fw::Notification::Clicked, &Recorder::centre},
    {kPortList, fw::Notification::SelectionChanged, &Recorder::port},
}};

TEST(CommandTable, ButtonClicksRunTheirHandlers) {
    Recorder dialog;
    ASSERT_TRUE(dialog.connected);
    widgetOf<QPushButton>(dialog, kCentreButton)->click();
    widgetOf<QPushButton>(dialog, kLeftButton)->click();
    EXPECT_EQ(dialog.calls, (std::vector<int>{kCentreButton, kLeftButton}));
}

TEST(CommandTable, OnlyTheUsersChoiceCountsAsSelectionChange) {
    Recorder dialog;
    auto& ports = dialog.requireControl<fw::ComboBox>(kPortList);
    ports.addItem("COM1", 1);
    ports.addItem("COM2", 2);
    ports.setCurrentIndex(0);
    EXPECT_TRUE(dialog.calls.empty());
    QTest::keyClick(widgetOf(dialog, kPortList), Qt::Key_Down);
    EXPECT_EQ(ports.currentIndex(), 1);
    EXPECT_EQ(dialog.calls, (std::vector<int>{kPortList}));
}

TEST(CommandTable, RefusesControlsThatAreMissingOrOfTheWrongKind) {
    fw::Dialog dialog(kMainDialog);
    int runs = 0;
    EXPECT_FALSE(dialog.onCommand(4711, fw::Notification::Clicked, [&] { ++runs; }));
    EXPECT_FALSE(dialog.onCommand(kPortList, fw::Notification::Clicked, [&] { ++runs; }));
    EXPECT_FALSE(
        dialog.onCommand(kLeftButton, fw::Notification::SelectionChanged, [&] { ++runs; }));
    EXPECT_EQ(runs, 0);
}

}  // namespace
