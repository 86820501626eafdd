#pragma once
// The simulated instrument on a line: a fresh pseudo-terminal (its terminal side is
// what the program opens) or a given device, served on a background thread.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/unique_fd.h"
#include "data/eeprom_image.h"
#include "sim/instrument.h"

namespace pemlar {

// How many of the latest bytes off the line the server keeps for received(): far more
// than any exchange, and bounded however long it serves.
inline constexpr std::size_t kSimReceivedKept = 64 * 1024;

struct SimOptions {
    bool fast = false;  // reply at once instead of at 9600 baud
    SimFault fault = SimFault::None;
    // Called on the serving thread with the image (device order) after each stored page.
    std::function<void(const EepromImage&)> onImageChanged;
};

class SimServer {
public:
    // Nothing, with a reason in `error`, when no pseudo-terminal can be had.
    static std::unique_ptr<SimServer> onPty(const EepromImage& deviceImage, SimOptions options,
                                            std::string& error);
    // Serves `device`; a terminal is set to raw 9600 8N1 first.
    static std::unique_ptr<SimServer> onDevice(const std::string& device,
                                               const EepromImage& deviceImage, SimOptions options,
                                               std::string& error);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // The path the program opens: the terminal side of the pty, or the given device.
    const std::string& devicePath() const { return devicePath_; }

    // The bytes the instrument has received, in order: all of them, or the latest
    // kSimReceivedKept.
    std::vector<std::uint8_t> received() const;
    void clearReceived();
    // The instrument's EEPROM, device order.
    EepromImage image() const;
    void setFault(SimFault fault);
    // While held, nothing is read off the line, so its buffers fill up.
    void holdInput(bool hold);
    // Stops serving and closes the line: to the other side the device has gone.
    void hangUp();

private:
    SimServer(UniqueFd line, UniqueFd keepOpen, std::string devicePath, const EepromImage& image,
              SimOptions options, UniqueFd wakeRead, UniqueFd wakeWrite);
    void serve();
    void handleInput();
    void send(const std::vector<std::uint8_t>& bytes);
    bool sleepUnlessWoken(int milliseconds) const;
    void wake() const;

    UniqueFd line_;
    UniqueFd keepOpen_;  // our own hold on the terminal side, so the pty never hangs up
    std::string devicePath_;
    SimOptions options_;
    UniqueFd wakeRead_;
    UniqueFd wakeWrite_;
    mutable std::mutex mutex_;
    SimulatedInstrument instrument_;
    std::deque<std::uint8_t> received_;
    std::atomic<bool> holding_{false};
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace pemlar
