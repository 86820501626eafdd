#pragma once
// The command line of pemlar-cli, parsed; nothing is run here.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pemlar {

enum class CliCommand { Help, Version, Ports, Read, Write, Verify, Backup, Restore, Program };

struct CliArgs {
    CliCommand command = CliCommand::Help;
    std::optional<std::int32_t> port;  // -p COM5 / -p 5; the first of `ports`
    std::vector<std::int32_t> ports;   // program --each: one station per -p
    std::string device;                // --device PATH
    std::string output;                // -o FILE
    bool json = false;
    std::string file;                 // the address file or backup operand
    std::optional<std::string> text;  // --text, UTF-8 as given
    bool idFromInstrument = false;
    bool noVerify = false;
    bool each = false;
    std::string log;                       // --log FILE (program)
    std::string trace;                     // --trace FILE: frames, pauses, results appended
    bool force = false;                    // restore: a page that fails its checks too
    bool yes = false;                      // restore: onto an instrument with another ID
    bool probe = false;                    // ports --probe
    std::optional<std::int32_t> remember;  // ports --remember COMn
    std::optional<std::int32_t> forget;    // ports --forget COMn
};

struct ParsedArgs {
    std::optional<CliArgs> args;
    std::string error;  // German, when args is empty
};

ParsedArgs parseCliArgs(std::span<const std::string> words);

// The help text (German, UTF-8), exit statuses included.
std::string cliHelpText();

}  // namespace pemlar
