// pemlar-cli as a process against the simulated instrument, paced at 9600 baud, on a
// pseudo-terminal mapped as COM5 in a temporary configuration folder: wall time of
// `read` and of `write` (first read, write, read back) next to the protocol's floors,
// the time from the process start to its first byte on the line, and its peak resident
// memory. Prints figures; judges nothing.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "sim/demo_image.h"
#include "sim/sim_server.h"

using namespace pemlar;

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr double kBytesPerSecond = 960.0;  // 1 start, 8 data, 1 stop bit at 9600 baud
constexpr double kReadFloor = (6 + 262) / kBytesPerSecond + 0.600;
constexpr double kWriteFloor = (6 + 262 + 6 + 7) / kBytesPerSecond + 0.300 + 1.200 + 0.300;
// The pauses alone: the instrument's replies arrive during them.
constexpr double kReadPauses = 0.600;
constexpr double kWritePauses = 0.300 + 1.200 + 0.300;

struct Run {
    double wall = 0;
    double firstByte = -1;  // seconds from the spawn to the first byte the instrument saw
    long maxRssKb = 0;
    int status = -1;
};

Run runCli(const std::vector<std::string>& args, SimServer& sim) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    sim.clearReceived();
    Run run;
    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    while (sim.received().empty()) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "pemlar-cli ended before sending anything\n");
            std::exit(1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    run.firstByte = Seconds(Clock::now() - start).count();
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.wall = Seconds(Clock::now() - start).count();
    run.maxRssKb = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

void print(const char* what, const Run& run, double floor, double pauses) {
    std::printf(
        "%-31s %6.3f s  floor %5.3f s (%+4.0f ms), pauses %5.3f s (%+4.0f ms)  "
        "first byte %4.1f ms  RSS %4.1f MB  status %d\n",
        what, run.wall, floor, (run.wall - floor) * 1000, pauses, (run.wall - pauses) * 1000,
        run.firstByte * 1000, static_cast<double>(run.maxRssKb) / 1024, run.status);
}

}  // namespace

int main() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bench_cli." + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "config/Nirvel/Pemlar/ports");
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    std::string error;
    const std::unique_ptr<SimServer> sim = SimServer::onPty(demoImage(), {}, error);
    if (!sim) {
        std::fprintf(stderr, "no simulated instrument: %s\n", error.c_str());
        return 1;
    }
    std::filesystem::create_symlink(sim->devicePath(), folder / "config/Nirvel/Pemlar/ports/COM5");

    std::printf("floor: line time plus pauses; pauses: the pauses alone (replies overlap them)\n");
    std::printf("pemlar-cli against the paced simulator on COM5 (%s)\n", sim->devicePath().c_str());
    for (int i = 0; i < 3; ++i) {
        print("read", runCli({PEMLAR_CLI_PATH, "read", "-p", "COM5"}, *sim), kReadFloor,
              kReadPauses);
    }
    for (int i = 0; i < 2; ++i) {
        print("write (read, write, verify)",
              runCli({PEMLAR_CLI_PATH, "write", "-p", "COM5", "--text", "Bench\\nZeile 2"}, *sim),
              2 * kReadFloor + kWriteFloor, 2 * kReadPauses + kWritePauses);
    }
    print("write --no-verify (read, write)",
          runCli({PEMLAR_CLI_PATH, "write", "-p", "COM5", "--text", "Bench", "--no-verify"}, *sim),
          kReadFloor + kWriteFloor, kReadPauses + kWritePauses);
    std::filesystem::remove_all(folder);
    return 0;
}
