#pragma once
// A serial port double for what a pseudo-terminal cannot do: refuse a setting, write
// part of a frame or nothing, fail a call. It records every call it gets.

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace pemlar {

enum class ConfigStep { None, Timeouts, FirstState, BuildState, SecondState };

struct PortScript {
    bool refuseOpen = false;
    ConfigStep refuse = ConfigStep::None;
    bool closeFails = false;
    // Outcome of each write in turn; once used up every write moves all its bytes.
    std::deque<Transfer> writes;
    // What each read delivers in turn (cut to the size asked); once used up, nothing.
    std::deque<std::vector<std::uint8_t>> replies;
    bool readFails = false;
};

struct PortRecord {
    // "open <device>", "setTimeouts", "setState", "buildState <definition>",
    // "purge input", "write <n>", "read <n>", "purge", "close".
    std::vector<std::string> calls;
    std::vector<std::vector<std::uint8_t>> written;  // the bytes each write moved
    std::vector<CommTimeouts> timeouts;
    std::vector<LineSettings> states;
    std::vector<std::chrono::milliseconds> writeBudgets;
    std::vector<std::chrono::milliseconds> readBudgets;
    int openNow = 0;  // ports opened and not closed again
};

class ScriptedPorts {
public:
    PortScript script;
    PortRecord record;

    // A factory for `scom` whose ports all follow `lines`' script and record.
    static SerialPortFactory factory(const std::shared_ptr<ScriptedPorts>& lines);
};

}  // namespace pemlar
