#include "tests/support/private_mount.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace pemlar {

namespace {

std::string errnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool writeProcFile(const char* path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    out.close();
    return out.good();
}

std::string enterPrivateMountNamespace() {
    if (unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = getuid();
        const gid_t gid = getgid();
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            return errnoText("unshare");
        }
        writeProcFile("/proc/self/setgroups", "deny");
        if (!writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
            return "user namespace id maps refused";
        }
    }
    // Nothing mounted from here on may reach the machine's own mount table.
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return errnoText("making mounts private");
    }
    return {};
}

void writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

std::string readAll(int fd) {
    std::string text;
    char buffer[512];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

PrivateMountOutcome runWithPrivateMounts(const std::function<std::string()>& body) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {false, errnoText("pipe")};
    }
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return {false, errnoText("fork")};
    }
    if (pid == 0) {
        close(fds[0]);
        std::string report;
        const std::string entered = enterPrivateMountNamespace();
        if (!entered.empty()) {
            report = kUnavailablePrefix + entered;
        } else {
            report = "ran: " + body();
        }
        writeAll(fds[1], report);
        _exit(0);  // no destructors, no leak report: the parent owns the test
    }
    close(fds[1]);
    const std::string report = readAll(fds[0]);
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const std::string ran = "ran: ";
    if (report.rfind(kUnavailablePrefix, 0) == 0) {
        return {false, report.substr(std::strlen(kUnavailablePrefix))};
    }
    if (report.rfind(ran + kUnavailablePrefix, 0) == 0) {
        return {false, report.substr(ran.size() + std::strlen(kUnavailablePrefix))};
    }
    if (report.rfind(ran, 0) != 0) {
        return {true, "the child died without a report (status " + std::to_string(status) + ")"};
    }
    return {true, report.substr(ran.size())};
}

std::string mountTmpfs(const std::string& dir, const std::string& options) {
    if (mount("tmpfs", dir.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        return kUnavailablePrefix + errnoText("mounting a tmpfs");
    }
    return {};
}

namespace {

std::string bindOntoItself(const std::string& path, unsigned long readOnlyFlag) {
    if (mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        return kUnavailablePrefix + errnoText("bind mount");
    }
    if (mount(nullptr, path.c_str(), nullptr, MS_REMOUNT | MS_BIND | readOnlyFlag, nullptr) != 0) {
        return kUnavailablePrefix + errnoText("bind remount");
    }
    return {};
}

}  // namespace

std::string remountReadOnly(const std::string& path) {
    return bindOntoItself(path, MS_RDONLY);
}

std::string remountWritable(const std::string& path) {
    return bindOntoItself(path, 0);
}

void fillUp(const std::string& dir) {
    const std::string name = dir + "/filler";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    const std::vector<char> block(4096, 'F');
    while (write(fd, block.data(), block.size()) == static_cast<ssize_t>(block.size())) {
    }
    close(fd);
}

}  // namespace pemlar
