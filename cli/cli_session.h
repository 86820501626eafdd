#pragma once
// What the commands share: the port to use, the backup store, the address to write,
// and how a failed transfer is told to the user.

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_args.h"
#include "cli/cli_run.h"
#include "core/transfer.h"
#include "data/address_block.h"
#include "link/port_scan.h"

namespace pemlar {

struct PortChoice {
    std::int32_t number = 0;
    PortResolver resolver;
};

// -p, --device (named by the COM number that reaches the same device), the stored port,
// or else the one USB or ACM adapter present (said on stderr). Nothing when there is no
// such choice: then the candidates have been listed on stderr (status Usage). A port
// nobody chose is never used.
std::optional<PortChoice> choosePort(const CliArgs& args, CliEnvironment& env);

// "COM34  /dev/ttyUSB0  USB FTDI FT232R, Seriennr. A50285BI" for lists.
std::string portLine(const ScannedPort& port);

// The five lines to write or compare: from the address file or from --text (UTF-8,
// "\n" or a line break between lines); nothing with a German message in `error`.
std::optional<AddressBuffer> addressToUse(const CliArgs& args, std::string& error);

// The status for a transfer that did not go through, after telling why on `err`.
ExitStatus reportTransferFailure(const TransferOutcome& transfer, std::ostream& err);

// The same as one line: the message and, in brackets, the reason.
std::string transferFailureLine(const TransferOutcome& transfer);

// A note about a failed backup (the transfer goes on regardless).
void reportBackup(const BackupOutcome& backup, std::ostream& err);

// The ID block as one line: number, label code and date without their padding.
std::string idText(ConstIdBlock id);

// `expected`'s lines as the instrument gives them back: through its character set.
AddressBuffer afterDeviceCharset(AddressBuffer lines);

// Per line: does `actual` differ from `expected`?
std::array<bool, kLineCount> differingLines(const AddressBuffer& expected,
                                            ConstAddressSlots actual);

// Tells which lines (and parts of the page) differ, showing what should be and is.
void reportMismatch(const PageComparison& comparison, ConstAddressSlots expected,
                    ConstAddressSlots actual, std::ostream& err);

// `text` as a JSON string, quotes included.
std::string jsonString(std::string_view text);

// One line of the slot as UTF-8.
std::string lineText(ConstLineSlot slot);

}  // namespace pemlar
