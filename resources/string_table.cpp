#include "resources/string_table.h"

#include <array>

namespace pemlar {

namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// The misspellings are the program's own ("Püfsummen", "Messgeraet"); keep them.
constexpr std::array<StringEntry, 20> kStrings = {{
    {10300, "Pemlar-Format *.PML|*.PML|Alle Dateien *.*|*.*|"},
    {10301, "Pemlardatei laden ..."},
    {10302, "Pemlardatei speichern ..."},
    {10303, "Es ist ein Timeout aufgetreten !"},
    {10304, "Es ist ein Fehler bei der Datenübertragung aufgetreten!"},
    {10305, "Es ist ein Püfsummen-Fehler aufgetreten !"},
    {10306, "Die serielle Schnittstelle konnte nicht geschlossen werden !"},
    {10307, "Die serielle Schnittstelle konnte nicht geöffnet werden !"},
    {10308, "Die serielle Schnittstelle konnte nicht initialisiert werden !"},
    {10309, "Das Messgeraet hat einen Fehler gemeldet !"},
    {10310, "Die Programmierung des EEproms wurde erfolgreich beendet!"},
    {10311, "Pemlar-Programm"},
    {10312, "Version 1.4"},
    {10313, "Die Datei konnte nicht gespeichert werden !"},
    {10314, "Die Datei konnte nicht gelesen werden !"},
    {10315, "Folgende Zeichen kann das Messgerät nicht darstellen: %s. Trotzdem programmieren?"},
    {12100, "Warnung..."},
    {12101, "Fehler..."},
    {12102, "Information..."},
    {12103, "Frage..."},
}};

}  // namespace

std::string_view stringResource(int id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

}  // namespace pemlar
