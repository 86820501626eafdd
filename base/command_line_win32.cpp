#include <windows.h>
// shellapi.h needs windows.h first
#include <shellapi.h>

#include <memory>

#include "base/command_line.h"
#include "base/wide_text.h"

namespace pemlar {

namespace {

struct LocalFreer {
    void operator()(LPWSTR* words) const { LocalFree(words); }
};

}  // namespace

std::optional<std::vector<std::string>> wideCommandLine() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> words(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!words) {
        return std::nullopt;
    }
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(utf8FromWide(words.get()[i]));
    }
    return out;
}

}  // namespace pemlar
