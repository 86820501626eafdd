#pragma once
// What the test application offers the tests beyond the main dialog's needs.

#include <memory>

#include "link/port_resolver.h"

namespace pemlar {

class scom;

// The link of the test application reaches only the devices this resolver maps; an
// empty resolver (the default) maps none.
void useTestPorts(PortResolver resolver);
// Puts `link` in place of the application's link; null brings back the default one.
void useTestLink(std::unique_ptr<scom> link);

}  // namespace pemlar
