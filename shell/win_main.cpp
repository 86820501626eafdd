// The Windows entry point of the window program: the command line as UTF-8 arguments,
// then the same program as main() runs elsewhere.
#include <windows.h>

#include <string>
#include <vector>

#include "base/command_line.h"
#include "shell/program_main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::vector<std::string> args = pemlar::wideCommandLine().value_or(std::vector<std::string>{});
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    return pemlar::programMain(static_cast<int>(args.size()), argv.data());
}
