#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <array>
#include <vector>

#include "framework/qt/command_table.h"
#include "framework/qt/template_dialog.h"
#include "resources/resource_ids.h"

using namespace pemlar;

namespace {

class Recorder : public TemplateDialog {
public:
    Recorder() : TemplateDialog(kMainDialog) {
        connected = connectCommands<Recorder>(this, kTable);
    }
    void left() { calls.push_back(kLeftButton); }
    void centre() { calls.push_back(kCentreButton); }
    void port() { calls.push_back(kPortList); }

    static const std::array<CommandEntry<Recorder>, 3> kTable;
    std::vector<int> calls;
    bool connected = false;
};

const std::array<CommandEntry<Recorder>, 3> Recorder::kTable = {{
    {kLeftButton, Notification::Clicked, &Recorder::left},
    {kCentreButton, Notification::Clicked, &Recorder::centre},
    {kPortList, Notification::SelectionChanged, &Recorder::port},
}};

TEST(CommandTable, ButtonClicksRunTheirHandlers) {
    Recorder dialog;
    ASSERT_TRUE(dialog.connected);
    dialog.control<QPushButton>(kCentreButton)->click();
    dialog.control<QPushButton>(kLeftButton)->click();
    EXPECT_EQ(dialog.calls, (std::vector<int>{kCentreButton, kLeftButton}));
}

TEST(CommandTable, OnlyTheUsersChoiceCountsAsSelectionChange) {
    Recorder dialog;
    auto* combo = dialog.control<QComboBox>(kPortList);
    combo->addItems({QStringLiteral("COM1"), QStringLiteral("COM2")});
    combo->setCurrentIndex(0);
    EXPECT_TRUE(dialog.calls.empty());
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(dialog.calls, (std::vector<int>{kPortList}));
}

TEST(CommandTable, RefusesControlsThatAreMissingOrOfTheWrongKind) {
    TemplateDialog dialog(kMainDialog);
    int runs = 0;
    EXPECT_FALSE(connectCommand(&dialog, 4711, Notification::Clicked, [&] { ++runs; }));
    EXPECT_FALSE(connectCommand(&dialog, kPortList, Notification::Clicked, [&] { ++runs; }));
    EXPECT_FALSE(
        connectCommand(&dialog, kLeftButton, Notification::SelectionChanged, [&] { ++runs; }));
    EXPECT_EQ(runs, 0);
}

}  // namespace
