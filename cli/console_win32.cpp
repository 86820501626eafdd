#include <windows.h>

#include <shellapi.h>

#include <io.h>

#include <atomic>
#include <cstdio>
#include <memory>

#include "cli/console.h"

namespace pemlar::console {

namespace {

std::atomic<bool> stopFlag{false};

BOOL WINAPI onConsoleEvent(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        stopFlag = true;
        return TRUE;
    }
    return FALSE;
}

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();  // the terminating zero
    return out;
}

struct LocalFreer {
    void operator()(LPWSTR* words) const { LocalFree(words); }
};

}  // namespace

void prepare(bool catchStop) {
    SetConsoleOutputCP(CP_UTF8);
    if (catchStop) {
        SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    }
}

bool stopRequested() {
    return stopFlag;
}

bool interactive() {
    return _isatty(_fileno(stdin)) != 0;
}

std::vector<std::string> arguments(int argc, char** argv) {
    // argv is in the ANSI code page; the wide command line holds what was typed.
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> words(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!words) {
        return {argv + (argc > 0 ? 1 : 0), argv + argc};
    }
    std::vector<std::string> out;
    for (int i = 1; i < count; ++i) {
        out.push_back(utf8(words.get()[i]));
    }
    return out;
}

}  // namespace pemlar::console
