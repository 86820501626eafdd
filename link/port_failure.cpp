#include "link/port_failure.h"

#include <array>
#include <string_view>

namespace pemlar {
namespace {

// Steps that hold the device: what an error code means there differs from what it
// means while it is being opened (Windows says ERROR_ACCESS_DENIED for a port that is
// taken, and again for a USB adapter pulled out in the middle of a read).
bool onOpenPort(PortStep step) {
    return step == PortStep::Write || step == PortStep::Read || step == PortStep::Close;
}

struct KnownCode {
    std::string_view name;
    bool onOpenPort;
    std::string_view phrase;
};

// Both platforms' names in one table: the name says which platform it came from.
constexpr std::array<KnownCode, 25> kKnownCodes{{
    {"EACCES", false, "Zugriff verweigert – Mitglied der Gruppe dialout?"},
    {"EPERM", false, "Zugriff verweigert – Mitglied der Gruppe dialout?"},
    {"EBUSY", false, "belegt von einem anderen Programm"},
    {"EAGAIN", false, "belegt von einem anderen Programm"},
    {"ENOENT", false, "Gerät nicht vorhanden"},
    {"ENXIO", false, "Gerät nicht vorhanden"},
    {"ENODEV", false, "Gerät nicht vorhanden"},
    {"EIO", false, "Gerät antwortet nicht – keine Schnittstelle unter diesem Namen?"},
    {"ENOTTY", false, "keine serielle Schnittstelle"},
    {"EIO", true, "Ein-/Ausgabefehler – Gerät entfernt?"},
    {"ENXIO", true, "Gerät entfernt"},
    {"ENODEV", true, "Gerät entfernt"},
    {"POLLHUP", true, "Verbindung unterbrochen – Gerät entfernt?"},
    {"ERROR_FILE_NOT_FOUND", false, "Gerät nicht vorhanden"},
    {"ERROR_PATH_NOT_FOUND", false, "Gerät nicht vorhanden"},
    {"ERROR_ACCESS_DENIED", false, "belegt von einem anderen Programm"},
    {"ERROR_SHARING_VIOLATION", false, "belegt von einem anderen Programm"},
    {"ERROR_INVALID_PARAMETER", false, "Einstellungen 9600 8N1 nicht angenommen"},
    {"ERROR_NOT_SUPPORTED", false, "Einstellungen 9600 8N1 nicht angenommen"},
    {"ERROR_ACCESS_DENIED", true, "Gerät entfernt?"},
    {"ERROR_DEVICE_NOT_CONNECTED", true, "Gerät entfernt"},
    {"ERROR_NOT_READY", true, "Gerät nicht bereit – entfernt?"},
    {"ERROR_GEN_FAILURE", true, "Gerät antwortet nicht – entfernt?"},
    {"ERROR_OPERATION_ABORTED", true, "Übertragung abgebrochen – Gerät entfernt?"},
    {"ERROR_SEM_TIMEOUT", true, "Zeitüberschreitung"},
}};

std::string_view knownPhrase(const PortFailure& f) {
    for (const KnownCode& known : kKnownCodes) {
        if (known.name == f.name && known.onOpenPort == onOpenPort(f.step)) {
            return known.phrase;
        }
    }
    return {};
}

std::string_view stepFailed(PortStep step) {
    switch (step) {
        case PortStep::Resolve:
        case PortStep::Open:
            return "Öffnen fehlgeschlagen";
        case PortStep::Lock:
            return "Sperren fehlgeschlagen";
        case PortStep::Timeouts:
            return "Zeitgrenzen nicht angenommen";
        case PortStep::Configure:
            return "Einstellungen 9600 8N1 nicht angenommen";
        case PortStep::Write:
            return "Senden fehlgeschlagen";
        case PortStep::Read:
            return "Empfangen fehlgeschlagen";
        case PortStep::Close:
            return "Schließen fehlgeschlagen";
        case PortStep::None:
            break;
    }
    return "ungültige Anfrage";
}

std::string countOf(const PortFailure& f) {
    return std::to_string(f.transferred) + " von " + std::to_string(f.expected) + " Bytes";
}

// What went wrong when the platform reported no error of its own.
std::string withoutCode(const PortFailure& f) {
    switch (f.result) {
        case ScomResult::BadFrameStart:
            return "Antwort beginnt nicht mit AA 55";
        case ScomResult::ChecksumError:
            return "Prüfsumme der Antwort falsch";
        case ScomResult::InstrumentError:
            return "Messgerät meldet einen Fehler beim Speichern";
        default:
            break;
    }
    if (f.step == PortStep::Resolve) {
        return "keinem Gerät zugeordnet";
    }
    if (f.step == PortStep::Close) {
        return "war nicht geöffnet";
    }
    if (f.step == PortStep::Write && f.transferred == 0) {
        return "Zeitüberschreitung beim Senden – Leitung blockiert?";
    }
    if (f.step == PortStep::Write) {
        return "Senden unvollständig (" + countOf(f) + ")";
    }
    if (f.step == PortStep::Read && f.transferred == 0) {
        return "Zeitüberschreitung – keine Antwort vom Messgerät (Programmiermodus?)";
    }
    if (f.step == PortStep::Read) {
        return "Antwort unvollständig (" + countOf(f) + ")";
    }
    return std::string(stepFailed(f.step));
}

}  // namespace

std::string describePortFailure(const PortFailure& f) {
    std::string line = "COM" + std::to_string(f.port);
    if (!f.device.empty()) {
        line += " (" + f.device + ")";
    }
    line += ": ";
    if (f.name.empty()) {
        return line + withoutCode(f);
    }
    const std::string_view phrase = knownPhrase(f);
    if (!phrase.empty()) {
        line += phrase;
    } else {
        line += stepFailed(f.step);
        if (!f.text.empty()) {
            line += ": " + f.text;
        }
    }
    line += " (" + f.name;
    if (f.step == PortStep::Lock) {
        line += " / flock";
    }
    return line + ")";
}

}  // namespace pemlar
