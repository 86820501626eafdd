#include "cli/cli_args.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <vector>

#include "link/port_resolver.h"

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
    if (error != std::errc{} || rest != word.data() + word.size() || number < 1 ||
        number > kLastComNumber) {
        return std::nullopt;
    }
    return number;
}

constexpr unsigned on(CliCommand command) {
    return 1u << static_cast<unsigned>(command);
}
constexpr unsigned kOnPort = on(CliCommand::Read) | on(CliCommand::Write) | on(CliCommand::Verify) |
                             on(CliCommand::Backup) | on(CliCommand::Restore) |
                             on(CliCommand::Program);

enum class OptionValue : std::uint8_t { None, Text, Path };

// Every option once: its names, which commands take it, its value. An option given
// twice is refused (the second would silently win) unless it is marked repeatable.
struct OptionSpec {
    std::string_view name;
    std::string_view alias;
    unsigned commands;
    OptionValue value;
    bool repeatable = false;
};
constexpr std::array<OptionSpec, 16> kOptions{{
    {"-p", "--port", kOnPort & ~on(CliCommand::Program), OptionValue::Text},
    // a series runs one station per port
    {"-p", "--port", on(CliCommand::Program), OptionValue::Text, true},
    // for ports only with --remember (checked after parsing)
    {"--device", {}, kOnPort | on(CliCommand::Ports), OptionValue::Path},
    {"-o", "--output", on(CliCommand::Read) | on(CliCommand::Backup), OptionValue::Path},
    {"--json", {}, on(CliCommand::Read) | on(CliCommand::Ports), OptionValue::None},
    {"--probe", {}, on(CliCommand::Ports), OptionValue::None},
    {"--remember", {}, on(CliCommand::Ports), OptionValue::Text},
    {"--forget", {}, on(CliCommand::Ports), OptionValue::Text},
    {"--text",
     {},
     on(CliCommand::Write) | on(CliCommand::Verify) | on(CliCommand::Program),
     OptionValue::Text},
    {"--id-from-instrument",
     {},
     on(CliCommand::Write) | on(CliCommand::Program),
     OptionValue::None},
    {"--no-verify", {}, on(CliCommand::Write), OptionValue::None},
    {"--each", {}, on(CliCommand::Program), OptionValue::None},
    {"--log", {}, on(CliCommand::Program), OptionValue::Path},
    {"--force", {}, on(CliCommand::Restore), OptionValue::None},
    {"--yes", {}, on(CliCommand::Restore), OptionValue::None},
    // also before the command (see parseCliArgs)
    {"--trace", {}, kOnPort | on(CliCommand::Ports), OptionValue::Path},
}};

const OptionSpec* optionFor(CliCommand command, std::string_view word) {
    for (const OptionSpec& spec : kOptions) {
        if ((word == spec.name || (!spec.alias.empty() && word == spec.alias)) &&
            (spec.commands & on(command)) != 0) {
            return &spec;
        }
    }
    return nullptr;
}

ParsedArgs refused(std::string message) {
    return {std::nullopt, std::move(message)};
}

}  // namespace

ParsedArgs parseCliArgs(std::span<const std::string> words) {
    CliArgs args;
    // --trace may also come before the command, to put in front of any command line.
    if (!words.empty() && words[0] == "--trace") {
        if (words.size() < 2) {
            return refused("Nach \"--trace\" fehlt der Wert.");
        }
        if (words[1].empty()) {
            return refused("Nach \"--trace\" fehlt der Dateiname.");
        }
        args.trace = words[1];
        words = words.subspan(2);
    }
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
    std::array<bool, kOptions.size()> seen{};
    bool optionsEnded = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;  // a file named "-x.PML" can follow
            continue;
        }
        if (word == "--help" || word == "-h") {
            args.command = CliCommand::Help;
            return {args, {}};
        }
        const OptionSpec* spec = optionFor(args.command, word);
        if (spec == nullptr) {
            return refused("Die Option \"" + std::string(word) + "\" gibt es für \"" +
                           std::string(first) + "\" nicht.");
        }
        bool& given = seen[static_cast<std::size_t>(spec - kOptions.data())];
        if (given && !spec->repeatable) {
            return refused("Die Option \"" + std::string(spec->name) +
                           "\" ist mehrfach angegeben.");
        }
        given = true;
        std::string value;
        if (spec->value != OptionValue::None) {
            if (i + 1 >= words.size()) {
                return refused("Nach \"" + std::string(word) + "\" fehlt der Wert.");
            }
            value = words[++i];
            if (spec->value == OptionValue::Path && value.empty()) {
                return refused("Nach \"" + std::string(word) + "\" fehlt der Dateiname.");
            }
        }
        const std::string_view name = spec->name;
        if (name == "-p" || name == "--remember" || name == "--forget") {
            const std::optional<std::int32_t> number = portNumber(value);
            if (!number) {
                return refused("\"" + value + "\" ist keine Schnittstelle (COM1 bis COM" +
                               std::to_string(kLastComNumber) + ").");
            }
            if (name == "-p") {
                if (std::find(args.ports.begin(), args.ports.end(), *number) != args.ports.end()) {
                    return refused("COM" + std::to_string(*number) + " ist doppelt angegeben.");
                }
                args.ports.push_back(*number);
                args.port = args.ports.front();
            } else {
                (name == "--remember" ? args.remember : args.forget) = number;
            }
        } else if (name == "--trace") {
            if (!args.trace.empty()) {
                return refused("Die Option \"--trace\" ist mehrfach angegeben.");
            }
            args.trace = value;
        } else if (name == "--probe") {
            args.probe = true;
        } else if (name == "--device") {
            args.device = value;
        } else if (name == "-o") {
            args.output = value;
        } else if (name == "--text") {
            args.text = value;
        } else if (name == "--log") {
            args.log = value;
        } else if (name == "--json") {
            args.json = true;
        } else if (name == "--id-from-instrument") {
            args.idFromInstrument = true;
        } else if (name == "--no-verify") {
            args.noVerify = true;
        } else if (name == "--each") {
            args.each = true;
        } else if (name == "--force") {
            args.force = true;
        } else if (name == "--yes") {
            args.yes = true;
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
