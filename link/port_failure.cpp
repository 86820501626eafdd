#include "link/port_failure.h"

#include <string_view>

namespace pemlar {
namespace {

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

std::string fromKind(const PortFailure& f) {
    switch (f.kind) {
        case FailureKind::NotFound:
            return "Gerät nicht vorhanden";
        case FailureKind::Permission:
            return f.group.empty() ? "kein Zugriff"
                                   : "kein Zugriff – nur für die Gruppe " + f.group +
                                         " (Mitglied werden, dann neu anmelden)";
        case FailureKind::Busy:
            return "belegt von " + (f.holder.empty() ? "einem anderen Programm" : f.holder);
        case FailureKind::Removed:
            return "Gerät entfernt";
        case FailureKind::NotSerial:
            return "kein serielles Gerät";
        case FailureKind::HangUp:
            return "Verbindung unterbrochen – Gerät entfernt?";
        case FailureKind::None:
        case FailureKind::Other:
            break;
    }
    return std::string(stepFailed(f.step));
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
    if (f.kind != FailureKind::None && f.kind != FailureKind::Other) {
        return fromKind(f);
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

std::string portFailureReason(const PortFailure& f) {
    if (f.name.empty()) {
        return withoutCode(f);
    }
    std::string line = fromKind(f) + " (" + f.name;
    if (f.step == PortStep::Lock) {
        line += " / flock";
    }
    return line + ")";
}

std::string describePortFailure(const PortFailure& f) {
    std::string line = "COM" + std::to_string(f.port);
    if (!f.device.empty()) {
        line += " (" + f.device + ")";
    }
    return line + ": " + portFailureReason(f);
}

}  // namespace pemlar
