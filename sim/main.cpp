// pemlar-sim: the simulated instrument as a program, for trying Pemlar-Programm
// without hardware. The first line on standard output is the device it serves.

#include <pthread.h>
#include <signal.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "sim/demo_image.h"
#include "sim/image_file.h"
#include "sim/instrument.h"
#include "sim/mapping_link.h"
#include "sim/sim_server.h"

namespace pemlar {

namespace {

constexpr const char* kHelp =
    "Aufruf: pemlar-sim [Optionen]\n"
    "Simuliertes Messgeraet fuer Pemlar-Programm: beantwortet die Befehle des\n"
    "Programms an einer seriellen Schnittstelle (9600 Baud, 8N1).\n"
    "\n"
    "  --device PFAD  dieses Geraet bedienen statt eines neuen Pseudo-Terminals\n"
    "  --com N        das Geraet als COM<N> im Port-Verzeichnis des Programms\n"
    "                 eintragen ($XDG_CONFIG_HOME oder ~/.config, darin\n"
    "                 Nirvel/Pemlar/ports) und beim Beenden wieder austragen\n"
    "  --image DATEI  EEPROM-Abbild (2048 Bytes) in DATEI halten, damit ein\n"
    "                 Schreiben einen Neustart uebersteht; fehlt DATEI, wird sie\n"
    "                 mit der Vorfuehr-Adresse angelegt\n"
    "  --fast         sofort antworten statt im Takt von 9600 Baud\n"
    "  --fault ART    absichtlich fehlerhaft antworten, ART ist eine von:\n"
    "                   none       antwortet richtig (Standard)\n"
    "                   silent     schweigt (nicht im Programmiermodus)\n"
    "                   bad-start  falsche Startbytes\n"
    "                   bad-check  falsche Pruefsumme\n"
    "                   short      Antwort ein Byte zu kurz\n"
    "                   status     meldet nach dem Schreiben einen Fehler\n"
    "                   noise      Stoerbytes vor jeder Antwort\n"
    "                   corrupt    speichert ein Byte verfaelscht, meldet aber Erfolg\n"
    "  -h, --help     diese Hilfe\n"
    "\n"
    "Jeder Wert geht auch als --option=WERT.\n"
    "Die erste Zeile der Ausgabe ist der Pfad des bedienten Geraets.\n"
    "Ohne --image beginnt das Geraet mit einer Vorfuehr-Adresse. Beenden mit Strg+C.\n";

struct Arguments {
    std::optional<std::string> device;
    std::optional<int> comNumber;
    std::optional<std::filesystem::path> image;
    bool fast = false;
    SimFault fault = SimFault::None;
    bool help = false;
};

int usageError(const std::string& message) {
    std::fprintf(stderr, "pemlar-sim: %s\nMehr mit: pemlar-sim --help\n", message.c_str());
    return 2;
}

// Fills `args`; returns 0, or the exit code of a usage error.
int parseArguments(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        std::string_view option = argv[i];
        std::optional<std::string_view> inlineValue;
        if (const std::size_t equals = option.find('='); equals != std::string_view::npos) {
            inlineValue = option.substr(equals + 1);
            option = option.substr(0, equals);
        }
        const bool takesValue =
            option == "--device" || option == "--com" || option == "--image" || option == "--fault";
        std::string_view value;
        if (takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                return usageError(std::string(option) + " braucht einen Wert");
            }
        } else if (inlineValue) {
            return usageError(std::string(option) + " nimmt keinen Wert");
        }
        if (option == "--help" || option == "-h") {
            args.help = true;
        } else if (option == "--fast") {
            args.fast = true;
        } else if (option == "--device") {
            args.device = std::string(value);
        } else if (option == "--image") {
            args.image = std::filesystem::path(value);
        } else if (option == "--com") {
            int number = 0;
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), number);
            if (error != std::errc() || end != value.data() + value.size() || number < 1 ||
                number > 999) {
                return usageError("--com erwartet eine Portnummer von 1 bis 999, nicht \"" +
                                  std::string(value) + "\"");
            }
            args.comNumber = number;
        } else if (option == "--fault") {
            const std::optional<SimFault> fault = parseSimFault(value);
            if (!fault) {
                return usageError("unbekannte Fehlerart \"" + std::string(value) + "\"");
            }
            args.fault = *fault;
        } else {
            return usageError("unbekannte Option \"" + std::string(argv[i]) + "\"");
        }
    }
    return 0;
}

std::optional<EepromImage> startingImage(const Arguments& args) {
    if (!args.image || !std::filesystem::exists(*args.image)) {
        EepromImage image = demoImage();
        std::string error;
        if (args.image && !saveImageFile(*args.image, image, error)) {
            std::fprintf(stderr, "pemlar-sim: %s\n", error.c_str());
            return std::nullopt;
        }
        return image;
    }
    std::string error;
    std::optional<EepromImage> image = loadImageFile(*args.image, error);
    if (!image) {
        std::fprintf(stderr, "pemlar-sim: %s\n", error.c_str());
    }
    return image;
}

}  // namespace

}  // namespace pemlar

using namespace pemlar;

int main(int argc, char** argv) {
    Arguments args;
    if (const int code = parseArguments(argc, argv, args); code != 0) {
        return code;
    }
    if (args.help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    const std::optional<EepromImage> image = startingImage(args);
    if (!image) {
        return 1;
    }

    // Block the ending signals before any thread starts, and take them with sigwait
    // below, so that cleanup runs on the main thread in ordinary code.
    sigset_t endings;
    sigemptyset(&endings);
    sigaddset(&endings, SIGINT);
    sigaddset(&endings, SIGTERM);
    sigaddset(&endings, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &endings, nullptr);

    SimOptions options;
    options.fast = args.fast;
    options.fault = args.fault;
    if (args.image) {
        options.onImageChanged = [file = *args.image](const EepromImage& changed) {
            std::string error;
            if (!saveImageFile(file, changed, error)) {
                std::fprintf(stderr, "pemlar-sim: %s\n", error.c_str());
            }
        };
    }
    std::string error;
    std::unique_ptr<SimServer> server =
        args.device ? SimServer::onDevice(*args.device, *image, options, error)
                    : SimServer::onPty(*image, options, error);
    if (!server) {
        std::fprintf(stderr, "pemlar-sim: %s\n", error.c_str());
        return 1;
    }
    std::optional<MappingLink> link;
    if (args.comNumber) {
        link = MappingLink::create(*args.comNumber, server->devicePath(), error);
        if (!link) {
            std::fprintf(stderr, "pemlar-sim: %s\n", error.c_str());
            return 1;
        }
    }

    std::printf("%s\n", server->devicePath().c_str());
    std::fflush(stdout);
    if (link) {
        std::fprintf(stderr, "pemlar-sim: COM%d -> %s\n", *args.comNumber,
                     server->devicePath().c_str());
    }
    std::fprintf(stderr, "pemlar-sim: Fehlerart %s, %s. Beenden mit Strg+C.\n",
                 std::string(simFaultName(args.fault)).c_str(),
                 args.fast ? "ohne Takt" : "9600 Baud");

    int signal = 0;
    sigwait(&endings, &signal);
    if (link) {
        link->remove();
    }
    server.reset();
    return 0;
}
