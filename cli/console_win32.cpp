#include <windows.h>

#include <io.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "base/command_line.h"
#include "cli/console.h"
#include "cli/console_win32.h"

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

// Bytes of `text` up to the end of its last whole UTF-8 character; what follows is the
// start of one that the next write completes.
std::size_t wholeCharacters(std::string_view text) {
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= std::min<std::size_t>(size, 4); ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;  // a continuation byte: its lead is further back
        }
        std::size_t length = 1;
        if (byte >= 0xF0 && byte <= 0xF7) {
            length = 4;
        } else if (byte >= 0xE0) {
            length = byte <= 0xEF ? 3 : 1;
        } else if (byte >= 0xC0) {
            length = 2;
        }
        return back < length ? size - back : size;
    }
    return size;
}

std::wstring utf16(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const auto length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    if (size > 0) {
        MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), size);
    }
    return out;
}

class ConsoleBuffer : public std::streambuf {
public:
    ConsoleBuffer(void* handle, Win32ConsoleApi api)
        : handle_(handle), api_(std::move(api)), console_(api_.isConsole(handle)) {}
    ~ConsoleBuffer() override { send(true); }
    ConsoleBuffer(const ConsoleBuffer&) = delete;
    ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        const char byte = traits_type::to_char_type(c);
        pending_.push_back(byte);
        if ((byte == '\n' || pending_.size() >= kChunk) && !send(false)) {
            return traits_type::eof();
        }
        return c;
    }

    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        pending_.append(bytes, static_cast<std::size_t>(count));
        const bool line = std::string_view(bytes, static_cast<std::size_t>(count)).find('\n') !=
                          std::string_view::npos;
        if ((line || pending_.size() >= kChunk) && !send(false)) {
            return 0;
        }
        return count;
    }

    // A flush keeps a character whose last bytes are still to come.
    int sync() override { return send(false) ? 0 : -1; }

private:
    static constexpr std::size_t kChunk = 4096;

    // Writes what is pending; a character still incomplete stays unless `all`.
    bool send(bool all) {
        const std::size_t whole = all ? pending_.size() : wholeCharacters(pending_);
        if (whole == 0) {
            return true;
        }
        const std::string_view text(pending_.data(), whole);
        const bool written =
            console_ ? api_.writeConsole(handle_, utf16(text)) : api_.writeFile(handle_, text);
        pending_.erase(0, whole);
        return written;
    }

    void* handle_;
    Win32ConsoleApi api_;
    bool console_;
    std::string pending_;
};

}  // namespace

Win32ConsoleApi systemWin32ConsoleApi() {
    Win32ConsoleApi api;
    api.isConsole = [](void* handle) {
        DWORD mode = 0;
        return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
               GetConsoleMode(static_cast<HANDLE>(handle), &mode) != 0;
    };
    api.writeConsole = [](void* handle, std::wstring_view units) {
        while (!units.empty()) {
            const auto part = static_cast<DWORD>(std::min<std::size_t>(units.size(), 8192));
            DWORD written = 0;
            if (!WriteConsoleW(static_cast<HANDLE>(handle), units.data(), part, &written,
                               nullptr) ||
                written == 0) {
                return false;
            }
            units.remove_prefix(written);
        }
        return true;
    };
    api.writeFile = [](void* handle, std::string_view bytes) {
        while (!bytes.empty()) {
            const auto part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 16));
            DWORD written = 0;
            if (!WriteFile(static_cast<HANDLE>(handle), bytes.data(), part, &written, nullptr) ||
                written == 0) {
                return false;
            }
            bytes.remove_prefix(written);
        }
        return true;
    };
    return api;
}

std::unique_ptr<std::streambuf> makeConsoleBuffer(void* handle, Win32ConsoleApi api) {
    return std::make_unique<ConsoleBuffer>(handle, std::move(api));
}

// The buffers outlive their streams and write what is left when they go.
std::ostream& out() {
    static const std::unique_ptr<std::streambuf> buffer =
        makeConsoleBuffer(GetStdHandle(STD_OUTPUT_HANDLE), systemWin32ConsoleApi());
    static std::ostream stream(buffer.get());
    return stream;
}

std::ostream& err() {
    static const std::unique_ptr<std::streambuf> buffer =
        makeConsoleBuffer(GetStdHandle(STD_ERROR_HANDLE), systemWin32ConsoleApi());
    static std::ostream stream(buffer.get());
    stream.setf(std::ios::unitbuf);
    return stream;
}

void prepare(bool catchStop) {
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
    std::optional<std::vector<std::string>> words = wideCommandLine();
    if (!words) {
        return {argv + (argc > 0 ? 1 : 0), argv + argc};
    }
    if (!words->empty()) {
        words->erase(words->begin());  // the program's name
    }
    return std::move(*words);
}

}  // namespace pemlar::console
