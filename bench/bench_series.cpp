// `program --each` in-process with 1, 2, 4 and 8 stations at once, each against its own
// simulated instrument on a pseudo-terminal (mapped as COM11, COM12, ... in a
// temporary folder; nothing else is reachable). As soon as a station has reported an
// instrument, the bench takes it off (the simulator falls silent until it has been
// asked once) and puts the next one on. Prints instruments per minute, and per station
// next to one station's rate; judges nothing.
//
//   bench_series          the simulators paced at 9600 baud, the protocol's real pauses
//   bench_series --fast   unpaced simulators, pauses skipped, 20 ms between looks: what
//                         the stations cost besides the line (the 1 s a silent
//                         instrument is waited for stays)

#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli_run.h"
#include "sim/demo_image.h"
#include "sim/sim_server.h"

using namespace pemlar;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kFirstCom = 11;
constexpr int kMaxStations = 8;

// The series' stdout: counts the lines reported per port. The series writes under its
// own lock, so one writer at a time.
class LineCounter : public std::streambuf {
public:
    std::array<std::atomic<int>, kMaxStations> reported{};

protected:
    int overflow(int c) override {
        if (c == '\n') {
            const auto at = line_.find("  COM");
            if (at != std::string::npos) {
                const int index = std::atoi(line_.c_str() + at + 5) - kFirstCom;
                if (index >= 0 && index < kMaxStations) {
                    ++reported[static_cast<std::size_t>(index)];
                }
            }
            line_.clear();
        } else if (c != EOF) {
            line_ += static_cast<char>(c);
        }
        return c == EOF ? 0 : c;
    }

private:
    std::string line_;
};

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Takes each reported instrument off and puts the next on, until `stop`.
void changeInstruments(SimServer& sim, const std::atomic<int>& reported,
                       const std::atomic<bool>& stop) {
    int seen = 0;
    while (!stop) {
        if (reported <= seen) {
            sleepMs(2);
            continue;
        }
        seen = reported;
        sim.clearReceived();
        sim.setFault(SimFault::Silent);
        // One status query taken in silence: the station has seen the instrument go.
        while (!stop && sim.received().size() < 6) {
            sleepMs(2);
        }
        sim.setFault(SimFault::None);
    }
}

struct Figure {
    double perMinute = 0;
    int instruments = 0;
    double seconds = 0;
    int status = -1;
};

Figure runStations(int stations, int perStation, bool fast, const std::filesystem::path& folder) {
    const std::filesystem::path ports = folder / ("ports" + std::to_string(stations));
    std::filesystem::create_directories(ports);
    SimOptions options;
    options.fast = fast;
    std::vector<std::unique_ptr<SimServer>> sims;
    std::vector<std::string> words = {"program", "--text", "Bench\\nZeile 2", "--each"};
    for (int i = 0; i < stations; ++i) {
        std::string error;
        sims.push_back(SimServer::onPty(demoImage(), options, error));
        if (!sims.back()) {
            std::fprintf(stderr, "no simulated instrument: %s\n", error.c_str());
            std::exit(1);
        }
        const std::string com = "COM" + std::to_string(kFirstCom + i);
        std::filesystem::create_symlink(sims.back()->devicePath(), ports / com);
        words.push_back("-p");
        words.push_back(com);
    }
    LineCounter counter;
    std::ostream out(&counter);
    std::ostringstream err;
    std::atomic<bool> stop{false};
    CliEnvironment env{out, err, mappingFolderResolver(ports)};
    if (fast) {
        // Every look at the clock is two seconds later: each pause ends at once.
        env.clock.tickCount = [ticks = std::make_shared<std::atomic<std::uint32_t>>(0)] {
            return ticks->fetch_add(2000);
        };
        env.clock.sleepFor = [](std::uint32_t) {};
        env.pollMilliseconds = 20;
    }
    env.backupStore = [folder] { return BackupStore{folder / "backups", {}, 100000}; };
    env.stopRequested = [&stop] { return stop.load(); };

    std::vector<std::thread> changers;
    for (int i = 0; i < stations; ++i) {
        changers.emplace_back(changeInstruments, std::ref(*sims[static_cast<std::size_t>(i)]),
                              std::cref(counter.reported[static_cast<std::size_t>(i)]),
                              std::cref(stop));
    }
    Figure figure;
    const Clock::time_point start = Clock::now();
    std::thread series([&] { figure.status = static_cast<int>(runCli(words, env)); });
    auto allDone = [&] {
        for (int i = 0; i < stations; ++i) {
            if (counter.reported[static_cast<std::size_t>(i)] < perStation) {
                return false;
            }
        }
        return true;
    };
    while (!allDone()) {
        sleepMs(5);
    }
    figure.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    stop = true;
    series.join();
    for (std::thread& changer : changers) {
        changer.join();
    }
    for (int i = 0; i < stations; ++i) {
        figure.instruments += counter.reported[static_cast<std::size_t>(i)];
    }
    // Only the first perStation of each station finished inside the measured time.
    figure.perMinute = stations * perStation * 60.0 / figure.seconds;
    return figure;
}

}  // namespace

int main(int argc, char** argv) {
    const bool fast = argc > 1 && std::strcmp(argv[1], "--fast") == 0;
    const int perStation = fast ? 20 : 4;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bench_series." + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::printf("program --each, %d instruments per station, %s\n", perStation,
                fast ? "--fast: unpaced simulators, pauses skipped, 20 ms between looks"
                     : "simulators at 9600 baud, the protocol's pauses, 500 ms between looks");
    double single = 0;
    for (const int stations : {1, 2, 4, 8}) {
        const Figure f = runStations(stations, perStation, fast, folder);
        if (stations == 1) {
            single = f.perMinute;
        }
        std::printf(
            "%d station%s: %6.1f instruments/min  (%5.1f s)  per station %5.1f/min = "
            "%5.1f %% of one station's rate  status %d\n",
            stations, stations == 1 ? " " : "s", f.perMinute, f.seconds, f.perMinute / stations,
            100.0 * f.perMinute / stations / single, f.status);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
