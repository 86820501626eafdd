#include <gtest/gtest.h>

#include "framework/dialog_results.h"
#include "framework/message_box.h"
#include "framework/resource_ids.h"
#include "framework/test_seams.h"
#include "tests/ui/ui_text.h"
#include "ui/msg_box.h"

using namespace pemlar;
using namespace pemlar::fw;

namespace {

class MsgBoxTest : public ::testing::Test {
protected:
    void SetUp() override { test_seams::reset(); }
    void TearDown() override { test_seams::reset(); }
};

struct KindCase {
    MsgKind kind;
    const char* caption;
    MessageIcon icon;
    MessageButtons buttons;
};

TEST_F(MsgBoxTest, CaptionIconAndButtonsFollowTheKind) {
    const KindCase kKinds[] = {
        {MsgWarning, "Warnung...", MessageIcon::Warning, MessageButtons::Ok},
        {MsgError, "Fehler...", MessageIcon::Error, MessageButtons::Ok},
        {MsgInfo, "Information...", MessageIcon::Information, MessageButtons::Ok},
        {MsgQuestion, "Frage...", MessageIcon::Question, MessageButtons::YesNoCancel},
    };
    for (const KindCase& k : kKinds) {
        test_seams::reset();
        test_seams::answerNextMessageBox(IdNo);
        EXPECT_EQ(MsgBox(nullptr, k.kind, kMsgChecksumError), IdNo);
        ASSERT_EQ(test_seams::answeredCalls().size(), 1u);
        const SeamCall& call = test_seams::answeredCalls().front();
        EXPECT_EQ(call.caption, k.caption);
        EXPECT_EQ(shownText(call.text), "Es ist ein Püfsummen-Fehler aufgetreten !");
        EXPECT_EQ(call.icon, static_cast<int>(k.icon));
        EXPECT_EQ(call.buttons, static_cast<int>(k.buttons));
    }
}

TEST_F(MsgBoxTest, UnknownKindShowsNothing) {
    EXPECT_EQ(MsgBox(nullptr, static_cast<MsgKind>(4), kMsgTimeout), 0);
    EXPECT_TRUE(test_seams::answeredCalls().empty());
}

TEST_F(MsgBoxTest, ArgumentsAreFormattedAndCut) {
    test_seams::answerNextMessageBox(IdOk);
    // kProgramTitleString has no conversion, so the argument changes nothing.
    MsgBox(nullptr, MsgInfo, kProgramTitleString, 42);
    EXPECT_EQ(test_seams::answeredCalls().at(0).text, "Pemlar-Programm");
}

}  // namespace
