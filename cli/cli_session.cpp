#include "cli/cli_session.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "cli/text_1252.h"
#include "cli/visible_text.h"
#include "core/address_file.h"
#include "core/file_prefix.h"
#include "data/address_text.h"
#include "data/charset.h"
#include "data/id_number.h"

namespace pemlar {

namespace {

// The number a device path already has, so messages name the port as the window would.
// Device numbers are compared: a mapping link and the node it leads to are one device.
std::optional<std::int32_t> numberOf(const std::string& device, const PortResolver& resolver) {
    for (std::int32_t n = 1; n <= kLastComNumber; ++n) {
        const std::optional<std::string> mapped = resolver(n);
        if (mapped && (*mapped == device || sameDevice(*mapped, device))) {
            return n;
        }
    }
    return std::nullopt;
}

// With nothing chosen: the one adapter present, else nothing with the candidates listed.
std::optional<PortChoice> onlyAdapter(const std::string& why, CliEnvironment& env) {
    std::vector<ScannedPort> present = presentPorts(env.resolver, env.identifier());
    std::vector<ScannedPort> adapters;
    for (const ScannedPort& port : present) {
        const bool seen = std::any_of(adapters.begin(), adapters.end(), [&](const auto& known) {
            return known.identity.device == port.identity.device;
        });
        if (isAdapter(port.identity) && port.identity.exists && !seen) {
            adapters.push_back(port);
        }
    }
    if (adapters.size() == 1) {
        env.err << "Hinweis: " << why << "; es wird COM" << adapters[0].number
                << " verwendet, der einzige USB-Adapter: " << portLine(adapters[0])
                << " (-p wählt eine andere).\n";
        return PortChoice{adapters[0].number, env.resolver};
    }
    std::vector<ScannedPort> candidates;
    for (const ScannedPort& port : adapters.empty() ? present : adapters) {
        if (port.identity.withheld.empty()) {
            candidates.push_back(port);
        }
    }
    env.err << "Fehler: Keine Schnittstelle gewählt (" << why << ")"
            << (adapters.empty() ? " und kein USB-Adapter angeschlossen"
                                 : " und mehrere USB-Adapter angeschlossen")
            << ". Bitte mit -p angeben"
            << (candidates.empty() ? std::string()
                                   : ", z. B. -p COM" + std::to_string(candidates[0].number))
            << ".\n";
    if (!candidates.empty()) {
        env.err << "In Frage kommen:\n";
    }
    for (const ScannedPort& port : candidates) {
        env.err << "  " << portLine(port) << '\n';
    }
    return std::nullopt;
}

// "Zeile 1\nZeile 2" as the address edit's text: the two characters \n, or a real line
// break, separate lines.
std::string editTextFrom(std::string_view text) {
    std::string edit;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            edit += "\r\n";
            ++i;
        } else if (text[i] == '\n') {
            edit += "\r\n";
        } else if (text[i] != '\r') {
            edit += text[i];
        }
    }
    return edit;
}

std::string_view stripped(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view portMessage(ScomResult result) {
    switch (result) {
        case ScomResult::OpenFailed:
            return "Die serielle Schnittstelle konnte nicht geöffnet werden !";
        case ScomResult::InitFailed:
            return "Die serielle Schnittstelle konnte nicht initialisiert werden !";
        case ScomResult::Timeout:
            return "Es ist ein Timeout aufgetreten !";
        case ScomResult::TransferError:
            return "Es ist ein Fehler bei der Datenübertragung aufgetreten! Ist das Messgerät "
                   "angeschlossen und im Programmiermodus?";
        case ScomResult::ChecksumError:
            return "Es ist ein Püfsummen-Fehler aufgetreten !";
        case ScomResult::BadFrameStart:
            return "Die Antwort des Messgeräts beginnt nicht mit AA 55.";
        case ScomResult::InstrumentError:
            return "Das Messgeraet hat einen Fehler gemeldet !";
        case ScomResult::CloseFailed:
            return "Die serielle Schnittstelle konnte nicht geschlossen werden !";
        case ScomResult::Ok:
            break;
    }
    return "Unbekannter Fehler.";
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += kHex[(c >> 4) & 0xF];
            quoted += kHex[c & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string portLine(const ScannedPort& port) {
    std::string line = "COM" + std::to_string(port.number) + "  " + port.identity.device;
    if (const std::string identity = describePortIdentity(port.identity); !identity.empty()) {
        line += "  " + identity;
    }
    return line;
}

std::optional<PortChoice> choosePort(const CliArgs& args, CliEnvironment& env) {
    if (args.port) {
        return PortChoice{*args.port, env.resolver};
    }
    if (!args.device.empty()) {
        // A path without a number of its own gets the last, which the window never lists.
        const std::int32_t number = numberOf(args.device, env.resolver).value_or(kLastComNumber);
        return PortChoice{number,
                          [base = env.resolver, number, device = args.device](std::int32_t n) {
                              return n == number ? std::optional<std::string>(device) : base(n);
                          }};
    }
    const StoredPort stored = env.storedPort();
    if (stored.port) {
        return PortChoice{*stored.port, env.resolver};
    }
    return onlyAdapter(stored.note, env);
}

std::optional<AddressBuffer> addressToUse(const CliArgs& args, std::string& error) {
    if (!args.text) {
        const std::filesystem::path path(args.file);
        std::error_code code;
        if (!std::filesystem::exists(path, code)) {
            error = "Die Adressdatei \"" + args.file + "\" gibt es nicht.";
            return std::nullopt;
        }
        // One byte more, to tell a longer file. Anything but exactly 125 bytes is no
        // address file (an empty one would blank every instrument of a series).
        const std::optional<std::string> bytes = readFilePrefix(path, kAddressBlockSize + 1);
        if (!bytes) {
            error = "Die Adressdatei \"" + args.file +
                    "\" konnte nicht gelesen werden (keine normale Datei oder kein Zugriff).";
            return std::nullopt;
        }
        if (bytes->size() != kAddressBlockSize) {
            const std::uintmax_t size = bytes->size() > kAddressBlockSize
                                            ? std::filesystem::file_size(path, code)
                                            : bytes->size();
            error = "\"" + args.file + "\" ist keine Adressdatei: " +
                    (code ? std::string("mehr als 125") : std::to_string(size)) +
                    " Bytes statt genau 125.";
            return std::nullopt;
        }
        return addressSlotsFromFile(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
    }
    const std::optional<std::string> bytes = windows1252FromUtf8(*args.text, error);
    if (!bytes) {
        return std::nullopt;
    }
    const std::string edit = editTextFrom(*bytes);
    if (edit.find('\0') != std::string::npos || !fitsAddressBlock(edit)) {
        error = "Der Text passt nicht in fünf Zeilen zu höchstens 24 Zeichen.";
        return std::nullopt;
    }
    AddressBuffer slots{};
    takeAddress(edit, AddressSlots(slots));
    // Nothing after a line's end: what is stored never depends on leftovers.
    for (int line = 0; line < kLineCount; ++line) {
        const LineSlot slot = lineSlotOf(slots, line);
        std::fill(slot.begin() + lineLength(slot), slot.end(), std::uint8_t{0});
    }
    return slots;
}

ExitStatus reportTransferFailure(const TransferOutcome& transfer, std::ostream& err) {
    err << "Fehler: " << portMessage(transfer.result) << '\n';
    if (!transfer.reason.empty()) {
        err << "  " << transfer.reason << '\n';
    }
    switch (transfer.result) {
        case ScomResult::OpenFailed:
        case ScomResult::InitFailed:
            return ExitStatus::Port;
        case ScomResult::InstrumentError:
            return ExitStatus::InstrumentError;
        case ScomResult::CloseFailed:
            return ExitStatus::CloseFailed;
        default:
            return ExitStatus::Transfer;
    }
}

std::string transferFailureLine(const TransferOutcome& transfer) {
    std::string line(portMessage(transfer.result));
    if (!transfer.reason.empty()) {
        line += " (" + transfer.reason + ")";
    }
    return line;
}

void reportBackup(const BackupOutcome& backup, std::ostream& err) {
    if (!backup.written()) {
        err << "Warnung: die gelesene Seite konnte nicht gesichert werden";
        if (!backup.error.empty()) {
            err << ": " << backup.error;
        }
        err << '\n';
    }
}

std::string idText(ConstIdBlock id) {
    const IdNumberTexts texts = showIdNumber(id);
    std::string line;
    for (const std::string* field : {&texts.number, &texts.code, &texts.date}) {
        const std::string_view part = stripped(*field);
        if (!part.empty()) {
            line += (line.empty() ? "" : " ") + utf8FromWindows1252(part);
        }
    }
    return line;
}

AddressBuffer afterDeviceCharset(AddressBuffer lines) {
    for (int line = 0; line < kLineCount; ++line) {
        toDeviceCharset(lineSlotOf(lines, line));
        toHostCharset(lineSlotOf(lines, line));
    }
    return lines;
}

std::array<bool, kLineCount> differingLines(const AddressBuffer& expected,
                                            ConstAddressSlots actual) {
    std::array<bool, kLineCount> differs{};
    for (int line = 0; line < kLineCount; ++line) {
        const ConstLineSlot want = lineSlotOf(expected, line);
        const ConstLineSlot got = lineSlotOf(actual, line);
        differs[static_cast<std::size_t>(line)] =
            !std::equal(want.begin(), want.begin() + lineLength(want), got.begin(),
                        got.begin() + lineLength(got));
    }
    return differs;
}

void reportMismatch(const PageComparison& comparison, ConstAddressSlots expected,
                    ConstAddressSlots actual, std::ostream& err) {
    err << "Fehler: Der Inhalt des Messgeräts weicht ab:\n";
    for (int line = 0; line < kLineCount; ++line) {
        if (comparison.lineDiffers[static_cast<std::size_t>(line)]) {
            err << "  Zeile " << line + 1 << ": soll \""
                << visibleText(lineText(lineSlotOf(expected, line))) << "\", ist \""
                << visibleText(lineText(lineSlotOf(actual, line))) << "\"\n";
        }
    }
    if (comparison.idDiffers) {
        err << "  die ID-Nummer\n";
    }
    if (comparison.restDiffers) {
        err << "  der Rest der Adressseite (Bytes 146-255)\n";
    }
}

std::string lineText(ConstLineSlot slot) {
    return utf8FromWindows1252(std::string_view(reinterpret_cast<const char*>(slot.data()),
                                                static_cast<std::size_t>(lineLength(slot))));
}

}  // namespace pemlar
