#pragma once
// Runs one pemlar-cli command line in-process with captured output, a port resolver
// of the test's own, a fixed stored port and a temporary backup folder.

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace pemlar {

struct CliRun {
    pemlar::ExitStatus status;
    std::string out;
    std::string err;
};

struct CliCapture {
    PortResolver resolver;
    std::filesystem::path backups;
    pemlar::StoredPort stored{7, {}};
    ScomClock clock = systemScomClock();
    // The user's answer to a question; nothing: no one there to answer.
    std::optional<bool> answer = std::nullopt;
    std::function<PortIdentifier()> identifier = [] { return systemPortIdentifier(); };
    std::filesystem::path mappingFolder{};

    CliRun operator()(const std::vector<std::string>& words) const {
        std::ostringstream out;
        std::ostringstream err;
        pemlar::CliEnvironment env{out, err, resolver, clock};
        env.storedPort = [stored = stored] { return stored; };
        env.identifier = identifier;
        env.mappingFolder = mappingFolder;
        env.backupStore = [folder = backups] { return pemlar::BackupStore{folder, {}, 1000}; };
        env.confirm = [answer = answer](const std::string&) { return answer; };
        const pemlar::ExitStatus status = pemlar::runCli(words, env);
        return {status, out.str(), err.str()};
    }
};

}  // namespace pemlar
