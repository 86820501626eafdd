#pragma once
// Writing an address into an instrument the way the command line does it, once
// (`write`) or for one instrument after another (`program --each`).

#include <array>
#include <optional>

#include "cli/cli_args.h"
#include "cli/cli_run.h"
#include "core/transfer.h"
#include "data/address_block.h"

namespace pemlar {

struct ProgramOutcome {
    std::string id;           // the instrument's ID as first read; empty when not read
    TransferOutcome failure;  // the first transfer that did not go through
    bool verified = false;
    PageComparison comparison;  // meaningful when verified
    EepromImage written{};      // the image as written (lines after the device's charset)
    EepromImage readBack{};     // what the check read back
    BackupOutcome backup;       // of the page as the instrument held it before
    bool ok() const { return failure.transferred() && (!verified || comparison.matches()); }
};

// Reads the instrument's page (kept as a backup), puts `lines` into it in place of its
// five lines, keeping its ID and the rest of the page, writes it and, with `verify`,
// reads it back and compares the whole page. Each step opens and closes the port.
ProgramOutcome programAddress(scom& com, const AddressBuffer& lines, bool verify,
                              const BackupStore* backups);

// The messages and status of `write` for an outcome.
ExitStatus reportProgrammed(const ProgramOutcome& outcome, const AddressBuffer& lines,
                            CliEnvironment& env);

// program --each: until env.stopRequested(), waits for an instrument to answer,
// programs and verifies it, reports one line, and waits for it to go away.
ExitStatus runProduction(const CliArgs& args, CliEnvironment& env);

}  // namespace pemlar
