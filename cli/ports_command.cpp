#include "cli/ports_command.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/cli_session.h"
#include "link/port_scan.h"
#include "link/scom.h"

namespace pemlar {

namespace {

namespace fs = std::filesystem;

// The mapping entry a number resolves through; empty for a table device.
std::string mappingLinkOf(const ScannedPort& port) {
    std::error_code error;
    return fs::is_symlink(port.device, error) ? port.device : std::string{};
}

std::string stateOf(const ScannedPort& port) {
    if (!port.identity.withheld.empty()) {
        return "withheld";
    }
    return port.failure ? "unavailable" : "free";
}

std::string reasonOf(const ScannedPort& port) {
    if (!port.identity.withheld.empty()) {
        return port.identity.withheld;
    }
    return port.failure ? portFailureReason(*port.failure) : std::string{};
}

std::string jsonOrNull(const std::string& text) {
    return text.empty() ? "null" : jsonString(text);
}

void printText(const ScannedPort& port, const bool* instrument, std::ostream& out) {
    out << "COM" << port.number << '\t' << port.identity.device;
    if (const std::string link = mappingLinkOf(port); !link.empty()) {
        out << " (über " << link << ")";
    }
    const std::string identity = describePortIdentity(port.identity);
    out << '\t' << (identity.empty() ? "-" : identity) << '\t';
    if (!port.identity.withheld.empty()) {
        out << "nicht angeboten: " << port.identity.withheld;
    } else if (port.failure) {
        out << "nicht verfügbar: " << reasonOf(port);
    } else {
        out << "frei";
    }
    if (instrument != nullptr && *instrument) {
        out << ", Messgerät antwortet";
    }
    out << '\n';
}

void printJson(const ScannedPort& port, const bool* instrument, bool first, std::ostream& out) {
    const PortIdentity& id = port.identity;
    out << (first ? "\n  " : ",\n  ") << "{\"port\": \"COM" << port.number
        << "\", \"device\": " << jsonString(id.device)
        << ", \"link\": " << jsonOrNull(mappingLinkOf(port))
        << ", \"by_id\": " << jsonOrNull(id.byId) << ", \"kind\": \"" << portKindName(id.kind)
        << "\", \"vendor_id\": " << jsonOrNull(id.vendorId)
        << ", \"product_id\": " << jsonOrNull(id.productId)
        << ", \"serial\": " << jsonOrNull(id.serial)
        << ", \"description\": " << jsonOrNull(describePortIdentity(id)) << ", \"state\": \""
        << stateOf(port) << "\", \"reason\": " << jsonOrNull(reasonOf(port));
    if (instrument != nullptr) {
        out << ", \"instrument\": " << (*instrument ? "true" : "false");
    }
    out << '}';
}

ExitStatus listPorts(const CliArgs& args, CliEnvironment& env) {
    scom com(0, env.resolver, env.clock);
    com.setObserver(env.lineObserver);
    const std::vector<ScannedPort> ports =
        scanPorts(com, env.resolver, env.identifier(), env.storedPort().port.value_or(0));
    std::vector<bool> answers(ports.size(), false);
    if (args.probe) {
        std::vector<std::int32_t> free;
        std::vector<std::size_t> where;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            if (ports[i].free()) {
                free.push_back(ports[i].number);
                where.push_back(i);
            }
        }
        const std::vector<bool> answered = probeInstruments(env.resolver, free);
        for (std::size_t k = 0; k < where.size(); ++k) {
            answers[where[k]] = answered[k];
        }
    }
    if (args.json) {
        env.out << '[';
    }
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const bool answered = answers[i];
        const bool* instrument = args.probe ? &answered : nullptr;
        if (args.json) {
            printJson(ports[i], instrument, i == 0, env.out);
        } else {
            printText(ports[i], instrument, env.out);
        }
    }
    if (args.json) {
        env.out << (ports.empty() ? "]\n" : "\n]\n");
    }
    if (ports.empty()) {
        env.err << "Keine Schnittstelle gefunden.\n";
    }
    return ExitStatus::Ok;
}

fs::path entryOf(const CliEnvironment& env, std::int32_t n) {
    return env.mappingFolder / ("COM" + std::to_string(n));
}

ExitStatus refuseWithoutMapping(CliEnvironment& env) {
    env.err << "Fehler: Hier vergibt das System die COM-Nummern selbst (Geräte-Manager: "
               "Eigenschaften des Anschlusses, Anschlusseinstellungen, Erweitert).\n";
    return ExitStatus::Usage;
}

ExitStatus remember(const CliArgs& args, CliEnvironment& env) {
    if (!portMappingHonoured()) {
        return refuseWithoutMapping(env);
    }
    const std::int32_t n = *args.remember;
    std::string device = args.device;
    if (device.empty()) {
        const std::optional<std::string> now = env.resolver(n);
        if (!now) {
            env.err << "Fehler: COM" << n << " ist keinem Gerät zugeordnet.\n";
            return ExitStatus::Port;
        }
        device = *now;
    }
    const PortIdentity identity = env.identifier()(device);
    if (!identity.exists) {
        env.err << "Fehler: " << identity.device << " ist nicht vorhanden.\n";
        return ExitStatus::Port;
    }
    if (identity.byId.empty()) {
        env.err << "Fehler: " << identity.device
                << " hat keinen festen Namen unter /dev/serial/by-id; nur USB-Geräte lassen "
                   "sich so festhalten.\n";
        return ExitStatus::Port;
    }
    const fs::path entry = entryOf(env, n);
    std::error_code error;
    fs::create_directories(env.mappingFolder, error);
    const fs::file_status status = fs::symlink_status(entry, error);
    if (fs::exists(status) && !fs::is_symlink(status)) {
        env.err << "Fehler: " << entry.string() << " ist keine Verknüpfung; nichts geändert.\n";
        return ExitStatus::File;
    }
    // Made beside the entry and renamed over it: the number never points nowhere.
    const fs::path fresh = entry.string() + ".neu";
    fs::remove(fresh, error);
    fs::create_symlink(identity.byId, fresh, error);
    if (!error) {
        fs::rename(fresh, entry, error);
    }
    if (error) {
        fs::remove(fresh, error);
        env.err << "Fehler: " << entry.string() << " konnte nicht angelegt werden.\n";
        return ExitStatus::File;
    }
    env.out << "COM" << n << " → " << identity.byId;
    if (const std::string text = describePortIdentity(identity); !text.empty()) {
        env.out << " (" << text << ")";
    }
    env.out << '\n';
    return ExitStatus::Ok;
}

ExitStatus forget(const CliArgs& args, CliEnvironment& env) {
    if (!portMappingHonoured()) {
        return refuseWithoutMapping(env);
    }
    const fs::path entry = entryOf(env, *args.forget);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(entry, error);
    if (!fs::exists(status)) {
        env.out << "COM" << *args.forget << " war nicht festgehalten.\n";
        return ExitStatus::Ok;
    }
    if (!fs::is_symlink(status) || !fs::remove(entry, error)) {
        env.err << "Fehler: " << entry.string() << " konnte nicht entfernt werden.\n";
        return ExitStatus::File;
    }
    env.out << "COM" << *args.forget << " ist wieder frei zugeordnet.\n";
    return ExitStatus::Ok;
}

}  // namespace

ExitStatus portsCommand(const CliArgs& args, CliEnvironment& env) {
    if (args.remember) {
        return remember(args, env);
    }
    if (args.forget) {
        return forget(args, env);
    }
    return listPorts(args, env);
}

}  // namespace pemlar
