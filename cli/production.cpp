#include "cli/production.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <thread>

#include "cli/cli_session.h"
#include "cli/visible_text.h"
#include "core/file_system.h"

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

// Is an instrument answering on the port? A status query is the shortest exchange.
bool instrumentAnswers(scom& com, std::string& portTrouble) {
    if (com.open() != ScomResult::Ok) {
        portTrouble = describePortFailure(com.lastFailure());
        return false;
    }
    portTrouble.clear();
    std::uint8_t status = 0;
    const bool answered = com.queryStatus(status) == ScomResult::Ok;
    static_cast<void>(com.close());
    return answered;
}

// Waits until an instrument answers (`present`) or no longer answers; false when a
// stop was requested first.
bool waitFor(bool present, scom& com, CliEnvironment& env) {
    std::string lastTrouble;
    while (!env.stopRequested()) {
        std::string trouble;
        if (instrumentAnswers(com, trouble) == present) {
            return true;
        }
        if (!trouble.empty() && trouble != lastTrouble) {
            env.err << "Warte: " << trouble << '\n';
        }
        lastTrouble = trouble;
        for (int waited = 0; waited < env.pollMilliseconds && !env.stopRequested(); waited += 50) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    return false;
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

std::string csvField(const std::string& text) {
    if (text.find_first_of(";\"\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
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

ExitStatus runProduction(const CliArgs& args, CliEnvironment& env) {
    std::string error;
    const std::optional<AddressBuffer> lines = addressToUse(args, error);
    if (!lines) {
        env.err << "Fehler: " << error << '\n';
        return ExitStatus::File;
    }
    std::ofstream log;
    if (!args.log.empty()) {
        bool fresh = false;
        const FileOutcome usable = platform::prepareAppendFile(args.log, fresh);
        if (usable.ok()) {
            log.open(args.log, std::ios::binary | std::ios::app);
        }
        if (!log.is_open()) {
            const std::string why = usable.failure == FileFailure::NotRegularFile
                                        ? "keine normale Datei"
                                        : usable.reason;
            env.err << "Fehler: Das Protokoll \"" << args.log << "\" kann nicht geschrieben werden"
                    << (why.empty() ? "" : " (" + why + ")") << ".\n";
            return ExitStatus::File;
        }
        if (fresh) {
            log << "Zeit;ID;Ergebnis\r\n" << std::flush;
        }
    }
    const std::optional<PortChoice> chosen = choosePort(args, env);
    if (!chosen) {
        return ExitStatus::Usage;
    }
    const PortChoice& port = *chosen;
    scom com(port.number, port.resolver, env.clock);
    const BackupStore store = env.backupStore();
    const BackupStore* backups = store.folder.empty() ? nullptr : &store;
    env.err << "Serienbetrieb an COM" << port.number
            << ": Messgerät anschließen und in den Programmiermodus bringen. Ende mit Strg+C.\n";
    int done = 0;
    int failed = 0;
    while (waitFor(true, com, env)) {
        const ProgramOutcome outcome = programAddress(com, *lines, true, backups);
        const std::string id = outcome.id.empty() ? "?" : outcome.id;
        const std::string result = resultText(outcome);
        ++done;
        failed += outcome.ok() ? 0 : 1;
        env.out << timeStamp() << "  " << visibleText(id) << "  " << result << '\n' << std::flush;
        env.err << (outcome.ok() ? "\a" : "\a\a\a") << std::flush;
        if (log.is_open()) {
            log << timeStamp() << ';' << csvField(id) << ';' << csvField(result) << "\r\n"
                << std::flush;
            if (!log) {
                env.err << "Warnung: Das Protokoll \"" << args.log
                        << "\" kann nicht mehr geschrieben werden.\n";
                log.close();
            }
        }
        if (!waitFor(false, com, env)) {
            break;
        }
        env.err << "Bereit für das nächste Messgerät.\n";
    }
    env.err << "Serienbetrieb beendet: " << done << (done == 1 ? " Messgerät" : " Messgeräte")
            << ", davon " << failed << " fehlerhaft.\n";
    return failed == 0 ? ExitStatus::Ok : ExitStatus::SomeFailed;
}

}  // namespace pemlar
