#include "cli/cli_args.h"

#include <array>
#include <charconv>
#include <string_view>
#include <vector>

namespace pemlar {

namespace {

struct CommandName {
    std::string_view name;
    CliCommand command;
};
constexpr std::array<CommandName, 7> kCommands{{
    {"ports", CliCommand::Ports},
    {"read", CliCommand::Read},
    {"write", CliCommand::Write},
    {"verify", CliCommand::Verify},
    {"backup", CliCommand::Backup},
    {"restore", CliCommand::Restore},
    {"program", CliCommand::Program},
}};

// "COM5", "com5" or "5": 1-255.
std::optional<std::int32_t> portNumber(std::string_view word) {
    if (word.size() > 3 && (word.substr(0, 3) == "COM" || word.substr(0, 3) == "com")) {
        word.remove_prefix(3);
    }
    int number = 0;
    const auto [rest, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error != std::errc{} || rest != word.data() + word.size() || number < 1 || number > 255) {
        return std::nullopt;
    }
    return number;
}

// Which options each command takes.
bool allowed(CliCommand command, std::string_view option) {
    const bool onPort = command != CliCommand::Ports;
    if (option == "-p" || option == "--port") {
        return onPort;
    }
    if (option == "--device") {
        return true;  // for ports only with --remember (checked after parsing)
    }
    if (option == "--probe" || option == "--remember" || option == "--forget") {
        return command == CliCommand::Ports;
    }
    if (option == "-o" || option == "--output") {
        return command == CliCommand::Read || command == CliCommand::Backup;
    }
    if (option == "--json") {
        return command == CliCommand::Read || command == CliCommand::Ports;
    }
    if (option == "--text") {
        return command == CliCommand::Write || command == CliCommand::Verify ||
               command == CliCommand::Program;
    }
    if (option == "--id-from-instrument") {
        return command == CliCommand::Write || command == CliCommand::Program;
    }
    if (option == "--no-verify") {
        return command == CliCommand::Write;
    }
    if (option == "--each" || option == "--log") {
        return command == CliCommand::Program;
    }
    return false;
}

bool takesValue(std::string_view option) {
    return option == "-p" || option == "--port" || option == "--device" || option == "-o" ||
           option == "--output" || option == "--text" || option == "--log" ||
           option == "--remember" || option == "--forget";
}

ParsedArgs refused(std::string message) {
    return {std::nullopt, std::move(message)};
}

}  // namespace

ParsedArgs parseCliArgs(std::span<const std::string> words) {
    CliArgs args;
    if (words.empty()) {
        return refused("Kein Befehl angegeben.");
    }
    const std::string_view first = words[0];
    if (first == "--help" || first == "-h" || first == "help") {
        args.command = CliCommand::Help;
        return {args, {}};
    }
    if (first == "--version" || first == "-V") {
        args.command = CliCommand::Version;
        return {args, {}};
    }
    bool known = false;
    for (const CommandName& entry : kCommands) {
        if (entry.name == first) {
            args.command = entry.command;
            known = true;
        }
    }
    if (!known) {
        return refused("Unbekannter Befehl \"" + std::string(first) + "\".");
    }
    std::vector<std::string_view> operands;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word == "--help" || word == "-h") {
            args.command = CliCommand::Help;
            return {args, {}};
        }
        if (word.size() < 2 || word[0] != '-') {
            operands.push_back(word);
            continue;
        }
        if (!allowed(args.command, word)) {
            return refused("Die Option \"" + std::string(word) + "\" gibt es für \"" +
                           std::string(first) + "\" nicht.");
        }
        std::string value;
        if (takesValue(word)) {
            if (i + 1 >= words.size()) {
                return refused("Nach \"" + std::string(word) + "\" fehlt der Wert.");
            }
            value = words[++i];
        }
        if (word == "-p" || word == "--port" || word == "--remember" || word == "--forget") {
            const std::optional<std::int32_t> number = portNumber(value);
            if (!number) {
                return refused("\"" + value + "\" ist keine Schnittstelle (COM1 bis COM255).");
            }
            (word == "--remember" ? args.remember
             : word == "--forget" ? args.forget
                                  : args.port) = number;
        } else if (word == "--probe") {
            args.probe = true;
        } else if (word == "--device") {
            args.device = value;
        } else if (word == "-o" || word == "--output") {
            args.output = value;
        } else if (word == "--text") {
            args.text = value;
        } else if (word == "--log") {
            args.log = value;
        } else if (word == "--json") {
            args.json = true;
        } else if (word == "--id-from-instrument") {
            args.idFromInstrument = true;
        } else if (word == "--no-verify") {
            args.noVerify = true;
        } else if (word == "--each") {
            args.each = true;
        }
    }
    if (args.port && !args.device.empty()) {
        return refused("Bitte nur eines angeben: -p oder --device.");
    }
    if (args.command == CliCommand::Ports) {
        if (args.remember && args.forget) {
            return refused("Bitte nur eines angeben: --remember oder --forget.");
        }
        if ((args.remember || args.forget) && (args.probe || args.json)) {
            return refused("--remember und --forget gehen nicht mit --probe oder --json.");
        }
        if (!args.device.empty() && !args.remember) {
            return refused("\"--device\" gibt es für \"ports\" nur mit --remember.");
        }
    }
    const bool needsAddress = args.command == CliCommand::Write ||
                              args.command == CliCommand::Verify ||
                              args.command == CliCommand::Program;
    const bool textGiven = args.text.has_value();
    std::size_t wanted = 0;
    if (args.command == CliCommand::Restore || (needsAddress && !textGiven)) {
        wanted = 1;
    }
    if (operands.size() != wanted) {
        if (needsAddress && textGiven && !operands.empty()) {
            return refused("Bitte nur eines angeben: eine Adressdatei oder --text.");
        }
        if (operands.size() < wanted) {
            return refused(args.command == CliCommand::Restore
                               ? "Welche Sicherung? Bitte die Datei angeben."
                               : "Welche Adresse? Bitte eine Adressdatei oder --text angeben.");
        }
        return refused("Überzähliges Argument \"" + std::string(operands[wanted]) + "\".");
    }
    if (wanted == 1) {
        args.file = operands[0];
    }
    if (args.command == CliCommand::Program && !args.each) {
        return refused("\"program\" arbeitet nur im Serienbetrieb: bitte --each angeben.");
    }
    return {args, {}};
}

}  // namespace pemlar
