#include "cli/production.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/cli_session.h"
#include "cli/series_log.h"
#include "cli/visible_text.h"
#include "core/file_system.h"
#include "link/port_pins.h"

#ifndef PEMLAR_VERSION
#define PEMLAR_VERSION "?"
#endif

namespace pemlar {

namespace {

ExitStatus statusOf(const ProgramOutcome& outcome, std::ostream& err) {
    if (!outcome.failure.transferred()) {
        return reportTransferFailure(outcome.failure, err);
    }
    if (outcome.verified && !outcome.comparison.matches()) {
        reportMismatch(outcome.comparison, addressBlock(outcome.written),
                       addressBlock(outcome.readBack), err);
        return ExitStatus::Mismatch;
    }
    return ExitStatus::Ok;
}

std::string timeStamp() {
    const std::tm now = platform::localTimeNow();
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", now.tm_year + 1900,
                  now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

std::string resultText(const ProgramOutcome& outcome) {
    if (!outcome.failure.transferred()) {
        return "FEHLER: " + transferFailureLine(outcome.failure);
    }
    if (outcome.verified && !outcome.comparison.matches()) {
        return "FEHLER: Der Inhalt des Messgeräts weicht ab.";
    }
    return outcome.failure.failedStep == TransferStep::Close
               ? "OK (Schnittstelle ließ sich nicht schließen)"
               : "OK";
}

}  // namespace

ProgramOutcome programAddress(scom& com, const AddressBuffer& lines, bool verify,
                              const BackupStore* backups) {
    ProgramOutcome outcome;
    const ReadOutcome read = readAddressPage(com, backups);
    outcome.backup = read.backup;
    if (!read.transfer.transferred()) {
        outcome.failure = read.transfer;
        return outcome;
    }
    outcome.id = idText(idBlockOf(read.image));
    outcome.written = read.image;
    std::copy(lines.begin(), lines.end(), addressBlock(outcome.written).begin());
    const WriteOutcome write = writeAddressPage(com, outcome.written, {}, backups);
    if (!write.transfer.transferred() || !verify) {
        outcome.failure = write.transfer;
        return outcome;
    }
    const VerifyOutcome check = verifyAddressPage(com, outcome.written, backups);
    outcome.failure = check.read.transfer;
    if (check.read.transfer.transferred()) {
        outcome.verified = true;
        outcome.comparison = check.comparison;
        outcome.readBack = check.read.image;
    }
    // A port that would not close after the write counts, as after the check.
    if (outcome.failure.failedStep == TransferStep::None) {
        outcome.failure = write.transfer;
    }
    return outcome;
}

ExitStatus reportProgrammed(const ProgramOutcome& outcome, const AddressBuffer& lines,
                            CliEnvironment& env) {
    if (outcome.failure.transferred() || outcome.failure.failedStep == TransferStep::Write) {
        // Characters the instrument's set lacks come back as a substitute.
        const auto changed = differingLines(lines, addressBlock(outcome.written));
        for (int line = 0; line < kLineCount; ++line) {
            if (changed[static_cast<std::size_t>(line)]) {
                env.err << "Warnung: Zeile " << line + 1
                        << " enthält Zeichen, die das Messgerät nicht kennt; geschrieben wird \""
                        << visibleText(lineText(lineSlotOf(addressBlock(outcome.written), line)))
                        << "\".\n";
            }
        }
    }
    const ExitStatus status = statusOf(outcome, env.err);
    if (status != ExitStatus::Ok) {
        return status;
    }
    env.out << "Die Programmierung des EEproms wurde erfolgreich beendet!"
            << (outcome.verified ? " Geprüft." : "") << '\n';
    if (outcome.failure.failedStep == TransferStep::Close) {
        return reportTransferFailure(outcome.failure, env.err);
    }
    return ExitStatus::Ok;
}

namespace {

// What a station shares with the others: the streams, the log and the reasons to end.
struct Series {
    explicit Series(CliEnvironment& environment) : env(environment) {}
    CliEnvironment& env;
    SeriesLog* log = nullptr;
    std::string logPath;
    AddressBuffer lines{};
    const BackupStore* backups = nullptr;
    std::mutex mutex;  // out, err, the log and the counts
    int done = 0;
    int failed = 0;
    // stdout closed (the series ends cleanly) or the log failed (it ends with status 3):
    // either way after the instrument at hand.
    std::atomic<bool> ending{false};
    std::atomic<bool> logFailed{false};

    bool stop() const { return ending || env.stopRequested(); }
    void say(const std::string& text) {
        const std::lock_guard<std::mutex> lock(mutex);
        env.err << text << '\n' << std::flush;
    }
    void report(std::int32_t port, const ProgramOutcome& outcome, std::int64_t milliseconds);
};

void Series::report(std::int32_t port, const ProgramOutcome& outcome, std::int64_t milliseconds) {
    const std::string id = outcome.id.empty() ? "?" : outcome.id;
    const std::string result = resultText(outcome);
    const std::string time = timeStamp();
    const std::string portName = "COM" + std::to_string(port);
    const std::lock_guard<std::mutex> lock(mutex);
    ++done;
    failed += outcome.ok() ? 0 : 1;
    // The log first: what is on the screen is on file.
    if (log != nullptr && !logFailed) {
        const std::string backup =
            outcome.backup.written() ? outcome.backup.file.filename().string() : std::string{};
        if (!log->append({time, portName, id, result, milliseconds, PEMLAR_VERSION, backup})) {
            env.err << "Fehler: Das Protokoll \"" << logPath
                    << "\" kann nicht mehr geschrieben werden; der Serienbetrieb endet.\n";
            logFailed = true;
            ending = true;
        }
    }
    env.out << time << "  " << portName << "  " << visibleText(id) << "  " << result << '\n'
            << std::flush;
    if (!env.out) {
        ending = true;  // nobody reads the lines any more
    }
    env.err << (outcome.ok() ? "\a" : "\a\a\a") << std::flush;
}

// A hang-up or an error the system reported on the open port: the device has gone, and
// only opening it again tells whether it is back. A silent instrument is no such case.
bool lineLost(const scom& com) {
    const PortFailure& why = com.lastFailure();
    return (why.step == PortStep::Read || why.step == PortStep::Write) && !why.name.empty();
}

void letGo(scom& com) {
    com.keepOpen(false);
    if (com.isOpen()) {
        static_cast<void>(com.close());
    }
    com.keepOpen(true);
}

enum class Presence { Answers, Silent, PortTrouble };

// Asks with a status query, the shortest exchange, which changes nothing.
Presence look(scom& com, std::string& trouble) {
    if (com.open() != ScomResult::Ok) {
        trouble = describePortFailure(com.lastFailure());
        return Presence::PortTrouble;
    }
    std::uint8_t status = 0;
    const bool answered = com.queryStatus(status) == ScomResult::Ok;
    if (!answered && lineLost(com)) {
        trouble = describePortFailure(com.lastFailure());
        letGo(com);
        return Presence::PortTrouble;
    }
    static_cast<void>(com.close());
    return answered ? Presence::Answers : Presence::Silent;
}

// One port of a series. It holds the port for the whole session, so another program
// can't take it between two instruments and "busy" never looks like "removed". An
// instrument counts as removed only when it stops answering; when the line was lost
// meanwhile (a cable pulled), the instrument answering afterwards is the same one if
// it has the same ID.
class Station {
public:
    // The number is pinned to the device it names now, or else to the first it names
    // later; a link that vanishes meanwhile never lets it slip to the fixed table's.
    Station(Series& series, const PortChoice& port)
        : series_(series),
          pins_(port.resolver),
          com_(
              port.number, [this](std::int32_t n) { return pins_.pin(n); }, series.env.clock) {
        static_cast<void>(pins_.pin(port.number));
        com_.setObserver(series.env.lineObserver);
        com_.keepOpen(true);
    }
    ~Station() {
        com_.keepOpen(false);
        if (com_.isOpen()) {
            static_cast<void>(com_.close());
        }
    }
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    void run();

private:
    void program();
    bool sameInstrumentBack();
    void wait() const;

    Series& series_;
    PortPins pins_;
    scom com_;
    bool awaitingRemoval_ = false;
    bool lostMeanwhile_ = false;  // the line was lost while the instrument was on it
    std::string lastId_;
    std::string lastTrouble_;
};

void Station::run() {
    while (!series_.stop()) {
        std::string trouble;
        const Presence presence = look(com_, trouble);
        if (presence == Presence::PortTrouble) {
            lostMeanwhile_ = lostMeanwhile_ || awaitingRemoval_;
            if (trouble != lastTrouble_) {
                series_.say("Warte: " + trouble);
            }
        }
        lastTrouble_ = trouble;
        if (presence == Presence::Silent && awaitingRemoval_) {
            awaitingRemoval_ = false;
            lostMeanwhile_ = false;
            series_.say("COM" + std::to_string(com_.getPort()) +
                        ": Bereit für das nächste Messgerät.");
        }
        if (presence == Presence::Answers && (!awaitingRemoval_ || !sameInstrumentBack())) {
            program();
            continue;
        }
        wait();
    }
}

// After a lost line: is the instrument answering now the one that was programmed?
bool Station::sameInstrumentBack() {
    if (!lostMeanwhile_) {
        return true;
    }
    const ReadOutcome read = readAddressPage(com_, series_.backups);
    if (!read.transfer.transferred()) {
        if (lineLost(com_)) {
            letGo(com_);
        }
        return true;  // not known yet: asked again at the next look
    }
    lostMeanwhile_ = false;
    return idText(idBlockOf(read.image)) == lastId_;
}

void Station::program() {
    const auto start = std::chrono::steady_clock::now();
    const ProgramOutcome outcome = programAddress(com_, series_.lines, true, series_.backups);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    // lastFailure() tells of this outcome only when it failed.
    if (!outcome.failure.transferred() && lineLost(com_)) {
        letGo(com_);
    }
    series_.report(com_.getPort(), outcome, took.count());
    lastId_ = outcome.id;
    awaitingRemoval_ = true;
    lostMeanwhile_ = false;
}

void Station::wait() const {
    for (int waited = 0; waited < series_.env.pollMilliseconds && !series_.stop(); waited += 50) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

ExitStatus runProduction(const CliArgs& args, CliEnvironment& env) {
    std::string error;
    const std::optional<AddressBuffer> lines = addressToUse(args, error);
    if (!lines) {
        env.err << "Fehler: " << error << '\n';
        return ExitStatus::File;
    }
    SeriesLog log;
    if (std::string why; !args.log.empty() && !log.open(args.log, why)) {
        env.err << "Fehler: Das Protokoll \"" << args.log << "\" kann nicht geschrieben werden"
                << (why.empty() ? "" : " (" + why + ")") << ".\n";
        return ExitStatus::File;
    }
    std::vector<PortChoice> ports;
    if (args.ports.size() > 1) {
        for (const std::int32_t number : args.ports) {
            ports.push_back({number, env.resolver});
        }
    } else if (const std::optional<PortChoice> chosen = choosePort(args, env)) {
        ports.push_back(*chosen);
    } else {
        return ExitStatus::Usage;
    }
    const BackupStore store = env.backupStore();
    Series series(env);
    series.log = args.log.empty() ? nullptr : &log;
    series.logPath = args.log;
    series.lines = *lines;
    series.backups = store.folder.empty() ? nullptr : &store;
    std::string names;
    for (const PortChoice& port : ports) {
        names += (names.empty() ? "COM" : ", COM") + std::to_string(port.number);
    }
    env.err << "Serienbetrieb an " << names
            << ": Messgerät anschließen und in den Programmiermodus bringen. Ende mit Strg+C.\n";
    {
        std::vector<std::unique_ptr<Station>> stations;
        for (const PortChoice& port : ports) {
            stations.push_back(std::make_unique<Station>(series, port));
        }
        std::vector<std::thread> running;
        for (std::size_t i = 1; i < stations.size(); ++i) {
            running.emplace_back([&station = *stations[i]] { station.run(); });
        }
        stations.front()->run();
        for (std::thread& thread : running) {
            thread.join();
        }
    }
    env.err << "Serienbetrieb beendet: " << series.done
            << (series.done == 1 ? " Messgerät" : " Messgeräte") << ", davon " << series.failed
            << " fehlerhaft.\n";
    if (series.logFailed) {
        return ExitStatus::File;
    }
    return series.failed == 0 ? ExitStatus::Ok : ExitStatus::SomeFailed;
}

}  // namespace pemlar
