#include "shell/help_places.h"

namespace pemlar {

std::string_view helpPlaces() {
    return "Einstellungen: Registrierung, HKEY_CURRENT_USER\\Software\\Nirvel\\Pemlar\n"
           "Schnittstellen: COM<n> ist \\\\.\\COM<n>, wie der Geräte-Manager sie zeigt\n"
           "Sicherungen: %LOCALAPPDATA%\\Nirvel\\Pemlar\\backups\n"
           "Etikettenliste: testlab.lst im Ordner, in dem das Programm startet\n";
}

}  // namespace pemlar
