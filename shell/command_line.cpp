#include "shell/command_line.h"

#include <string_view>

namespace pemlar {

namespace {

constexpr std::string_view kVersionLine = "Pemlar-Programm " PEMLAR_VERSION "\n";

constexpr std::string_view kHelp =
    "Aufruf: pemlar [--help | --version]\n"
    "\n"
    "Pemlar-Programm liest den Adressblock eines Pemlar-Messgeräts über eine serielle\n"
    "Schnittstelle aus und beschreibt ihn; die Adressen lassen sich als PML-Dateien\n"
    "laden und speichern.\n"
    "\n"
    "  --help     diese Hilfe zeigen\n"
    "  --version  die Version zeigen\n"
    "\n"
    "Andere Argumente werden nicht beachtet.\n"
    "\n"
    "Einstellungen: ~/.config/Nirvel/Pemlar.conf\n"
    "COM-Zuordnung: ~/.config/Nirvel/Pemlar/ports/COM<n> (Verweis auf das Gerät)\n"
    "Ohne Zuordnung: COM1-32 = /dev/ttyS0-31, COM33-64 = /dev/ttyUSB0-31,\n"
    "COM65-96 = /dev/ttyACM0-31\n";

}  // namespace

std::optional<std::string_view> commandLineAnswer(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] != nullptr ? argv[i] : "";
        if (arg == "--help") {
            return kHelp;
        }
        if (arg == "--version") {
            return kVersionLine;
        }
    }
    return std::nullopt;
}

}  // namespace pemlar
