#include "resources/string_table.h"
#include "resources/resource_ids.h"

#include <array>

namespace pemlar {

namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// The misspellings are the program's own ("Püfsummen", "Messgeraet"); keep them.
constexpr std::array<StringEntry, 22> kStrings = {{
    {kFileFilterString, "Pemlar-Format *.PML|*.PML|Alle Dateien *.*|*.*|"},
    {kLoadTitleString, "Pemlardatei laden ..."},
    {kSaveTitleString, "Pemlardatei speichern ..."},
    {kMsgTimeout, "Es ist ein Timeout aufgetreten !"},
    {kMsgTransferError, "Es ist ein Fehler bei der Datenübertragung aufgetreten!"},
    {kMsgChecksumError, "Es ist ein Püfsummen-Fehler aufgetreten !"},
    {kMsgCloseFailed, "Die serielle Schnittstelle konnte nicht geschlossen werden !"},
    {kMsgOpenFailed, "Die serielle Schnittstelle konnte nicht geöffnet werden !"},
    {kMsgInitFailed, "Die serielle Schnittstelle konnte nicht initialisiert werden !"},
    {kMsgInstrumentError, "Das Messgeraet hat einen Fehler gemeldet !"},
    {kMsgWriteDone, "Die Programmierung des EEproms wurde erfolgreich beendet!"},
    {kProgramTitleString, "Pemlar-Programm"},
    {kVersionString, "Version 1.4"},
    {kMsgSaveFailed, "Die Datei konnte nicht gespeichert werden !"},
    {kMsgLoadFailed, "Die Datei konnte nicht gelesen werden !"},
    {kMsgUnshownChars,
     "Folgende Zeichen kann das Messgerät nicht darstellen: %s. Trotzdem programmieren?"},
    {kMsgBackupFailed, "Die Sicherung der gelesenen Daten konnte nicht angelegt werden: %s"},
    {kMsgUnsavedAddress,
     "Die geänderte Adresse wurde weder gespeichert noch programmiert. Trotzdem beenden?"},
    {kWarningCaption, "Warnung..."},
    {kErrorCaption, "Fehler..."},
    {kInfoCaption, "Information..."},
    {kQuestionCaption, "Frage..."},
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
