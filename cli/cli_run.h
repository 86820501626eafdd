#pragma once
// Runs one pemlar-cli command line against the environment it is given, so that tests
// can hand it their own streams, port resolver, stored port and stop request.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "cli/exit_status.h"
#include "core/backups.h"
#include "core/stored_port.h"
#include "link/line_observer.h"
#include "link/port_identity.h"
#include "link/port_resolver.h"
#include "link/scom_clock.h"

namespace pemlar {

struct CliEnvironment {
    std::ostream& out;  // results, UTF-8
    std::ostream& err;  // notes, warnings and failures, UTF-8
    PortResolver resolver = systemPortResolver();
    ScomClock clock = systemScomClock();  // the protocol's pauses
    // What is behind each device; a fresh one for each look at the ports.
    std::function<PortIdentifier()> identifier = [] { return systemPortIdentifier(); };
    // Where ports --remember and --forget keep their entries.
    std::filesystem::path mappingFolder = portMappingFolder();
    std::function<StoredPort()> storedPort = pemlar::storedPort;
    std::function<BackupStore()> backupStore = userBackupStore;
    // program --each: asked between instruments; true ends the run (Ctrl+C).
    std::function<bool()> stopRequested = [] { return false; };
    // A yes/no question to the user (restore onto another instrument); nothing when no
    // one is there to answer (standard input no terminal).
    std::function<std::optional<bool>(const std::string& question)> confirm =
        [](const std::string&) { return std::optional<bool>(); };
    // program --each: how long to wait between two looks at the line.
    int pollMilliseconds = 500;
    // Told what every port of the command does on the line (--trace); {} for no one.
    LineObserver lineObserver = nullptr;
};

ExitStatus runCli(std::span<const std::string> words, CliEnvironment& env);

}  // namespace pemlar
