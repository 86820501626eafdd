// The German line a command-line user gets for each kind of port failure.
#include <gtest/gtest.h>

#include "link/port_failure.h"

using namespace pemlar;

namespace {

using pemlar::PortStep;

TEST(DescribePortFailure, PhrasesEachKindForTheUser) {
    const struct {
        PortStep step;
        const char* name;
        std::size_t transferred;
        const char* expected;
    } cases[] = {
        {PortStep::Open, "EACCES", 0, "Zugriff verweigert – Mitglied der Gruppe dialout? (EACCES)"},
        {PortStep::Lock, "EAGAIN", 0, "belegt von einem anderen Programm (EAGAIN / flock)"},
        {PortStep::Open, "ERROR_ACCESS_DENIED", 0,
         "belegt von einem anderen Programm (ERROR_ACCESS_DENIED)"},
        {PortStep::Read, "ERROR_ACCESS_DENIED", 0, "Gerät entfernt? (ERROR_ACCESS_DENIED)"},
        {PortStep::Open, "ENOSPC", 0, "Öffnen fehlgeschlagen: kein Platz (ENOSPC)"},
        {PortStep::Read, "", 0,
         "Zeitüberschreitung – keine Antwort vom Messgerät (Programmiermodus?)"},
        {PortStep::Read, "", 261, "Antwort unvollständig (261 von 262 Bytes)"},
    };
    for (const auto& c : cases) {
        const pemlar::PortFailure failure{.step = c.step,
                                          .name = c.name,
                                          .text = "kein Platz",
                                          .port = 5,
                                          .device = "/dev/ttyUSB0",
                                          .transferred = c.transferred,
                                          .expected = 262};
        EXPECT_EQ(describePortFailure(failure), std::string("COM5 (/dev/ttyUSB0): ") + c.expected);
    }
}

}  // namespace
