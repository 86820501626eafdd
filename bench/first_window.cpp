// Times a program from its start to its first window mapped on the X server, without
// polling: the root window's map notifications say when, _NET_WM_PID says whose.
//
//   first_window PROGRAM [ARGS...]
//
// Prints "<ms> <VmRSS kB> <CPU ms>" (memory and CPU time read the moment the window
// maps), then ends the program (SIGTERM) and waits for it; "- - -" and status 1 when no
// window maps within
// 20 s or the program ends first. bench/start-times runs it. Needs DISPLAY.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

long windowPid(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        if (type == XA_CARDINAL && format == 32 && count == 1) {
            pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
        }
        XFree(data);
    }
    return pid;
}

std::string residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            const auto digits = line.find_first_of("0123456789");
            return digits == std::string::npos
                       ? "-"
                       : line.substr(digits, line.find(' ', digits) - digits);
        }
    }
    return "-";
}

// CPU time of all the process's threads so far, from the scheduler's own accounting
// (nanoseconds, unlike the 10 ms ticks of /proc/<pid>/stat): a figure that load on the
// machine changes much less than the wall-clock time.
std::string cpuMs(pid_t pid) {
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    unsigned long long total = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        unsigned long long ns = 0;
        if (schedstat >> ns) {
            total += ns;
        }
    }
    return error ? "-" : std::to_string(total / 1000000);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_window PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "first_window: no X display\n");
        return 2;
    }
    const Atom pidAtom = XInternAtom(display.get(), "_NET_WM_PID", False);
    XSelectInput(display.get(), DefaultRootWindow(display.get()), SubstructureNotifyMask);
    XSync(display.get(), False);

    const Clock::time_point started = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("first_window: fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("first_window: exec");
        _exit(127);
    }
    bool mapped = false;
    std::string rss = "-";
    std::string cpu = "-";
    Clock::duration elapsed{};
    const int fd = ConnectionNumber(display.get());
    while (!mapped && Clock::now() - started < std::chrono::seconds(20)) {
        while (!mapped && XPending(display.get()) > 0) {
            XEvent event;
            XNextEvent(display.get(), &event);
            // Toolkits set _NET_WM_PID before mapping; the pid of a Wine program is the
            // loader's, which is the child itself.
            if (event.type == MapNotify &&
                windowPid(display.get(), event.xmap.window, pidAtom) == child) {
                mapped = true;
                elapsed = Clock::now() - started;
                rss = residentKb(child);
                cpu = cpuMs(child);
            }
        }
        if (mapped || waitpid(child, nullptr, WNOHANG) == child) {
            break;
        }
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 10);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (!mapped) {
        std::printf("- - -\n");
        return 1;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed);
    std::printf("%lld %s %s\n", static_cast<long long>(ms.count()), rss.c_str(), cpu.c_str());
    return 0;
}
