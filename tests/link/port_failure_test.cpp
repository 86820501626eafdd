// The German line a command-line user gets for each kind of port failure.
#include <gtest/gtest.h>

#include "link/port_failure.h"

using namespace pemlar;

namespace {

using pemlar::FailureKind;
using pemlar::PortStep;

TEST(DescribePortFailure, PhrasesEachKindForTheUser) {
    const struct {
        PortStep step;
        FailureKind kind;
        const char* name;
        std::size_t transferred;
        const char* group;
        const char* holder;
        const char* expected;
    } cases[] = {
        {PortStep::Open, FailureKind::Permission, "EACCES", 0, "uucp", "",
         "kein Zugriff – nur für die Gruppe uucp (Mitglied werden, dann neu anmelden) (EACCES)"},
        {PortStep::Open, FailureKind::Permission, "ERROR_ACCESS_DENIED", 0, "", "",
         "kein Zugriff (ERROR_ACCESS_DENIED)"},
        {PortStep::Lock, FailureKind::Busy, "EAGAIN", 0, "", "minicom (PID 812)",
         "belegt von minicom (PID 812) (EAGAIN / flock)"},
        {PortStep::Open, FailureKind::Busy, "ERROR_ACCESS_DENIED", 0, "", "",
         "belegt von einem anderen Programm (ERROR_ACCESS_DENIED)"},
        {PortStep::Read, FailureKind::Removed, "ERROR_ACCESS_DENIED", 0, "", "",
         "Gerät entfernt (ERROR_ACCESS_DENIED)"},
        {PortStep::Timeouts, FailureKind::NotSerial, "ENOTTY", 0, "", "",
         "kein serielles Gerät (ENOTTY)"},
        {PortStep::Read, FailureKind::HangUp, "POLLHUP", 3, "", "",
         "Verbindung unterbrochen – Gerät entfernt? (POLLHUP)"},
        // The system's own text is English on Linux: only the code's name is shown.
        {PortStep::Open, FailureKind::Other, "ENOSPC", 0, "", "", "Öffnen fehlgeschlagen (ENOSPC)"},
        {PortStep::Read, FailureKind::None, "", 0, "", "",
         "Zeitüberschreitung – keine Antwort vom Messgerät (Programmiermodus?)"},
        {PortStep::Read, FailureKind::None, "", 261, "", "",
         "Antwort unvollständig (261 von 262 Bytes)"},
    };
    for (const auto& c : cases) {
        const pemlar::PortFailure failure{.step = c.step,
                                          .kind = c.kind,
                                          .name = c.name,
                                          .text = "No space left on device",
                                          .group = c.group,
                                          .holder = c.holder,
                                          .port = 5,
                                          .device = "/dev/ttyUSB0",
                                          .transferred = c.transferred,
                                          .expected = 262};
        EXPECT_EQ(describePortFailure(failure), std::string("COM5 (/dev/ttyUSB0): ") + c.expected);
    }
}

}  // namespace
