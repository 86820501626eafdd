// pemlar-cli's output on Windows against a stand-in for the console calls: what a
// console and what a file or pipe receive.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cli/console_win32.h"

using namespace pemlar;

namespace {

struct Received {
    std::wstring console;
    std::string file;
};

console::Win32ConsoleApi fakeApi(bool isConsole, Received& received) {
    console::Win32ConsoleApi api;
    api.isConsole = [isConsole](void*) { return isConsole; };
    api.writeConsole = [&received](void*, std::wstring_view units) {
        received.console.append(units);
        return true;
    };
    api.writeFile = [&received](void*, std::string_view bytes) {
        received.file.append(bytes);
        return true;
    };
    return api;
}

TEST(Win32Console, UmlautsReachAConsoleAsCharactersAndAFileAsUtf8) {
    struct Case {
        const char* what;
        bool console;
        std::vector<std::string> writes;  // each written and flushed on its own
        std::wstring toConsole;
        std::string toFile;
    };
    const Case kCases[] = {
        {"console", true, {"M\xC3\xBCnster\n"}, L"M\u00FCnster\n", ""},
        {"a character split between writes",
         true,
         {"ge\xC3", "\xB6\x66\x66net\n"},
         L"ge\u00F6ffnet\n",
         ""},
        {"four bytes split", true, {"\xF0\x9F", "\x98\x80"}, L"\U0001F600", ""},
        {"a stray byte", true, {"a\xFF\x62"}, L"a\uFFFDb", ""},
        {"cut off at the end", true, {"x\xC3"}, L"x\uFFFD", ""},
        {"file or pipe", false, {"ge\xC3", "\xB6\x66\x66net\n"}, L"", "ge\xC3\xB6\x66\x66net\n"},
    };
    for (const Case& c : kCases) {
        Received received;
        {
            const auto buffer = console::makeConsoleBuffer(nullptr, fakeApi(c.console, received));
            std::ostream stream(buffer.get());
            for (const std::string& write : c.writes) {
                stream << write << std::flush;
            }
        }
        EXPECT_EQ(received.console, c.toConsole) << c.what;
        EXPECT_EQ(received.file, c.toFile) << c.what;
    }
}

}  // namespace
