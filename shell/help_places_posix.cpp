#include "shell/help_places.h"

namespace pemlar {

std::string_view helpPlaces() {
    return "Einstellungen: ~/.config/Nirvel/Pemlar.conf\n"
           "COM-Zuordnung: ~/.config/Nirvel/Pemlar/ports/COM<n> (Verweis auf das Gerät)\n"
           "Ohne Zuordnung: COM1-32 = /dev/ttyS0-31, COM33-64 = /dev/ttyUSB0-31,\n"
           "COM65-96 = /dev/ttyACM0-31\n"
           "Sicherungen: ~/.local/share/Nirvel/Pemlar/backups\n"
           "Etikettenliste: testlab.lst im Ordner, in dem das Programm startet\n";
}

}  // namespace pemlar
