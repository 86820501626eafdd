#pragma once
// pemlar-cli ports: which COM number is which device, whether it can be opened, and
// (--probe) whether an instrument answers there; --remember and --forget keep a USB
// adapter's number in the mapping folder.

#include "cli/cli_args.h"
#include "cli/cli_run.h"

namespace pemlar {

ExitStatus portsCommand(const CliArgs& args, CliEnvironment& env);

}  // namespace pemlar
