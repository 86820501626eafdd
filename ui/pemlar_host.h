#pragma once
// What the main dialog needs of the running application: the serial link and the
// stored EEPROM image. The application object (shell/ta_pemlare.h) provides them; a
// window finds it through fw::Application::instance() with a checked downcast, never
// through a global.

#include "data/eeprom_image.h"
#include "link/port_identity.h"
#include "link/port_resolver.h"

namespace pemlar {

namespace fw {
class Window;
}

class scom;

class PemlarHost {
public:
    virtual scom& Com() = 0;
    virtual EepromImage& StoredImage() = 0;
    // Runs the about box modally over `owner` until the user closes it. The about box
    // belongs to the shell, above this layer; an application without one shows nothing.
    virtual void RunAboutBox(fw::Window* owner) { (void)owner; }
    // The devices behind the COM numbers as they stand (resolving them here keeps
    // nothing); the port list offers only these. None by default.
    virtual PortResolver PortDevices() { return {}; }
    // What is behind each device, for the port list's hints and to keep the system
    // console out of it; a fresh one for each filling. None by default.
    virtual PortIdentifier PortIdentities() { return {}; }

protected:
    ~PemlarHost() = default;
};

// The running application as PemlarHost; null when it is none (never in the program).
PemlarHost* currentHost();

}  // namespace pemlar
