#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
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
        std::ostringstream out;
        EXPECT_EQ(answerCommandLine(static_cast<int>(c.args.size()), c.args.data(), out), c.status)
            << c.args.size();
        const std::string text = out.str();
        EXPECT_EQ(text.substr(0, text.find('\n')), c.firstLine);
    }
}

}  // namespace
