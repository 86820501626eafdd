#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <array>
#include <vector>

#include "framework/command_table.h"
#include "framework/template_dialog.h"

using namespace pemlar;

namespace {

class Recorder : public TemplateDialog {
public:
    Recorder() : TemplateDialog(1000) { connected = connectCommands<Recorder>(this, kTable); }
    void left() { calls.push_back(115); }
    void centre() { calls.push_back(104); }
    void port() { calls.push_back(113); }

    static const std::array<CommandEntry<Recorder>, 3> kTable;
    std::vector<int> calls;
    bool connected = false;
};

const std::array<CommandEntry<Recorder>, 3> Recorder::kTable = {{
    {115, Notification::Clicked, &Recorder::left},
    {104, Notification::Clicked, &Recorder::centre},
    {113, Notification::SelectionChanged, &Recorder::port},
}};

TEST(CommandTable, ButtonClicksRunTheirHandlers) {
    Recorder dialog;
    ASSERT_TRUE(dialog.connected);
    dialog.control<QPushButton>(104)->click();
    dialog.control<QPushButton>(115)->click();
    EXPECT_EQ(dialog.calls, (std::vector<int>{104, 115}));
}

TEST(CommandTable, OnlyTheUsersChoiceCountsAsSelectionChange) {
    Recorder dialog;
    auto* combo = dialog.control<QComboBox>(113);
    combo->addItems({QStringLiteral("COM1"), QStringLiteral("COM2")});
    combo->setCurrentIndex(0);
    EXPECT_TRUE(dialog.calls.empty());
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(dialog.calls, (std::vector<int>{113}));
}

TEST(CommandTable, RefusesControlsThatAreMissingOrOfTheWrongKind) {
    TemplateDialog dialog(1000);
    int runs = 0;
    EXPECT_FALSE(connectCommand(&dialog, 4711, Notification::Clicked, [&] { ++runs; }));
    EXPECT_FALSE(connectCommand(&dialog, 113, Notification::Clicked, [&] { ++runs; }));
    EXPECT_FALSE(connectCommand(&dialog, 115, Notification::SelectionChanged, [&] { ++runs; }));
    EXPECT_EQ(runs, 0);
}

}  // namespace
