#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>
#include <utility>

#include "base/unique_fd.h"
#include "link/serial_port.h"

namespace pemlar {

namespace {

using Clock = std::chrono::steady_clock;

struct SpeedEntry {
    std::uint32_t baud;
    speed_t code;
};
constexpr std::array<SpeedEntry, 12> kSpeeds{{
    {300, B300},
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
    {460800, B460800},
}};

std::optional<speed_t> speedCode(std::uint32_t baud) {
    for (const SpeedEntry& entry : kSpeeds) {
        if (entry.baud == baud) {
            return entry.code;
        }
    }
    return std::nullopt;
}

std::optional<tcflag_t> sizeFlag(std::uint8_t byteSize) {
    switch (byteSize) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        case 8:
            return CS8;
        default:
            return std::nullopt;
    }
}

// Every flag that matters for a raw binary line is set or cleared here, not just the
// ones cfmakeraw() touches. Settings termios cannot express are refused.
std::optional<termios> toTermios(const LineSettings& s, termios t) {
    const std::optional<speed_t> speed = speedCode(s.baudRate);
    const std::optional<tcflag_t> size = sizeFlag(s.byteSize);
    if (!speed || !size || !s.binary || s.stopBits == StopBits::OneAndHalf ||
        s.parity == Parity::Mark || s.parity == Parity::Space || s.outxDsrFlow ||
        s.dsrSensitivity || s.discardNull || s.errorCharEnabled ||
        s.dtrControl == DtrControl::Handshake || s.rtsControl == RtsControl::Toggle ||
        (s.rtsControl == RtsControl::Handshake && !s.outxCtsFlow)) {
        return std::nullopt;
    }
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                   IXANY | INPCK | IGNPAR | IMAXBEL);
    if (s.parityCheck) {
        t.c_iflag |= INPCK;
    }
    if (s.outX) {
        t.c_iflag |= IXON;
    }
    if (s.inX) {
        t.c_iflag |= IXOFF;
    }
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN | NOFLSH | TOSTOP);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= *size | CLOCAL | CREAD | HUPCL;
    if (s.parity != Parity::None) {
        t.c_cflag |= PARENB;
        if (s.parity == Parity::Odd) {
            t.c_cflag |= PARODD;
        }
    }
    if (s.stopBits == StopBits::Two) {
        t.c_cflag |= CSTOPB;
    }
    if (s.outxCtsFlow) {
        t.c_cflag |= CRTSCTS;
    }
    // VMIN 1 with O_NONBLOCK: "no data yet" is EAGAIN and a read of 0 means hang-up
    // (with VMIN 0 an empty read would return 0 as well).
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    t.c_cc[VSTART] = static_cast<cc_t>(s.xonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(s.xoffChar);
    cfsetispeed(&t, *speed);
    cfsetospeed(&t, *speed);
    return t;
}

// tcsetattr() succeeds if any one change was made, so each flag is read back.
bool sameLine(const termios& wanted, const termios& actual) {
    constexpr tcflag_t iflags = IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                                IXOFF | IXANY | INPCK | IGNPAR;
    constexpr tcflag_t lflags = ECHO | ECHONL | ICANON | ISIG | IEXTEN;
    constexpr tcflag_t cflags = CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CLOCAL | CREAD;
    return (wanted.c_iflag & iflags) == (actual.c_iflag & iflags) &&
           (wanted.c_oflag & OPOST) == (actual.c_oflag & OPOST) &&
           (wanted.c_lflag & lflags) == (actual.c_lflag & lflags) &&
           (wanted.c_cflag & cflags) == (actual.c_cflag & cflags) &&
           cfgetispeed(&wanted) == cfgetispeed(&actual) &&
           cfgetospeed(&wanted) == cfgetospeed(&actual) && wanted.c_cc[VMIN] == actual.c_cc[VMIN] &&
           wanted.c_cc[VTIME] == actual.c_cc[VTIME];
}

int pollTimeout(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

enum class Wait { Ready, TimedOut, HungUp, Failed };  // Failed leaves errno set

Wait waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        const int timeout = pollTimeout(deadline);
        if (timeout == 0) {
            return Wait::TimedOut;
        }
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, timeout);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Wait::Failed;
        }
        if (ready == 0) {
            continue;  // re-checked against the deadline above
        }
        if ((entry.revents & events) != 0) {
            return Wait::Ready;
        }
        if ((entry.revents & POLLNVAL) != 0) {
            errno = EBADF;
            return Wait::Failed;
        }
        return Wait::HungUp;  // POLLHUP or POLLERR without data
    }
}

// What an errno means at a step: EIO while opening is a node without hardware, on an
// open line a device that went away.
pemlar::FailureKind kindOf(pemlar::PortStep step, int error) {
    using pemlar::FailureKind;
    const bool opening = step == pemlar::PortStep::Open || step == pemlar::PortStep::Lock;
    switch (error) {
        case ENOENT:
            return FailureKind::NotFound;
        case ENXIO:
        case ENODEV:
        case EIO:
            return opening ? FailureKind::NotFound : FailureKind::Removed;
        case EACCES:
        case EPERM:
            return FailureKind::Permission;
        case EBUSY:
        case EAGAIN:
            return FailureKind::Busy;
        case ENOTTY:
        case EINVAL:
            return step == pemlar::PortStep::Timeouts || step == pemlar::PortStep::Configure
                       ? FailureKind::NotSerial
                       : FailureKind::Other;
        default:
            return FailureKind::Other;
    }
}

// The group a device node belongs to (dialout, uucp, plugdev), for a refused open.
std::string groupOf(const std::string& device) {
    struct stat node {};
    if (::stat(device.c_str(), &node) != 0 || node.st_gid == 0) {
        return {};
    }
    std::array<char, 4096> buffer{};
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(node.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr) {
        return {};
    }
    return found->gr_name;
}

std::string programOf(const std::string& pid) {
    std::string name;
    std::getline(std::ifstream("/proc/" + pid + "/comm"), name);
    return name.empty() ? "PID " + pid : name + " (PID " + pid + ")";
}

// Who holds the flock() on the node: /proc/locks names its process by device numbers
// (hex) and inode, "1: FLOCK  ADVISORY  WRITE 812 00:19:3 0 EOF".
std::string lockHolderOf(const struct stat& node) {
    std::ifstream locks("/proc/locks");
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%02x:%02x:%llu", major(node.st_dev), minor(node.st_dev),
                  static_cast<unsigned long long>(node.st_ino));
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, advisory, mode, pid, where;
        fields >> number >> kind >> advisory >> mode >> pid >> where;
        if (kind == "FLOCK" && where == wanted) {
            return programOf(pid);
        }
    }
    return {};
}

// The program that holds `device`, "minicom (PID 812)": the holder of its lock, else
// the first with it open (/proc/*/fd); empty when the system does not tell (another
// user's processes are not readable).
std::string holderOf(const std::string& device) {
    struct stat wanted {};
    if (::stat(device.c_str(), &wanted) != 0) {
        return {};
    }
    if (std::string locker = lockHolderOf(wanted); !locker.empty()) {
        return locker;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> proc(::opendir("/proc"), &::closedir);
    if (!proc) {
        return {};
    }
    while (const dirent* process = ::readdir(proc.get())) {
        const std::string pid = process->d_name;
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const std::string fds = "/proc/" + pid + "/fd";
        const std::unique_ptr<DIR, int (*)(DIR*)> list(::opendir(fds.c_str()), &::closedir);
        if (!list) {
            continue;
        }
        while (const dirent* fd = ::readdir(list.get())) {
            struct stat open {};
            if (fd->d_name[0] == '.' || ::stat((fds + "/" + fd->d_name).c_str(), &open) != 0) {
                continue;
            }
            const bool same = S_ISCHR(wanted.st_mode)
                                  ? S_ISCHR(open.st_mode) && open.st_rdev == wanted.st_rdev
                                  : open.st_dev == wanted.st_dev && open.st_ino == wanted.st_ino;
            if (same) {
                return programOf(pid);
            }
        }
    }
    return {};
}

// The refused call's errno with glibc's name and text for it.
pemlar::PortFailure systemFailure(pemlar::PortStep step, int error) {
    pemlar::PortFailure failure;
    failure.step = step;
    failure.kind = kindOf(step, error);
    failure.code = error;
    const char* name = ::strerrorname_np(error);
    failure.name = name != nullptr ? name : "errno " + std::to_string(error);
    std::array<char, 256> buffer{};
    failure.text = ::strerror_r(error, buffer.data(), buffer.size());
    return failure;
}

// A hang-up that poll() or a read of 0 bytes reported; there is no errno for it.
pemlar::PortFailure hangUp(pemlar::PortStep step) {
    pemlar::PortFailure failure;
    failure.step = step;
    failure.kind = pemlar::FailureKind::HangUp;
    failure.name = "POLLHUP";
    return failure;
}

class PosixSerialPort final : public SerialPort {
public:
    ~PosixSerialPort() override { close(); }

    // flock() alone keeps a second open out: the kernel drops the lock with the last
    // descriptor, even when the program is killed. TIOCEXCL is not used: it belongs to
    // the terminal, so a program killed before undoing it leaves the port closed to
    // everyone but root for as long as anything else holds the terminal open (the far
    // side of a pseudo-terminal, a getty, a modem manager).
    bool open(const std::string& device) override {
        close();
        UniqueFd fd(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
        if (!fd) {
            return refuseOpen(pemlar::PortStep::Open, errno, device);
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            return refuseOpen(pemlar::PortStep::Lock, errno, device);
        }
        fd_ = std::move(fd);
        return true;
    }

    bool checkSerialDevice() override {
        termios current{};
        if (!fd_ || ::tcgetattr(fd_.get(), &current) != 0) {
            return refuse(pemlar::PortStep::Timeouts, fd_ ? errno : EBADF);
        }
        return true;
    }

    // POSIX has no driver time-outs: each read and write brings its own budget. This
    // step checks that the device is a terminal at all.
    bool setTimeouts(const CommTimeouts&) override { return checkSerialDevice(); }

    bool setState(const LineSettings& settings) override {
        termios current{};
        if (!fd_ || ::tcgetattr(fd_.get(), &current) != 0) {
            return refuse(pemlar::PortStep::Configure, fd_ ? errno : EBADF);
        }
        const std::optional<termios> wanted = toTermios(settings, current);
        if (!wanted) {
            return refuse(pemlar::PortStep::Configure, 0);
        }
        if (::tcsetattr(fd_.get(), TCSANOW, &*wanted) != 0) {
            return refuse(pemlar::PortStep::Configure, errno);
        }
        termios actual{};
        if (::tcgetattr(fd_.get(), &actual) != 0) {
            return refuse(pemlar::PortStep::Configure, errno);
        }
        return sameLine(*wanted, actual) || refuse(pemlar::PortStep::Configure, 0);
    }

    bool buildState(const std::string& definition, LineSettings& settings) override {
        return (fd_ && parseDefinition(definition, settings)) ||
               refuse(pemlar::PortStep::Configure, 0);
    }

    Transfer write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds budget) override {
        const Clock::time_point deadline = Clock::now() + budget;
        Transfer transfer;
        while (transfer.count < bytes.size()) {
            const ssize_t written =
                ::write(fd_.get(), bytes.data() + transfer.count, bytes.size() - transfer.count);
            if (written > 0) {
                transfer.count += static_cast<std::size_t>(written);
                continue;
            }
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
                return fail(transfer, systemFailure(pemlar::PortStep::Write, errno));
            }
            if (!await(POLLOUT, deadline, pemlar::PortStep::Write, transfer)) {
                return transfer;
            }
        }
        drain(deadline);
        return transfer;
    }

    Transfer read(std::span<std::uint8_t> bytes, std::chrono::milliseconds budget) override {
        const Clock::time_point deadline = Clock::now() + budget;
        Transfer transfer;
        while (transfer.count < bytes.size()) {
            const ssize_t got =
                ::read(fd_.get(), bytes.data() + transfer.count, bytes.size() - transfer.count);
            if (got > 0) {
                transfer.count += static_cast<std::size_t>(got);
                continue;
            }
            if (got == 0) {
                // A terminal hung up (with VMIN 1 an empty line gives EAGAIN instead).
                return fail(transfer, hangUp(pemlar::PortStep::Read));
            }
            if (errno == EINTR) {
                continue;
            }
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                // EIO: a terminal whose other end has gone.
                return fail(transfer, systemFailure(pemlar::PortStep::Read, errno));
            }
            if (!await(POLLIN, deadline, pemlar::PortStep::Read, transfer)) {
                return transfer;
            }
        }
        return transfer;
    }

    void purge(Buffers which) override {
        if (fd_) {
            ::tcflush(fd_.get(), which == Buffers::Input ? TCIFLUSH : TCIOFLUSH);
        }
    }

    bool close() override {
        if (!fd_) {
            return true;
        }
        // Linux releases the descriptor even when close() is interrupted.
        if (::close(fd_.release()) == 0 || errno == EINTR) {
            return true;
        }
        return refuse(pemlar::PortStep::Close, errno);
    }

    PortHandle handle() const override { return fd_ ? fd_.get() : kInvalidPortHandle; }

    const pemlar::PortFailure& failure() const override { return failure_; }

private:
    // Records why `step` was refused (errno, or 0 when the system had no complaint).
    bool refuse(pemlar::PortStep step, int error) {
        failure_ = error != 0 ? systemFailure(step, error) : pemlar::PortFailure{.step = step};
        return false;
    }

    // An open refused: who is in the way, where the system tells.
    bool refuseOpen(pemlar::PortStep step, int error, const std::string& device) {
        refuse(step, error);
        if (failure_.kind == pemlar::FailureKind::Permission) {
            failure_.group = groupOf(device);
        } else if (failure_.kind == pemlar::FailureKind::Busy) {
            failure_.holder = holderOf(device);
        }
        return false;
    }

    Transfer& fail(Transfer& transfer, pemlar::PortFailure why) {
        failure_ = std::move(why);
        transfer.callFailed = true;
        return transfer;
    }

    // Waits until the line is ready for `events`; false when the deadline passed or
    // the call failed (then `transfer` says so).
    bool await(short events, Clock::time_point deadline, pemlar::PortStep step,
               Transfer& transfer) {
        switch (waitFor(fd_.get(), events, deadline)) {
            case Wait::Ready:
                return true;
            case Wait::TimedOut:
                return false;
            case Wait::HungUp:
                fail(transfer, hangUp(step));
                return false;
            case Wait::Failed:
                fail(transfer, systemFailure(step, errno));
                return false;
        }
        return false;
    }

    // Returns once the bytes have left (a pseudo-terminal reports none waiting), so
    // the pauses that follow a frame count from its last byte as on the line.
    void drain(Clock::time_point deadline) const {
        for (;;) {
            int queued = 0;
            if (::ioctl(fd_.get(), TIOCOUTQ, &queued) != 0 || queued <= 0) {
                return;
            }
            const int left = pollTimeout(deadline);
            if (left == 0) {
                return;
            }
            const int lineTime = queued + 1;  // about 1 ms per byte at 9600 baud
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(left, lineTime)));
        }
    }

    UniqueFd fd_;
    pemlar::PortFailure failure_;
};

}  // namespace

SerialPortFactory systemSerialPortFactory() {
    return [] { return std::make_unique<PosixSerialPort>(); };
}

}  // namespace pemlar
