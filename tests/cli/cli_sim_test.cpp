// pemlar-cli in-process against the simulated instrument on a pseudo-terminal.

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "core/address_file_io.h"
#include "tests/support/cli_capture.h"
#include "tests/support/fake_clock.h"
#include "tests/support/simulated_com_port.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

using pemlar::ExitStatus;
namespace fs = std::filesystem;

std::string firstLineOf(const EepromImage& deviceImage) {
    return std::string(reinterpret_cast<const char*>(&deviceImage[kPageSize]));
}

std::size_t filesIn(const fs::path& folder) {
    std::error_code error;
    std::size_t count = 0;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        ++count;
    }
    return count;
}

template <class Condition>
bool within(std::chrono::seconds limit, Condition condition) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

class CliSimTest : public ::testing::Test {
protected:
    CliRun run(const std::vector<std::string>& words) {
        // The protocol's pauses are skipped: the simulator answers at once anyway.
        return CliCapture{
            sim_.resolver(), backups(), {sim_.comNumber(), {}}, instantClock()}(words);
    }
    fs::path backups() const { return folder_.path() / "backups"; }
    fs::path file(const char* name) const { return folder_.path() / name; }

    SimulatedComPort sim_;
    TempFolder folder_;
};

TEST_F(CliSimTest, ReadShowsTheAddressKeepsABackupAndSavesTheFile) {
    const CliRun read = run({"read", "-o", file("a.PML").string()});
    ASSERT_EQ(read.status, ExitStatus::Ok) << read.err;
    EXPECT_EQ(read.out,
              "Stadtwerke Münster\nAbt. Messtechnik\nHafenstraße 12\n48153 Münster\n"
              "Tel. 0251 / 4 71 12\nID: PM-0815-42 KAL 0324\n");
    EXPECT_EQ(fs::file_size(file("a.PML")), 125u);
    EXPECT_EQ(filesIn(backups()), 1u);

    const CliRun json = run({"read", "--json"});
    EXPECT_NE(json.out.find("\"lines\": [\"Stadtwerke Münster\", \"Abt. Messtechnik\""),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"id\": \"PM-0815-42 KAL 0324\", \"backup\": \""), std::string::npos);

    // The file just saved matches; --device reaches the same instrument by its path.
    const CliRun verify =
        run({"verify", file("a.PML").string(), "--device", sim_.sim().devicePath()});
    EXPECT_EQ(verify.status, ExitStatus::Ok) << verify.err;
}

TEST_F(CliSimTest, WriteKeepsTheIdAndVerifiesLoudly) {
    const CliRun write = run({"write", "--text", "Grüße\\n\\nZeile 3", "--id-from-instrument"});
    ASSERT_EQ(write.status, ExitStatus::Ok) << write.err;
    EXPECT_NE(write.out.find("erfolgreich beendet! Geprüft."), std::string::npos);
    const EepromImage stored = sim_.sim().image();
    EXPECT_EQ(firstLineOf(stored),
              "Gr\x81\xE1"
              "e")
        << "code page 437 in the instrument";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&stored[kPageSize + 125]), 20),
              "  PM-0815-42KAL 0324");
    EXPECT_EQ(run({"verify", "--text", "Grüße\n\nZeile 3"}).status, ExitStatus::Ok);

    const CliRun differs = run({"verify", "--text", "Gruesse"});
    EXPECT_EQ(differs.status, ExitStatus::Mismatch);
    EXPECT_NE(differs.err.find("Zeile 1: soll \"Gruesse\", ist \"Grüße\""), std::string::npos)
        << differs.err;

    sim_.sim().setFault(SimFault::Corrupt);
    const CliRun corrupt = run({"write", "--text", "Neu"});
    EXPECT_EQ(corrupt.status, ExitStatus::Mismatch);
    EXPECT_NE(corrupt.err.find("Zeile 1: soll \"Neu\", ist \"Oeu\""), std::string::npos)
        << corrupt.err;
    EXPECT_EQ(run({"write", "--text", "Neu", "--no-verify"}).status, ExitStatus::Ok);
}

TEST_F(CliSimTest, FailuresHaveTheirOwnStatus) {
    struct Case {
        SimFault fault;
        ExitStatus status;
        const char* says;
    };
    const Case cases[] = {
        {SimFault::Status, ExitStatus::InstrumentError, "Das Messgeraet hat einen Fehler gemeldet"},
        {SimFault::BadCheck, ExitStatus::Transfer, "Püfsummen-Fehler"},
        {SimFault::BadStart, ExitStatus::Transfer, "beginnt nicht mit AA 55"},
    };
    for (const Case& c : cases) {
        sim_.sim().setFault(c.fault);
        const CliRun write = run({"write", "--text", "x"});
        EXPECT_EQ(write.status, c.status) << simFaultName(c.fault);
        EXPECT_NE(write.err.find(c.says), std::string::npos) << write.err;
    }
}

TEST_F(CliSimTest, BackupAndRestoreGiveBackThePageByteForByte) {
    const EepromImage original = sim_.sim().image();
    ASSERT_EQ(run({"backup", "-o", file("page.bak").string()}).status, ExitStatus::Ok);
    ASSERT_EQ(run({"write", "--text", "Anders"}).status, ExitStatus::Ok);
    ASSERT_NE(sim_.sim().image(), original);

    const CliRun restore = run({"restore", file("page.bak").string()});
    EXPECT_EQ(restore.status, ExitStatus::Ok) << restore.err;
    EXPECT_EQ(sim_.sim().image(), original);
    EXPECT_NE(restore.err.find("Bisheriger Inhalt gesichert"), std::string::npos);

    std::ofstream(file("short.bak"), std::ios::binary) << std::string(255, 'x');
    EXPECT_EQ(run({"restore", file("short.bak").string()}).status, ExitStatus::File);

    // A page that fails its checks is written only with --force; the instrument, now
    // with another ID, gets its own page back only when the user says so.
    std::ofstream(file("junk.bak"), std::ios::binary) << std::string(256, 'x');
    const CliRun refused = run({"restore", file("junk.bak").string()});
    EXPECT_EQ(refused.status, ExitStatus::File);
    EXPECT_NE(refused.err.find("die Prüfsumme stimmt nicht"), std::string::npos) << refused.err;
    ASSERT_EQ(run({"restore", file("junk.bak").string(), "--force", "--yes"}).status,
              ExitStatus::Ok);
    const EepromImage junk = sim_.sim().image();
    const struct {
        const char* option;
        std::optional<bool> answer;
        ExitStatus status;
    } cases[] = {{"--force", std::nullopt, ExitStatus::Mismatch},
                 {"--force", false, ExitStatus::Mismatch},
                 {"--force", true, ExitStatus::Ok}};
    for (const auto& c : cases) {
        CliCapture capture{sim_.resolver(), backups(), {sim_.comNumber(), {}}, instantClock()};
        capture.answer = c.answer;
        const CliRun back = capture({"restore", file("page.bak").string(), c.option});
        EXPECT_EQ(back.status, c.status) << back.err;
        EXPECT_NE(back.err.find("die Sicherung die ID \"PM-0815-42 KAL 0324\""), std::string::npos)
            << back.err;
        EXPECT_EQ(sim_.sim().image() == junk, c.status != ExitStatus::Ok);
    }
    EXPECT_EQ(sim_.sim().image(), original);
}

TEST_F(CliSimTest, PortsTellWhatIsBehindEachAndWhereAnInstrumentAnswers) {
    SimulatedComPort silent(fastSimOptions(SimFault::Silent));
    sim_.link(8, silent.sim().devicePath());
    sim_.link(9, folder_.path() / "gone");
    std::ofstream(file("plain")) << "not a port";
    sim_.link(10, file("plain"));
    const std::string pty = sim_.sim().devicePath();

    const CliRun ports = run({"ports"});
    EXPECT_EQ(ports.status, ExitStatus::Ok);
    EXPECT_NE(ports.out.find("COM7\t" + pty + " (über " + (sim_.mappingFolder() / "COM7").string() +
                             ")\tPseudo-Terminal\tfrei\n"),
              std::string::npos)
        << ports.out;
    EXPECT_NE(ports.out.find("COM9\t"), std::string::npos) << "a dangling mapping is shown";
    EXPECT_NE(ports.out.find("nicht verfügbar: Gerät nicht vorhanden (ENOENT)"), std::string::npos);
    EXPECT_NE(ports.out.find("nicht verfügbar: kein serielles Gerät (ENOTTY)\n"), std::string::npos)
        << "a mapped file is never free";

    const CliRun probe = run({"ports", "--probe", "--json"});
    EXPECT_EQ(probe.status, ExitStatus::Ok);
    const auto objectOf = [&](const char* port) {
        const std::size_t at = probe.out.find(std::string("{\"port\": \"") + port + "\"");
        return at == std::string::npos ? std::string{}
                                       : probe.out.substr(at, probe.out.find('}', at) - at);
    };
    EXPECT_NE(objectOf("COM7").find("\"kind\": \"pty\""), std::string::npos) << probe.out;
    EXPECT_NE(objectOf("COM7").find("\"instrument\": true"), std::string::npos) << probe.out;
    EXPECT_NE(objectOf("COM8").find("\"instrument\": false"), std::string::npos) << "silent";
    EXPECT_NE(objectOf("COM10").find("\"state\": \"unavailable\""), std::string::npos);

    // A device given by path is named by the number that reaches it.
    const CliRun read = run({"read", "--json", "--device", pty});
    EXPECT_EQ(read.out.rfind("{\"port\": \"COM7\"", 0), 0u) << read.out << read.err;
}

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(CliSimTest, ProgramEachRunsAStationPerPortAndHoldsIt) {
    EepromImage secondImage = SimulatedComPort::demoDeviceImage();
    const std::string id = "     PM-4711KAL 0324";
    std::copy(id.begin(), id.end(), secondImage.begin() + kPageSize + 125);
    SimulatedComPort second(fastSimOptions(SimFault::Silent), secondImage, 8);
    sim_.link(8, second.sim().devicePath());

    std::atomic<bool> stop{false};
    std::ostringstream out;
    std::ostringstream err;
    pemlar::CliEnvironment env{out, err, sim_.resolver(), instantClock()};
    env.backupStore = [this] { return pemlar::BackupStore{backups(), {}, 1000}; };
    env.stopRequested = [&stop] { return stop.load(); };
    env.pollMilliseconds = 20;
    const std::vector<std::string> words = {
        "program", "--text", "Serie", "--each", "-p",
        "7",       "-p",     "8",     "--log",  file("log.csv").string()};
    ExitStatus status = ExitStatus::Usage;
    std::thread worker([&] { status = pemlar::runCli(words, env); });
    // An instrument has gone once it has been asked twice in vain: the first query's
    // silence is what the station saw.
    auto removeAndReturn = [&](SimServer& sim) {
        sim.clearReceived();
        sim.setFault(SimFault::Silent);
        const bool seen =
            within(std::chrono::seconds(20), [&] { return sim.received().size() >= 12; });
        sim.setFault(SimFault::None);
        return seen;
    };

    // COM7 is programmed (read, write, read back: two backups) while COM8 stays silent.
    const bool firstDone = within(std::chrono::seconds(20), [&] {
        return firstLineOf(sim_.sim().image()) == "Serie" && filesIn(backups()) >= 2;
    });
    // Between two instruments the port is still the series': another program is refused.
    const CliRun meanwhile = run({"read", "-p", "COM7"});
    // Removing the mapping link changes nothing for the running series; the instrument
    // taken off and put back (same ID) is programmed again.
    fs::remove(sim_.mappingFolder() / "COM7");
    const bool secondDone =
        firstDone && removeAndReturn(sim_.sim()) &&
        within(std::chrono::seconds(20), [&] { return filesIn(backups()) >= 4; });
    // COM8's instrument wakes up: programmed once, however often it is asked afterwards.
    second.sim().setFault(SimFault::None);
    const bool thirdDone =
        secondDone && within(std::chrono::seconds(20), [&] {
            return firstLineOf(second.sim().image()) == "Serie" && filesIn(backups()) >= 6;
        });
    second.sim().clearReceived();
    const bool askedOnAfter = thirdDone && within(std::chrono::seconds(20), [&] {
                                  return second.sim().received().size() >= 30;
                              });
    stop = true;
    worker.join();
    ASSERT_TRUE(firstDone && secondDone && thirdDone && askedOnAfter) << err.str();

    EXPECT_EQ(meanwhile.status, ExitStatus::Port);
    EXPECT_NE(meanwhile.err.find("belegt"), std::string::npos) << meanwhile.err;
    EXPECT_EQ(status, ExitStatus::Ok) << err.str();
    const std::string lines = out.str();
    EXPECT_EQ(countOf(lines, "  COM7  PM-0815-42 KAL 0324  OK\n"), 2u) << lines;
    EXPECT_EQ(countOf(lines, "  COM8  PM-4711 KAL 0324  OK\n"), 1u) << lines;
    EXPECT_EQ(countOf(lines, "\n"), 3u) << lines;

    const std::string csv = [&] {
        std::ifstream log(file("log.csv"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(log)), {});
    }();
    const auto line = csv.find(";PM-4711 KAL 0324;OK;COM8;");
    ASSERT_NE(line, std::string::npos) << csv;
    const std::string rest = csv.substr(line, csv.find("\r\n", line) - line);
    const std::string backup = rest.substr(rest.rfind(';') + 1);
    EXPECT_NE(rest.find(";" PEMLAR_TEST_VERSION ";"), std::string::npos) << rest;
    EXPECT_TRUE(fs::is_regular_file(backups() / backup)) << rest;
    EXPECT_NE(err.str().find("\a"), std::string::npos);
}

}  // namespace
