#pragma once
// What the test application offers the tests beyond the main dialog's needs.

#include <QString>

#include "link/port_resolver.h"

// The link of the test application reaches only the devices this resolver maps; an
// empty resolver (the default) maps none.
void useTestPorts(PortResolver resolver);

// The folder the settings store of this run lives in (never the user's own).
QString testSettingsFolder();
