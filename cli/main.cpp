// pemlar-cli: the instrument's address block from the command line.

#include <iostream>
#include <optional>
#include <string>

#include "cli/cli_run.h"
#include "cli/console.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words = pemlar::console::arguments(argc, argv);
    // --trace FILE may come before the command; Ctrl+C is caught for a series either way.
    const std::size_t command = !words.empty() && words[0] == "--trace" ? 2 : 0;
    pemlar::console::prepare(command < words.size() && words[command] == "program");
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
