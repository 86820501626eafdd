#include "shell/command_line.h"

#include <string>
#include <string_view>

#include "shell/help_places.h"

namespace pemlar {

namespace {

constexpr std::string_view kVersionLine = "Pemlar-Programm " PEMLAR_VERSION "\n";

constexpr std::string_view kHelpStart =
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
    "\n";

std::string_view help() {
    static const std::string text = std::string(kHelpStart) + std::string(helpPlaces());
    return text;
}

}  // namespace

std::optional<std::string_view> commandLineAnswer(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] != nullptr ? argv[i] : "";
        if (arg == "--help") {
            return help();
        }
        if (arg == "--version") {
            return kVersionLine;
        }
    }
    return std::nullopt;
}

}  // namespace pemlar
