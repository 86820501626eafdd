#pragma once
// A stand-in for the Win32 serial calls that behaves as Windows does where Wine does
// not: a port held open cannot be opened again, SetCommState checks the record as
// Windows' serial driver does, failures carry Windows' error codes, and ReadFile can
// return at once with what is buffered, as some drivers do with a MAXDWORD interval
// time-out. Time is simulated: nothing here waits.

#include <windows.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/win32_comm_api.h"

namespace pemlar {

enum class DriverReads {
    HonourTimeouts,  // wait for every byte asked for or the total time-out
    ReturnAtOnce,    // hand over what is buffered, possibly nothing, without waiting
};

// A call of the table made to fail, with the error Windows would report.
struct InjectedFailure {
    std::string call;  // "CreateFileA", "SetCommTimeouts", "SetCommState", ...
    DWORD error = ERROR_GEN_FAILURE;
    int occurrence = 1;  // the n-th call of that name fails (1 = the first)
};

struct FakeLine {
    // Ports that exist, by the name CreateFileA sees.
    std::set<std::string> ports;
    DriverReads reads = DriverReads::HonourTimeouts;
    // The driver's own timer ends a read's total time-out this much earlier than
    // GetTickCount64 would (Windows' tick counter advances in steps of about 15.6 ms).
    ULONGLONG driverTimerAheadBy = 0;
    // What the instrument sends after each write, in order; it starts arriving with
    // the write and comes at `bytesPerSecond` (0: all at once).
    std::deque<std::vector<std::uint8_t>> answers;
    unsigned bytesPerSecond = 960;
    std::vector<InjectedFailure> failures;
    // WriteFile moves at most this many bytes and still succeeds, as on a time-out.
    std::optional<DWORD> writeLimit;
};

struct FakeRecord {
    std::vector<std::string> calls;  // call names in order
    std::vector<std::string> openedNames;
    std::vector<DWORD> shareModes;
    std::vector<COMMTIMEOUTS> timeouts;
    std::vector<DCB> states;  // every record SetCommState accepted
    std::vector<std::string> definitions;
    std::vector<DWORD> purges;
    std::vector<std::vector<std::uint8_t>> written;
    int readCalls = 0;
    std::vector<DWORD> sleeps;
};

class FakeCommApi {
public:
    FakeCommApi();

    FakeLine& line() { return state_->line; }
    const FakeRecord& record() const { return state_->record; }
    // Table entries that act on this fake; copies share it.
    Win32CommApi api() const;
    ULONGLONG now() const { return state_->now; }
    int openHandles() const { return static_cast<int>(state_->handles.size()); }

private:
    struct Arrival {
        ULONGLONG at;
        std::uint8_t byte;
    };
    struct State {
        FakeLine line;
        FakeRecord record;
        ULONGLONG now = 1'000'000;
        std::map<HANDLE, std::string> handles;  // open handle -> port name
        std::uintptr_t nextHandle = 0x100;
        std::map<HANDLE, COMMTIMEOUTS> timeouts;
        std::deque<Arrival> input;  // bytes on their way in or waiting to be read
        std::map<std::string, int> callCounts;
    };
    std::shared_ptr<State> state_;

    static bool fails(State& state, const std::string& call);
    static bool validAsWindowsSees(const DCB& dcb);
    static BOOL readFile(State& state, HANDLE handle, void* buffer, DWORD toRead, DWORD* read);
};

}  // namespace pemlar
