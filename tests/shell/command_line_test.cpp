#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/command_line.h"

using namespace pemlar;

namespace {

TEST(CommandLine, AnswersHelpAndVersionAndLeavesEverythingElseToTheWindow) {
    struct Case {
        std::vector<const char*> args;
        std::optional<int> status;
        std::string firstLine;
    };
    const Case cases[] = {
        {{"pemlar"}, std::nullopt, ""},
        {{"pemlar", "datei.PML", "-x"}, std::nullopt, ""},
        {{"pemlar", "--Help", "-h", "-v"}, std::nullopt, ""},
        {{"pemlar", "--version"}, 0, "Pemlar-Programm " PEMLAR_VERSION},
        {{"pemlar", "egal", "--help", "--version"}, 0, "Aufruf: pemlar [--help | --version]"},
        {{"pemlar", "--version", "--help"}, 0, "Pemlar-Programm " PEMLAR_VERSION},
    };
    for (const Case& c : cases) {
        const std::optional<std::string_view> answer =
            commandLineAnswer(static_cast<int>(c.args.size()), c.args.data());
        // An answer ends the program with status 0; without one the window opens.
        const std::optional<int> status = answer ? std::optional<int>(0) : std::nullopt;
        EXPECT_EQ(status, c.status) << c.args.size();
        const std::string text(answer.value_or(""));
        EXPECT_EQ(text.substr(0, text.find('\n')), c.firstLine);
    }
}

}  // namespace
