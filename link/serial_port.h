#pragma once
// The operations `scom` needs of a serial port, one implementation per platform
// (serial_port_posix.cpp, serial_port_win32.cpp). Implementations own their handle
// and close it when destroyed, and remember why their last refused call was refused.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "link/line_settings.h"
#include "link/port_failure.h"

namespace pemlar {

// Wide enough for a file descriptor and a Windows HANDLE; -1 is invalid for both.
using PortHandle = std::intptr_t;
inline constexpr PortHandle kInvalidPortHandle = -1;

enum class Buffers { Input, InputAndOutput };

struct Transfer {
    bool callFailed = false;  // the platform call itself reported an error
    std::size_t count = 0;    // bytes moved before the call failed or time ran out
};

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens `device` for reading and writing, exclusively. On false nothing is open.
    virtual bool open(const std::string& device) = 0;
    // Whether the open device is a serial device at all (a terminal), without changing
    // anything on it; false with failure() of kind NotSerial when it is not. The default
    // suits names that reach serial devices only (Windows' \\.\COM<n>).
    virtual bool checkSerialDevice() { return true; }
    // The four configuration steps, in the order `scom::open` runs them.
    virtual bool setTimeouts(const CommTimeouts& timeouts) = 0;
    virtual bool setState(const LineSettings& settings) = 0;
    virtual bool buildState(const std::string& definition, LineSettings& settings) = 0;
    // Writes all of `bytes`, giving up after `budget`.
    virtual Transfer write(std::span<const std::uint8_t> bytes,
                           std::chrono::milliseconds budget) = 0;
    // Reads until `bytes` is full or `budget` has passed. A line that hangs up is a
    // failed call: what was not read by then will never come.
    virtual Transfer read(std::span<std::uint8_t> bytes, std::chrono::milliseconds budget) = 0;
    // Discards unread input, and with InputAndOutput unsent output as well.
    virtual void purge(Buffers which) = 0;
    // Closed afterwards whatever the result; false when the platform reported an error.
    virtual bool close() = 0;
    virtual PortHandle handle() const = 0;
    // The step, system code, name and text of the last call that returned false or
    // callFailed (a hang-up during a read or write counts as a failed call).
    virtual const pemlar::PortFailure& failure() const = 0;
};

using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;

// The platform's serial port.
SerialPortFactory systemSerialPortFactory();

}  // namespace pemlar
