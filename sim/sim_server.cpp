#include "sim/sim_server.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace pemlar {

namespace {

using Clock = std::chrono::steady_clock;

// 1 start bit, 8 data bits, 1 stop bit at 9600 baud.
constexpr auto kByteTime = std::chrono::nanoseconds(10'000'000'000LL / 9600);
// Quiet this long, the instrument gives up on a frame it has begun to receive.
constexpr int kIdleMilliseconds = 1500;

bool makeRaw(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {
        return false;
    }
    ::cfmakeraw(&t);
    t.c_cflag &= ~(CSTOPB | CRTSCTS | PARENB);
    t.c_cflag |= CLOCAL | CREAD | CS8;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, B9600);
    ::cfsetospeed(&t, B9600);
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

std::string systemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

}  // namespace

// A pipe the serving thread also polls, so that it can be woken to stop or to look
// at its settings again.
bool makeWakePipe(UniqueFd& readEnd, UniqueFd& writeEnd, std::string& error) {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        error = systemError("pipe");
        return false;
    }
    readEnd.reset(ends[0]);
    writeEnd.reset(ends[1]);
    return true;
}

std::unique_ptr<SimServer> SimServer::onPty(const EepromImage& deviceImage, SimOptions options,
                                            std::string& error) {
    UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY));
    if (!master) {
        error = systemError("posix_openpt");
        return nullptr;
    }
    std::array<char, 128> name{};
    if (::fcntl(master.get(), F_SETFD, FD_CLOEXEC) != 0 || ::grantpt(master.get()) != 0 ||
        ::unlockpt(master.get()) != 0 || ::ptsname_r(master.get(), name.data(), name.size()) != 0 ||
        ::fcntl(master.get(), F_SETFL, O_NONBLOCK) != 0) {
        error = systemError("Pseudo-Terminal");
        return nullptr;
    }
    UniqueFd keepOpen(::open(name.data(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!keepOpen || !makeRaw(keepOpen.get()) || !makeRaw(master.get())) {
        error = systemError(name.data());
        return nullptr;
    }
    UniqueFd wakeRead;
    UniqueFd wakeWrite;
    if (!makeWakePipe(wakeRead, wakeWrite, error)) {
        return nullptr;
    }
    return std::unique_ptr<SimServer>(new SimServer(std::move(master), std::move(keepOpen),
                                                    name.data(), deviceImage, std::move(options),
                                                    std::move(wakeRead), std::move(wakeWrite)));
}

std::unique_ptr<SimServer> SimServer::onDevice(const std::string& device,
                                               const EepromImage& deviceImage, SimOptions options,
                                               std::string& error) {
    UniqueFd line(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!line || (::isatty(line.get()) && !makeRaw(line.get()))) {
        error = systemError(device);
        return nullptr;
    }
    UniqueFd wakeRead;
    UniqueFd wakeWrite;
    if (!makeWakePipe(wakeRead, wakeWrite, error)) {
        return nullptr;
    }
    return std::unique_ptr<SimServer>(new SimServer(std::move(line), UniqueFd(), device,
                                                    deviceImage, std::move(options),
                                                    std::move(wakeRead), std::move(wakeWrite)));
}

SimServer::SimServer(UniqueFd line, UniqueFd keepOpen, std::string devicePath,
                     const EepromImage& image, SimOptions options, UniqueFd wakeRead,
                     UniqueFd wakeWrite)
    : line_(std::move(line)),
      keepOpen_(std::move(keepOpen)),
      devicePath_(std::move(devicePath)),
      options_(std::move(options)),
      wakeRead_(std::move(wakeRead)),
      wakeWrite_(std::move(wakeWrite)),
      instrument_(image, options_.fault) {
    thread_ = std::thread([this] { serve(); });
}

SimServer::~SimServer() {
    hangUp();
}

std::vector<std::uint8_t> SimServer::received() const {
    const std::lock_guard lock(mutex_);
    return {received_.begin(), received_.end()};
}

void SimServer::clearReceived() {
    const std::lock_guard lock(mutex_);
    received_.clear();
}

EepromImage SimServer::image() const {
    const std::lock_guard lock(mutex_);
    return instrument_.image();
}

void SimServer::setFault(SimFault fault) {
    const std::lock_guard lock(mutex_);
    instrument_.setFault(fault);
}

void SimServer::holdInput(bool hold) {
    holding_ = hold;
    wake();
}

void SimServer::hangUp() {
    if (thread_.joinable()) {
        stopping_ = true;
        wake();
        thread_.join();
    }
    line_.reset();
    keepOpen_.reset();
}

void SimServer::wake() const {
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wakeWrite_.get(), &byte, 1);
}

// Sleeps up to `milliseconds`; false when woken to stop.
bool SimServer::sleepUnlessWoken(int milliseconds) const {
    pollfd entry{wakeRead_.get(), POLLIN, 0};
    ::poll(&entry, 1, milliseconds);
    return !stopping_;
}

void SimServer::serve() {
    while (!stopping_) {
        std::array<pollfd, 2> fds{{
            {wakeRead_.get(), POLLIN, 0},
            {line_.get(), static_cast<short>(holding_ ? 0 : POLLIN), 0},
        }};
        const int ready = ::poll(fds.data(), fds.size(), kIdleMilliseconds);
        if (ready < 0 && errno != EINTR) {
            return;
        }
        if (ready == 0) {
            const std::lock_guard lock(mutex_);
            instrument_.lineIdle();
            continue;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            std::array<char, 64> drained{};
            while (::read(wakeRead_.get(), drained.data(), drained.size()) > 0) {
            }
            continue;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            handleInput();
        } else if (fds[1].revents != 0) {
            // A device whose other end is gone: wait for it instead of spinning.
            sleepUnlessWoken(100);
        }
    }
}

void SimServer::handleInput() {
    std::array<std::uint8_t, 512> buffer{};
    const ssize_t got = ::read(line_.get(), buffer.data(), buffer.size());
    if (got <= 0) {
        if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            sleepUnlessWoken(100);
        }
        return;
    }
    std::vector<std::uint8_t> reply;
    std::optional<EepromImage> changed;
    {
        const std::lock_guard lock(mutex_);
        received_.insert(received_.end(), buffer.begin(), buffer.begin() + got);
        if (received_.size() > kSimReceivedKept) {
            received_.erase(received_.begin(),
                            received_.end() - static_cast<std::ptrdiff_t>(kSimReceivedKept));
        }
        reply = instrument_.receive(std::span(buffer.data(), static_cast<std::size_t>(got)));
        if (instrument_.takeImageChanged()) {
            changed = instrument_.image();
        }
    }
    if (changed && options_.onImageChanged) {
        options_.onImageChanged(*changed);
    }
    send(reply);
}

// Sends at the pace of the line unless fast: byte i is handed over once it would have
// been on the wire completely, i + 1 byte times after the start.
void SimServer::send(const std::vector<std::uint8_t>& bytes) {
    const Clock::time_point start = Clock::now();
    std::size_t sent = 0;
    while (sent < bytes.size() && !stopping_) {
        std::size_t due = bytes.size();
        if (!options_.fast) {
            due = std::min(bytes.size(),
                           static_cast<std::size_t>((Clock::now() - start) / kByteTime));
        }
        if (due > sent) {
            const ssize_t written = ::write(line_.get(), bytes.data() + sent, due - sent);
            if (written > 0) {
                sent += static_cast<std::size_t>(written);
                continue;
            }
            if (written < 0 && errno != EAGAIN && errno != EINTR) {
                return;
            }
            sleepUnlessWoken(1);
            continue;
        }
        const auto next = start + kByteTime * static_cast<long>(sent + 1);
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
        sleepUnlessWoken(static_cast<int>(std::max<long>(wait.count(), 1)));
    }
}

}  // namespace pemlar
