// The pemlar-sim program as a user starts it, in a config folder of the test's own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "data/address_block.h"
#include "link/port_resolver.h"
#include "link/scom.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

extern char** environ;

namespace {

struct Ending {
    int exitCode = -1;
    std::string output;
};

class SimProcess {
public:
    SimProcess(const std::vector<std::string>& args, const std::filesystem::path& config) {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0) {
            return;
        }
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + config.string()};
        for (char** e = environ; *e != nullptr; ++e) {
            if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0) {
                env.emplace_back(*e);
            }
        }
        std::vector<char*> envp;
        for (std::string& entry : env) {
            envp.push_back(entry.data());
        }
        envp.push_back(nullptr);
        std::vector<std::string> argStrings = {PEMLAR_SIM_PATH};
        argStrings.insert(argStrings.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : argStrings) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid_, PEMLAR_SIM_PATH, &actions, nullptr, argv.data(), envp.data()) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        out_ = out[0];
    }
    ~SimProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) {
            ::close(out_);
        }
    }

    // The first line of output, waiting at most five seconds for it.
    std::string firstLine() {
        std::string line;
        char c = 0;
        while (line.size() < 4096) {
            pollfd entry{out_, POLLIN, 0};
            if (::poll(&entry, 1, 5000) <= 0 || ::read(out_, &c, 1) != 1 || c == '\n') {
                break;
            }
            line += c;
        }
        return line;
    }

    // Everything until the program ends, and how it ended.
    Ending finish(int signal = 0) {
        if (signal != 0) {
            ::kill(pid_, signal);
        }
        Ending run;
        char buffer[512];
        ssize_t got = 0;
        while ((got = ::read(out_, buffer, sizeof buffer)) > 0) {
            run.output.append(buffer, static_cast<std::size_t>(got));
        }
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return run;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

Ending runToEnd(const std::vector<std::string>& args) {
    TempFolder config;
    SimProcess sim(args, config.path());
    return sim.finish();
}

std::filesystem::path portsIn(const TempFolder& config) {
    return config.path() / "Nirvel" / "Pemlar" / "ports";
}

std::string firstLineOf(const EepromImage& image) {
    return std::string(reinterpret_cast<const char*>(&image[256]));
}

TEST(PemlarSim, HelpNamesEveryOption) {
    const Ending run = runToEnd({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word :
         {"--device", "--com", "--image", "--fast", "--fault", "--help", "silent", "bad-start",
          "bad-check", "short", "status", "noise", "corrupt"}) {
        EXPECT_NE(run.output.find(word), std::string::npos) << word;
    }
}

TEST(PemlarSim, RefusesBadArguments) {
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"}, {"--fault", "loud"}, {"--com", "0"}, {"--com", "x"},
        {"--com"},   {"--fast=yes"},      {"--image"},
    };
    for (const auto& args : cases) {
        const Ending run = runToEnd(args);
        EXPECT_EQ(run.exitCode, 2) << args.front();
        EXPECT_TRUE(run.output.empty()) << args.front();
    }
}

TEST(PemlarSim, ServesAPtyAsAComPortAndRemovesTheLinkWhenEnded) {
    for (const int signal : {SIGTERM, SIGINT}) {
        TempFolder config;
        SimProcess sim({"--com", "5", "--fast"}, config.path());
        const std::string device = sim.firstLine();
        ASSERT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
        const std::filesystem::path link = portsIn(config) / "COM5";
        EXPECT_EQ(std::filesystem::read_symlink(link), device);
        {
            // Where the program looks: the same folder for the same config home.
            const ScopedEnvironment xdg("XDG_CONFIG_HOME", config.path().c_str());
            EXPECT_EQ(portMappingFolder(), portsIn(config));
        }

        scom com(5, mappingFolderResolver(portsIn(config)), instantClock());
        ASSERT_EQ(com.open(), ScomResult::Ok);
        EepromImage image{};
        EXPECT_EQ(com.readEeprom(image), ScomResult::Ok);
        EXPECT_EQ(firstLineOf(image), "Stadtwerke M\xFCnster");
        EXPECT_EQ(com.close(), ScomResult::Ok);

        const Ending run = sim.finish(signal);
        EXPECT_EQ(run.exitCode, 0) << signal;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link))) << signal;
    }
}

TEST(PemlarSim, KeepsAWrittenImageAcrossRestarts) {
    TempFolder config;
    const std::filesystem::path file = config.path() / "eeprom.bin";
    EepromImage written{};
    {
        SimProcess sim({"--com", "4", "--fast", "--image", file.string()}, config.path());
        ASSERT_FALSE(sim.firstLine().empty());
        EXPECT_EQ(std::filesystem::file_size(file), 2048u) << "created with the demo address";
        scom com(4, mappingFolderResolver(portsIn(config)), instantClock());
        ASSERT_EQ(com.open(), ScomResult::Ok);
        ASSERT_EQ(com.readEeprom(written), ScomResult::Ok);
        std::strcpy(reinterpret_cast<char*>(&written[256]), "Neue Adresse");
        ASSERT_EQ(com.writeEeprom(written), ScomResult::Ok);
        com.close();
        EXPECT_EQ(sim.finish(SIGTERM).exitCode, 0);
    }
    SimProcess sim({"--com", "4", "--fast", "--image", file.string()}, config.path());
    ASSERT_FALSE(sim.firstLine().empty());
    scom com(4, mappingFolderResolver(portsIn(config)), instantClock());
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage readBack{};
    ASSERT_EQ(com.readEeprom(readBack), ScomResult::Ok);
    EXPECT_EQ(firstLineOf(readBack), "Neue Adresse");
    EXPECT_TRUE(std::equal(readBack.begin() + 256, readBack.begin() + 510, written.begin() + 256));
}

TEST(PemlarSim, RefusesAnImageFileOfTheWrongSize) {
    TempFolder config;
    const std::filesystem::path file = config.path() / "short.bin";
    std::filesystem::create_directories(config.path());
    { std::ofstream(file) << "too short"; }
    SimProcess sim({"--image", file.string()}, config.path());
    const Ending run = sim.finish();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.empty());
    EXPECT_EQ(std::filesystem::file_size(file), 9u) << "left as it was";
}

TEST(PemlarSim, LeavesAComPortThatIsTakenAlone) {
    TempFolder config;
    std::filesystem::create_directories(portsIn(config));
    std::filesystem::create_symlink("/dev/null", portsIn(config) / "COM6");
    SimProcess sim({"--com", "6"}, config.path());
    EXPECT_EQ(sim.finish().exitCode, 1);
    EXPECT_EQ(std::filesystem::read_symlink(portsIn(config) / "COM6"), "/dev/null");
}

TEST(PemlarSim, ReportsTheFaultItWasToldTo) {
    TempFolder config;
    SimProcess sim({"--com", "3", "--fast", "--fault", "status"}, config.path());
    ASSERT_FALSE(sim.firstLine().empty());
    scom com(3, mappingFolderResolver(portsIn(config)), instantClock());
    ASSERT_EQ(com.open(), ScomResult::Ok);
    EepromImage image{};
    EXPECT_EQ(com.writeEeprom(image), ScomResult::InstrumentError);
}

TEST(PemlarSim, ServesAGivenDevice) {
    // The terminal side of a pty of our own stands in for a serial port.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string terminal = ::ptsname(master);
    TempFolder config;
    SimProcess sim({"--device", terminal, "--fast"}, config.path());
    EXPECT_EQ(sim.firstLine(), terminal);

    const std::vector<std::uint8_t> status = {0xAA, 0x55, 0x04, 0x00, 0x01, 0x03};
    ASSERT_EQ(::write(master, status.data(), status.size()), 6);
    std::vector<std::uint8_t> reply(7);
    std::size_t got = 0;
    while (got < reply.size()) {
        pollfd entry{master, POLLIN, 0};
        if (::poll(&entry, 1, 5000) <= 0) {
            break;
        }
        const ssize_t n = ::read(master, reply.data() + got, reply.size() - got);
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    EXPECT_EQ(reply, (std::vector<std::uint8_t>{0xAA, 0x55, 0x04, 0x00, 0x00, 0x01, 0x03}));
    EXPECT_EQ(sim.finish(SIGTERM).exitCode, 0);
    ::close(master);
}

}  // namespace
