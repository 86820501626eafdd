// Before a write: lines the instrument can't show as they are.

#include "framework/dialog_results.h"
#include "framework/resource_ids.h"
#include "tests/support/scripted_port.h"
#include "transfer_fixture.h"

using namespace pemlar;

namespace {

const std::string kQuestion =
    "Frage...: Folgende Zeichen kann das Messgerät nicht darstellen: €, ©. Trotzdem "
    "programmieren?";

using InstrumentChars = TransferTest;

// Ja goes on to the usual write; Nein ends the command before the prompt, with the
// port never opened.
TEST_F(InstrumentChars, QuestionNamesTheCharactersAndNeinTouchesNoPort) {
    for (const int answer : {IdNo, IdYes}) {
        SCOPED_TRACE(answer);
        test_seams::reset();
        auto lines = std::make_shared<ScriptedPorts>();
        if (answer == IdNo) {
            useLink(1, port.resolver(), ScriptedPorts::factory(lines));
        } else {
            useLink(port.comNumber(), port.resolver());
        }
        typeAddress("Preis 5 €\nü ©\n\n\n€");
        test_seams::answerNextMessageBox(answer);
        if (answer == IdYes) {
            test_seams::answerNextModalDialog(IdOk);
            test_seams::answerNextMessageBox(IdOk);
        }
        press(kWriteButton);

        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(messages().front(), kQuestion);
        EXPECT_EQ(messages().size(), answer == IdYes ? 2u : 1u);
        EXPECT_EQ(port.sim().received().empty(), answer == IdNo);
        EXPECT_TRUE(lines->record.calls.empty());
    }
}

}  // namespace
