// The Windows entry point of the window program: the command line as UTF-8 arguments,
// then the same program as main() runs elsewhere.
#include <windows.h>
// shellapi.h needs windows.h first
#include <shellapi.h>

#include <string>
#include <vector>

#include "shell/program_main.h"

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();  // the NUL
    return out;
}

std::vector<std::string> arguments() {
    std::vector<std::string> out;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return out;
    }
    for (int i = 0; i < count; ++i) {
        out.push_back(utf8(wide[i]));
    }
    LocalFree(wide);
    return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::vector<std::string> args = arguments();
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    return pemlar::programMain(static_cast<int>(args.size()), argv.data());
}
