// pemlar-cli: the instrument's address block from the command line.

#include <iostream>

#include "cli/cli_run.h"
#include "cli/console.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words = pemlar::console::arguments(argc, argv);
    std::size_t command = 0;
    while (command + 1 < words.size() && words[command] == "--trace") {
        command += 2;
    }
    pemlar::console::prepare(command < words.size() && words[command] == "program");
    pemlar::CliEnvironment env{std::cout, std::cerr};
    env.stopRequested = pemlar::console::stopRequested;
    const pemlar::ExitStatus status = pemlar::runCli(words, env);
    std::cout.flush();
    return static_cast<int>(status);
}
