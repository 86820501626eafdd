#pragma once
// The serial link of the test application. It reaches no device until a test hands
// it one.

#include <memory>

class scom;

// Puts `link` in place of the application's link; null brings back the default one.
void useTestLink(std::unique_ptr<scom> link);
