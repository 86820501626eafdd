// pemlar-cli: the instrument's address block from the command line.

#include <iostream>
#include <optional>
#include <string>

#include "cli/cli_run.h"
#include "cli/console.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words = pemlar::console::arguments(argc, argv);
    pemlar::console::prepare(!words.empty() && words[0] == "program");
    pemlar::CliEnvironment env{pemlar::console::out(), pemlar::console::err()};
    env.stopRequested = pemlar::console::stopRequested;
    env.confirm = [](const std::string& question) -> std::optional<bool> {
        if (!pemlar::console::interactive()) {
            return std::nullopt;
        }
        pemlar::console::err() << question << " [j/N] " << std::flush;
        std::string answer;
        if (!std::getline(std::cin, answer)) {
            return false;
        }
        return answer == "j" || answer == "J" || answer == "ja" || answer == "Ja";
    };
    const pemlar::ExitStatus status = pemlar::runCli(words, env);
    pemlar::console::out().flush();
    pemlar::console::err().flush();
    return static_cast<int>(status);
}
