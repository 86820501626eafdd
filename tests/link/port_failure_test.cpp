// The German line a command-line user gets for each kind of port failure.
#include <gtest/gtest.h>

#include "link/port_failure.h"

namespace {

using pemlar::PortFailure;
using pemlar::PortStep;

PortFailure refused(PortStep step, std::int64_t code, const char* name, const char* device,
                    const char* text = "") {
    return {.step = step, .code = code, .name = name, .text = text, .port = 5, .device = device};
}

PortFailure transfer(ScomResult result, PortStep step, std::size_t moved, std::size_t wanted) {
    return {.result = result,
            .step = step,
            .port = 5,
            .device = "/dev/ttyUSB0",
            .transferred = moved,
            .expected = wanted};
}

TEST(DescribePortFailure, PhrasesEachKindForTheUser) {
    const struct {
        PortFailure failure;
        const char* expected;
    } cases[] = {
        {refused(PortStep::Open, 13, "EACCES", "/dev/ttyUSB0"),
         "COM5 (/dev/ttyUSB0): Zugriff verweigert – Mitglied der Gruppe dialout? (EACCES)"},
        {refused(PortStep::Lock, 11, "EAGAIN", "/dev/ttyUSB0"),
         "COM5 (/dev/ttyUSB0): belegt von einem anderen Programm (EAGAIN / flock)"},
        {refused(PortStep::Open, 16, "EBUSY", "/dev/ttyUSB0"),
         "COM5 (/dev/ttyUSB0): belegt von einem anderen Programm (EBUSY)"},
        {refused(PortStep::Open, 2, "ENOENT", "/dev/ttyUSB0"),
         "COM5 (/dev/ttyUSB0): Gerät nicht vorhanden (ENOENT)"},
        {refused(PortStep::Read, 5, "EIO", "/dev/ttyUSB0"),
         "COM5 (/dev/ttyUSB0): Ein-/Ausgabefehler – Gerät entfernt? (EIO)"},
        {refused(PortStep::Open, 5, "ERROR_ACCESS_DENIED", "\\\\.\\COM5"),
         "COM5 (\\\\.\\COM5): belegt von einem anderen Programm (ERROR_ACCESS_DENIED)"},
        {refused(PortStep::Read, 5, "ERROR_ACCESS_DENIED", "\\\\.\\COM5"),
         "COM5 (\\\\.\\COM5): Gerät entfernt? (ERROR_ACCESS_DENIED)"},
        {refused(PortStep::Open, 2, "ERROR_FILE_NOT_FOUND", "\\\\.\\COM5"),
         "COM5 (\\\\.\\COM5): Gerät nicht vorhanden (ERROR_FILE_NOT_FOUND)"},
        {refused(PortStep::Configure, 87, "ERROR_INVALID_PARAMETER", "\\\\.\\COM5"),
         "COM5 (\\\\.\\COM5): Einstellungen 9600 8N1 nicht angenommen (ERROR_INVALID_PARAMETER)"},
        {refused(PortStep::Write, 28, "ENOSPC", "/dev/ttyUSB0", "No space left on device"),
         "COM5 (/dev/ttyUSB0): Senden fehlgeschlagen: No space left on device (ENOSPC)"},
        {refused(PortStep::Resolve, 0, "", ""), "COM5: keinem Gerät zugeordnet"},
        {transfer(ScomResult::TransferError, PortStep::Read, 0, 262),
         "COM5 (/dev/ttyUSB0): Zeitüberschreitung – keine Antwort vom Messgerät "
         "(Programmiermodus?)"},
        {transfer(ScomResult::TransferError, PortStep::Read, 261, 262),
         "COM5 (/dev/ttyUSB0): Antwort unvollständig (261 von 262 Bytes)"},
        {transfer(ScomResult::Timeout, PortStep::Write, 0, 6),
         "COM5 (/dev/ttyUSB0): Zeitüberschreitung beim Senden – Leitung blockiert?"},
        {transfer(ScomResult::ChecksumError, PortStep::Read, 0, 0),
         "COM5 (/dev/ttyUSB0): Prüfsumme der Antwort falsch"},
        {transfer(ScomResult::InstrumentError, PortStep::Read, 0, 0),
         "COM5 (/dev/ttyUSB0): Messgerät meldet einen Fehler beim Speichern"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describePortFailure(c.failure), c.expected);
    }
}

}  // namespace
