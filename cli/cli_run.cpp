#include "cli/cli_run.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <utility>

#include "cli/cli_session.h"
#include "cli/ports_command.h"
#include "cli/production.h"
#include "cli/trace_file.h"
#include "cli/visible_text.h"
#include "core/address_file_io.h"
#include "core/file_prefix.h"
#include "core/page_check.h"
#include "data/address_text.h"

#ifndef PEMLAR_VERSION
#define PEMLAR_VERSION "?"
#endif

namespace pemlar {

namespace {

const BackupStore* storeOrNote(std::optional<BackupStore>& store, CliEnvironment& env) {
    store = env.backupStore();
    if (store->folder.empty()) {
        env.err << "Warnung: kein Datenordner bekannt; gelesene Seiten werden nicht gesichert.\n";
        return nullptr;
    }
    return &*store;
}

// A transfer's end: CloseFailed still counts as done, with a warning.
ExitStatus finish(const TransferOutcome& transfer, CliEnvironment& env) {
    if (transfer.failedStep == TransferStep::Close) {
        return reportTransferFailure(transfer, env.err);
    }
    return ExitStatus::Ok;
}

ExitStatus readCommand(const CliArgs& args, CliEnvironment& env) {
    const std::optional<PortChoice> chosen = choosePort(args, env);
    if (!chosen) {
        return ExitStatus::Usage;
    }
    const PortChoice& port = *chosen;
    scom com(port.number, port.resolver, env.clock);
    com.setObserver(env.lineObserver);
    std::optional<BackupStore> store;
    const ReadOutcome read = readAddressPage(com, storeOrNote(store, env));
    if (!read.transfer.transferred()) {
        return reportTransferFailure(read.transfer, env.err);
    }
    if (store && !store->folder.empty()) {
        reportBackup(read.backup, env.err);
    }
    const ConstAddressSlots lines = addressBlock(read.image);
    if (args.json) {
        env.out << "{\"port\": \"COM" << port.number << "\", \"lines\": [";
        for (int line = 0; line < kLineCount; ++line) {
            env.out << (line == 0 ? "" : ", ") << jsonString(lineText(lineSlotOf(lines, line)));
        }
        env.out << "], \"id\": " << jsonString(idText(idBlockOf(read.image)))
                << ", \"backup\": " << jsonString(read.backup.file.string()) << "}\n";
    } else {
        for (int line = 0; line < kLineCount; ++line) {
            env.out << visibleText(lineText(lineSlotOf(lines, line))) << '\n';
        }
        env.out << "ID: " << visibleText(idText(idBlockOf(read.image))) << '\n';
    }
    if (!args.output.empty()) {
        AddressFileBytes bytes{};
        std::copy(lines.begin(), lines.end(), bytes.begin());
        const FileOutcome saved = saveAddressFile(args.output, addressSlotsFromFile(bytes));
        if (!saved.ok()) {
            env.err << "Fehler: Die Adressdatei \"" << args.output
                    << "\" konnte nicht gespeichert werden"
                    << (saved.reason.empty() ? "" : ": " + saved.reason) << ".\n";
            return ExitStatus::File;
        }
    }
    return finish(read.transfer, env);
}

// Compares the instrument's page with `expected` (lines only, or the whole page).
ExitStatus compareWithInstrument(scom& com, const EepromImage& expected, bool linesOnly,
                                 const BackupStore* backups, CliEnvironment& env) {
    const VerifyOutcome verify = verifyAddressPage(com, expected, backups);
    if (!verify.read.transfer.transferred()) {
        return reportTransferFailure(verify.read.transfer, env.err);
    }
    PageComparison comparison = verify.comparison;
    if (linesOnly) {
        comparison.idDiffers = false;
        comparison.restDiffers = false;
    }
    if (!comparison.matches()) {
        reportMismatch(comparison, addressBlock(expected), addressBlock(verify.read.image),
                       env.err);
        return ExitStatus::Mismatch;
    }
    return finish(verify.read.transfer, env);
}

ExitStatus verifyCommand(const CliArgs& args, CliEnvironment& env) {
    std::string error;
    const std::optional<AddressBuffer> lines = addressToUse(args, error);
    if (!lines) {
        env.err << "Fehler: " << error << '\n';
        return ExitStatus::File;
    }
    EepromImage expected{};
    const AddressBuffer stored = afterDeviceCharset(*lines);
    std::copy(stored.begin(), stored.end(), addressBlock(expected).begin());
    const std::optional<PortChoice> chosen = choosePort(args, env);
    if (!chosen) {
        return ExitStatus::Usage;
    }
    const PortChoice& port = *chosen;
    scom com(port.number, port.resolver, env.clock);
    com.setObserver(env.lineObserver);
    std::optional<BackupStore> store;
    const ExitStatus status =
        compareWithInstrument(com, expected, true, storeOrNote(store, env), env);
    if (status == ExitStatus::Ok) {
        env.out << "Das Messgerät enthält die Adresse.\n";
    }
    return status;
}

ExitStatus writeCommand(const CliArgs& args, CliEnvironment& env) {
    std::string error;
    const std::optional<AddressBuffer> lines = addressToUse(args, error);
    if (!lines) {
        env.err << "Fehler: " << error << '\n';
        return ExitStatus::File;
    }
    const std::optional<PortChoice> chosen = choosePort(args, env);
    if (!chosen) {
        return ExitStatus::Usage;
    }
    const PortChoice& port = *chosen;
    scom com(port.number, port.resolver, env.clock);
    com.setObserver(env.lineObserver);
    std::optional<BackupStore> store;
    const BackupStore* backups = storeOrNote(store, env);
    const ProgramOutcome programmed = programAddress(com, *lines, !args.noVerify, backups);
    return reportProgrammed(programmed, *lines, env);
}

ExitStatus backupCommand(const CliArgs& args, CliEnvironment& env) {
    const std::optional<PortChoice> chosen = choosePort(args, env);
    if (!chosen) {
        return ExitStatus::Usage;
    }
    const PortChoice& port = *chosen;
    scom com(port.number, port.resolver, env.clock);
    com.setObserver(env.lineObserver);
    std::optional<BackupStore> store;
    const BackupStore* backups = storeOrNote(store, env);
    const ReadOutcome read = readAddressPage(com, backups);
    if (!read.transfer.transferred()) {
        return reportTransferFailure(read.transfer, env.err);
    }
    if (read.backup.written()) {
        env.out << "Sicherung: " << read.backup.file.string() << '\n';
    }
    if (!args.output.empty()) {
        const FileOutcome saved = saveFileWhole(args.output, read.received);
        if (!saved.ok()) {
            env.err << "Fehler: Die Sicherung \"" << args.output
                    << "\" konnte nicht gespeichert werden"
                    << (saved.reason.empty() ? "" : ": " + saved.reason) << ".\n";
            return ExitStatus::File;
        }
        env.out << "Sicherung: " << args.output << '\n';
    } else if (!read.backup.written()) {
        reportBackup(read.backup, env.err);
        return ExitStatus::File;
    }
    return finish(read.transfer, env);
}

ExitStatus restoreCommand(const CliArgs& args, CliEnvironment& env) {
    const std::optional<std::string> bytes = readFilePrefix(args.file, kPageSize + 1);
    if (!bytes || bytes->size() != kPageSize) {
        env.err << "Fehler: \"" << args.file << "\" ist keine Sicherung einer Adressseite ("
                << (bytes ? "nicht genau 256 Bytes" : "nicht lesbar") << ").\n";
        return ExitStatus::File;
    }
    RawPage page{};
    std::copy(bytes->begin(), bytes->end(), page.begin());
    if (const std::vector<std::string> problems = pageProblems(page); !problems.empty()) {
        std::string list;
        for (const std::string& problem : problems) {
            list += (list.empty() ? "" : "; ") + problem;
        }
        if (!args.force) {
            env.err << "Fehler: \"" << args.file << "\" ist keine unversehrte Adressseite: " << list
                    << ". Nichts geschrieben (--force schreibt sie trotzdem).\n";
            return ExitStatus::File;
        }
        env.err << "Warnung: \"" << args.file << "\" ist keine unversehrte Adressseite: " << list
                << "; sie wird trotzdem geschrieben (--force).\n";
    }
    const std::optional<PortChoice> chosen = choosePort(args, env);
    if (!chosen) {
        return ExitStatus::Usage;
    }
    const PortChoice& port = *chosen;
    scom com(port.number, port.resolver, env.clock);
    com.setObserver(env.lineObserver);
    std::optional<BackupStore> store;
    const BackupStore* backups = storeOrNote(store, env);
    // What the instrument holds now is kept first, so a wrong restore can be undone.
    const ReadOutcome before = readAddressPage(com, backups);
    if (!before.transfer.transferred()) {
        return reportTransferFailure(before.transfer, env.err);
    }
    if (before.backup.written()) {
        env.err << "Bisheriger Inhalt gesichert: " << before.backup.file.string() << '\n';
    }
    if (!std::equal(page.begin() + kIdBlockOffset, page.begin() + kPageRestOffset,
                    before.received.begin() + kIdBlockOffset)) {
        const auto idOf = [](const RawPage& raw) {
            const std::string id = idText(ConstIdBlock(raw.data() + kIdBlockOffset, kIdBlockSize));
            return visibleText(id.empty() ? "ohne ID" : id);
        };
        env.err << "Das Messgerät hat die ID \"" << idOf(before.received)
                << "\", die Sicherung die ID \"" << idOf(page) << "\".\n";
        if (!args.yes) {
            const std::optional<bool> go = env.confirm("Trotzdem zurückschreiben?");
            if (!go) {
                env.err << "Fehler: Nichts geschrieben; ohne Terminal nur mit --yes.\n";
                return ExitStatus::Mismatch;
            }
            if (!*go) {
                env.err << "Nichts geschrieben.\n";
                return ExitStatus::Mismatch;
            }
        }
    }
    const TransferOutcome restored = restoreAddressPage(com, page);
    if (!restored.transferred()) {
        return reportTransferFailure(restored, env.err);
    }
    const ReadOutcome after = readAddressPage(com, backups);
    if (!after.transfer.transferred()) {
        return reportTransferFailure(after.transfer, env.err);
    }
    if (after.received != page) {
        env.err << "Fehler: Der Inhalt des Messgeräts weicht von der Sicherung ab.\n";
        return ExitStatus::Mismatch;
    }
    env.out << "Die Sicherung wurde zurückgeschrieben und geprüft.\n";
    const ExitStatus closed = finish(restored, env);
    return closed != ExitStatus::Ok ? closed : finish(after.transfer, env);
}

ExitStatus runCommand(const CliArgs& args, CliEnvironment& env) {
    switch (args.command) {
        case CliCommand::Help:
            env.out << cliHelpText();
            return ExitStatus::Ok;
        case CliCommand::Version:
            env.out << "pemlar-cli " << PEMLAR_VERSION << '\n';
            return ExitStatus::Ok;
        case CliCommand::Ports:
            return portsCommand(args, env);
        case CliCommand::Read:
            return readCommand(args, env);
        case CliCommand::Write:
            return writeCommand(args, env);
        case CliCommand::Verify:
            return verifyCommand(args, env);
        case CliCommand::Backup:
            return backupCommand(args, env);
        case CliCommand::Restore:
            return restoreCommand(args, env);
        case CliCommand::Program:
            return runProduction(args, env);
    }
    return ExitStatus::Usage;
}

}  // namespace

ExitStatus runCli(std::span<const std::string> words, CliEnvironment& env) {
    const ParsedArgs parsed = parseCliArgs(words);
    if (!parsed.args) {
        env.err << "pemlar-cli: " << parsed.error
                << "\n\"pemlar-cli --help\" zeigt alle Befehle.\n";
        return ExitStatus::Usage;
    }
    const CliArgs& args = *parsed.args;
    if (args.trace.empty()) {
        return runCommand(args, env);
    }
    TraceFile trace;
    if (!trace.open(args.trace)) {
        env.err << "Fehler: Die Aufzeichnung \"" << args.trace
                << "\" kann nicht geschrieben werden.\n";
        return ExitStatus::File;
    }
    std::string line = "pemlar-cli " PEMLAR_VERSION;
    for (const std::string& word : words) {
        line += " " + word;
    }
    trace.note(line);
    const LineObserver before = std::exchange(env.lineObserver, trace.observer());
    const ExitStatus status = runCommand(args, env);
    env.lineObserver = before;
    trace.note("Ergebnis: Rückgabewert " + std::to_string(static_cast<int>(status)));
    return status;
}

}  // namespace pemlar
