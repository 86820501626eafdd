// Read, write and restore transactions against the simulated instrument, paced at 9600
// baud, over a pseudo-terminal: wall time next to the protocol's floor, and the CPU time
// the calling thread spends per transaction. Prints figures; judges nothing.

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/address_block.h"
#include "data/eeprom_image.h"
#include "link/scom.h"
#include "sim/demo_image.h"
#include "sim/sim_server.h"

namespace pemlar {

namespace {

using Seconds = std::chrono::duration<double>;

// 1 start, 8 data, 1 stop bit at 9600 baud.
constexpr double kBytesPerSecond = 960.0;

// Line time plus pauses, as if no byte moved while the program paused.
constexpr double kReadFloor = (6 + 262) / kBytesPerSecond + 0.600;
constexpr double kWriteFloor = (6 + 262 + 6 + 7) / kBytesPerSecond + 0.300 + 1.200 + 0.300;
// The pauses alone: the instrument's replies arrive during them.
constexpr double kReadPauses = 0.600;
constexpr double kWritePauses = 0.300 + 1.200 + 0.300;

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Sample {
    double wall;
    double cpu;
    double processCpu;
    ScomResult result;
};

template <typename Transaction>
Sample measure(Transaction transaction) {
    const double cpu0 = threadCpuSeconds();
    const double processCpu0 = processCpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    const ScomResult result = transaction();
    const double wall = Seconds(std::chrono::steady_clock::now() - wall0).count();
    return {wall, threadCpuSeconds() - cpu0, processCpuSeconds() - processCpu0, result};
}

void report(const char* name, std::vector<Sample> samples, double floor, double pauses) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.wall < b.wall; });
    const Sample& median = samples[samples.size() / 2];
    int failures = 0;
    double cpu = 0;
    double processCpu = 0;
    for (const Sample& s : samples) {
        failures += s.result != ScomResult::Ok ? 1 : 0;
        cpu += s.cpu;
        processCpu += s.processCpu;
    }
    cpu /= static_cast<double>(samples.size());
    processCpu /= static_cast<double>(samples.size());
    std::printf("%-7s %zu runs, %d failed\n", name, samples.size(), failures);
    std::printf("  wall     median %7.1f ms  (min %7.1f, max %7.1f)\n", median.wall * 1e3,
                samples.front().wall * 1e3, samples.back().wall * 1e3);
    std::printf("  floor    %7.1f ms  (line time + pauses)   median - floor  %+7.1f ms\n",
                floor * 1e3, (median.wall - floor) * 1e3);
    std::printf("  pauses   %7.1f ms  (replies overlap them)  median - pauses %+7.1f ms\n",
                pauses * 1e3, (median.wall - pauses) * 1e3);
    std::printf("  cpu      %7.2f ms per transaction on the calling thread = %.2f %% of wall\n",
                cpu * 1e3, 100.0 * cpu / median.wall);
    std::printf("           %7.2f ms with the simulator's thread\n", processCpu * 1e3);
}

}  // namespace

}  // namespace pemlar

using namespace pemlar;

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string error;
    const std::unique_ptr<SimServer> sim = SimServer::onPty(demoImage(), SimOptions{}, error);
    if (!sim) {
        std::fprintf(stderr, "bench_link: %s\n", error.c_str());
        return 1;
    }
    const std::string device = sim->devicePath();
    scom com(1, [device](std::int32_t) { return device; });
    if (com.open() != ScomResult::Ok) {
        std::fprintf(stderr, "bench_link: cannot open %s\n", device.c_str());
        return 1;
    }

    EepromImage image{};
    setDefaults(image);
    // What a restore sends: a page exactly as the instrument gave it, nothing converted.
    RawPage received{};
    if (com.readRawPage(received) != ScomResult::Ok) {
        std::fprintf(stderr, "bench_link: cannot read the page to restore\n");
        return 1;
    }
    std::vector<Sample> reads;
    std::vector<Sample> writes;
    std::vector<Sample> restores;
    for (int i = 0; i < runs; ++i) {
        reads.push_back(measure([&] { return com.readEeprom(image); }));
        writes.push_back(measure([&] { return com.writeEeprom(image); }));
        restores.push_back(measure([&] { return com.writeRawPage(received); }));
    }
    com.close();

    std::printf("bench_link: scom over a pty against the simulator at 9600 baud\n");
    report("read", reads, kReadFloor, kReadPauses);
    report("write", writes, kWriteFloor, kWritePauses);
    report("restore", restores, kWriteFloor, kWritePauses);
    return 0;
}
