#include "tests/win32/fake_comm_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace pemlar {

namespace {

// Windows' serial driver keeps 4096 bytes of input unless SetupComm says otherwise;
// the flow-control limits must fit into that.
constexpr DWORD kInputQueueSize = 4096;
// A read loop that never ends would hang the test: fail it instead.
constexpr int kMaxReadCalls = 100000;

bool parseStopBits(const char* text, BYTE& stopBits) {
    if (std::strcmp(text, "1") == 0) {
        stopBits = ONESTOPBIT;
    } else if (std::strcmp(text, "1.5") == 0) {
        stopBits = ONE5STOPBITS;
    } else if (std::strcmp(text, "2") == 0) {
        stopBits = TWOSTOPBITS;
    } else {
        return false;
    }
    return true;
}

bool parseParity(char letter, BYTE& parity) {
    switch (letter) {
        case 'n':
        case 'N':
            parity = NOPARITY;
            return true;
        case 'o':
        case 'O':
            parity = ODDPARITY;
            return true;
        case 'e':
        case 'E':
            parity = EVENPARITY;
            return true;
        case 'm':
        case 'M':
            parity = MARKPARITY;
            return true;
        case 's':
        case 'S':
            parity = SPACEPARITY;
            return true;
        default:
            return false;
    }
}

// "[COM<n>:]<baud>,<parity>,<data bits>,<stop bits>" without a handshake letter, which
// is all the program ever builds.
bool buildDcb(const char* definition, DCB& dcb) {
    const char* colon = std::strchr(definition, ':');
    const char* settings = colon != nullptr ? colon + 1 : definition;
    unsigned baud = 0;
    char parity = 0;
    unsigned dataBits = 0;
    char stop[4] = {};
    int consumed = 0;
    if (std::sscanf(settings, " %u , %c , %u , %3[0-9.]%n", &baud, &parity, &dataBits, stop,
                    &consumed) != 4 ||
        settings[consumed] != '\0') {
        return false;
    }
    DCB built = dcb;
    if (!parseParity(parity, built.Parity) || !parseStopBits(stop, built.StopBits) ||
        dataBits < 5 || dataBits > 8) {
        return false;
    }
    built.BaudRate = baud;
    built.ByteSize = static_cast<BYTE>(dataBits);
    // No handshake named: no flow control, DTR and RTS on.
    built.fOutxCtsFlow = 0;
    built.fOutxDsrFlow = 0;
    built.fOutX = 0;
    built.fInX = 0;
    built.fDtrControl = DTR_CONTROL_ENABLE;
    built.fRtsControl = RTS_CONTROL_ENABLE;
    dcb = built;
    return true;
}

}  // namespace

FakeCommApi::FakeCommApi() : state_(std::make_shared<State>()) {}

bool FakeCommApi::fails(State& state, const std::string& call) {
    state.record.calls.push_back(call);
    const int count = ++state.callCounts[call];
    for (const InjectedFailure& failure : state.line.failures) {
        if (failure.call == call && failure.occurrence == count) {
            SetLastError(failure.error);
            return true;
        }
    }
    return false;
}

bool FakeCommApi::validAsWindowsSees(const DCB& dcb) {
    if (dcb.DCBlength != sizeof(DCB) || dcb.BaudRate == 0) {
        return false;
    }
    if (dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > SPACEPARITY ||
        dcb.StopBits > TWOSTOPBITS) {
        return false;
    }
    // 1.5 stop bits only with 5 data bits, 2 stop bits never with 5.
    if (dcb.StopBits == ONE5STOPBITS && dcb.ByteSize != 5) {
        return false;
    }
    if (dcb.StopBits == TWOSTOPBITS && dcb.ByteSize == 5) {
        return false;
    }
    // Refused even with XON/XOFF off: a zeroed record fails here on Windows.
    if (dcb.XonChar == dcb.XoffChar) {
        return false;
    }
    if (dcb.XonLim > kInputQueueSize || dcb.XoffLim > kInputQueueSize) {
        return false;
    }
    return dcb.fDtrControl <= DTR_CONTROL_HANDSHAKE;
}

BOOL FakeCommApi::readFile(State& state, HANDLE handle, void* buffer, DWORD toRead, DWORD* read) {
    *read = 0;
    if (++state.record.readCalls > kMaxReadCalls) {
        ADD_FAILURE() << "ReadFile called " << kMaxReadCalls << " times in one test";
        SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    }
    if (fails(state, "ReadFile")) {
        return FALSE;
    }
    if (!state.handles.contains(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const auto arrivedBy = [&state](ULONGLONG time) {
        return static_cast<DWORD>(std::count_if(state.input.begin(), state.input.end(),
                                                [time](const Arrival& a) { return a.at <= time; }));
    };
    if (state.line.reads == DriverReads::HonourTimeouts) {
        const COMMTIMEOUTS& t = state.timeouts[handle];
        const bool atOnce = t.ReadIntervalTimeout == MAXDWORD &&
                            t.ReadTotalTimeoutMultiplier == 0 && t.ReadTotalTimeoutConstant == 0;
        if (!atOnce) {
            const ULONGLONG total =
                ULONGLONG{t.ReadTotalTimeoutMultiplier} * toRead + t.ReadTotalTimeoutConstant;
            if (total == 0) {
                ADD_FAILURE() << "ReadFile without a total time-out can block for ever";
                SetLastError(ERROR_GEN_FAILURE);
                return FALSE;
            }
            const ULONGLONG end =
                state.now + total - std::min(total, state.line.driverTimerAheadBy);
            if (state.input.size() >= toRead && state.input[toRead - 1].at <= end) {
                state.now = std::max(state.now, state.input[toRead - 1].at);
            } else {
                state.now = std::max(state.now, end);
            }
        }
    }
    const DWORD count = std::min(toRead, arrivedBy(state.now));
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    for (DWORD i = 0; i < count; ++i) {
        bytes[i] = state.input.front().byte;
        state.input.pop_front();
    }
    *read = count;
    return TRUE;
}

Win32CommApi FakeCommApi::api() const {
    const std::shared_ptr<State> state = state_;
    Win32CommApi api;
    api.createFileA = [state](LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES,
                              DWORD disposition, DWORD, HANDLE) -> HANDLE {
        state->record.openedNames.emplace_back(name);
        state->record.shareModes.push_back(share);
        if (fails(*state, "CreateFileA")) {
            return INVALID_HANDLE_VALUE;
        }
        if (!state->line.ports.contains(name) || disposition != OPEN_EXISTING) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return INVALID_HANDLE_VALUE;
        }
        // A serial port is never shared, whatever share mode is asked for.
        const bool held = std::any_of(state->handles.begin(), state->handles.end(),
                                      [name](const auto& open) { return open.second == name; });
        if (held || access != (GENERIC_READ | GENERIC_WRITE)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return INVALID_HANDLE_VALUE;
        }
        const auto handle = reinterpret_cast<HANDLE>(state->nextHandle++);
        state->handles[handle] = name;
        state->timeouts[handle] = COMMTIMEOUTS{};
        return handle;
    };
    api.closeHandle = [state](HANDLE handle) -> BOOL {
        const bool known = state->handles.erase(handle) == 1;
        if (fails(*state, "CloseHandle")) {
            return FALSE;
        }
        if (!known) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        return TRUE;
    };
    api.setCommTimeouts = [state](HANDLE handle, LPCOMMTIMEOUTS timeouts) -> BOOL {
        if (fails(*state, "SetCommTimeouts")) {
            return FALSE;
        }
        if (!state->handles.contains(handle)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        state->record.timeouts.push_back(*timeouts);
        state->timeouts[handle] = *timeouts;
        return TRUE;
    };
    api.setCommState = [state](HANDLE handle, LPDCB dcb) -> BOOL {
        if (fails(*state, "SetCommState")) {
            return FALSE;
        }
        if (!state->handles.contains(handle)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        if (!validAsWindowsSees(*dcb)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        state->record.states.push_back(*dcb);
        return TRUE;
    };
    api.buildCommDCBA = [state](LPCSTR definition, LPDCB dcb) -> BOOL {
        state->record.definitions.emplace_back(definition);
        if (fails(*state, "BuildCommDCBA")) {
            return FALSE;
        }
        if (!buildDcb(definition, *dcb)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return TRUE;
    };
    api.purgeComm = [state](HANDLE handle, DWORD flags) -> BOOL {
        state->record.purges.push_back(flags);
        if (fails(*state, "PurgeComm")) {
            return FALSE;
        }
        if (!state->handles.contains(handle)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        if ((flags & PURGE_RXCLEAR) != 0) {
            std::erase_if(state->input,
                          [now = state->now](const Arrival& a) { return a.at <= now; });
        }
        return TRUE;
    };
    api.clearCommError = [state](HANDLE handle, LPDWORD errors, LPCOMSTAT status) -> BOOL {
        if (fails(*state, "ClearCommError")) {
            return FALSE;
        }
        if (!state->handles.contains(handle)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        *errors = 0;
        *status = COMSTAT{};
        status->cbInQue = static_cast<DWORD>(
            std::count_if(state->input.begin(), state->input.end(),
                          [now = state->now](const Arrival& a) { return a.at <= now; }));
        return TRUE;
    };
    api.readFile = [state](HANDLE handle, LPVOID buffer, DWORD toRead, LPDWORD read,
                           LPOVERLAPPED) -> BOOL {
        return readFile(*state, handle, buffer, toRead, read);
    };
    api.writeFile = [state](HANDLE handle, LPCVOID buffer, DWORD toWrite, LPDWORD written,
                            LPOVERLAPPED) -> BOOL {
        *written = 0;
        if (fails(*state, "WriteFile")) {
            return FALSE;
        }
        if (!state->handles.contains(handle)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        const DWORD moved = std::min(toWrite, state->line.writeLimit.value_or(toWrite));
        const auto* bytes = static_cast<const std::uint8_t*>(buffer);
        state->record.written.emplace_back(bytes, bytes + moved);
        *written = moved;
        if (moved > 0 && !state->line.answers.empty()) {
            const std::vector<std::uint8_t> answer = std::move(state->line.answers.front());
            state->line.answers.pop_front();
            const ULONGLONG start =
                state->input.empty() ? state->now : std::max(state->now, state->input.back().at);
            const unsigned rate = state->line.bytesPerSecond;
            for (std::size_t i = 0; i < answer.size(); ++i) {
                const ULONGLONG delay = rate == 0 ? 0 : (i + 1) * 1000 / rate;
                state->input.push_back({start + delay, answer[i]});
            }
        }
        return TRUE;
    };
    api.getTickCount64 = [state]() -> ULONGLONG { return state->now; };
    api.sleep = [state](DWORD milliseconds) {
        state->record.sleeps.push_back(milliseconds);
        state->now += milliseconds;
    };
    return api;
}

}  // namespace pemlar
