#pragma once
// The application object: owns the serial link and the stored EEPROM image for the
// whole run, builds the main window and runs the message loop.

#include <cstdint>
#include <memory>

#include "data/eeprom_image.h"
#include "framework/application.h"
#include "link/port_identity.h"
#include "link/port_pins.h"
#include "link/port_resolver.h"
#include "ui/pemlar_host.h"

namespace pemlar {

class TF_Pemlare;
class scom;

// The first of COM1 to COM4 that `com` can open, else 1. Ports above 4 are not tried;
// with `devices` and `identify`, nor is a number without a device or one withheld
// (the system console).
std::int32_t initialPort(scom& com, const PortResolver& devices = {},
                         const PortIdentifier& identify = {});

class TA_Pemlare : public fw::Application, public PemlarHost {
public:
    // `argc` must outlive the application. The link starts on initialPort(); tests hand
    // in a resolver that maps only the devices they made.
    TA_Pemlare(int& argc, char** argv, PortResolver resolver = systemPortResolver());
    // Deletes the link first, then the main window.
    ~TA_Pemlare() override;

    // Builds the main window, shows it and runs the message loop until the frame has
    // closed; returns the exit status (0 after a normal close).
    int Run();

    // Null before Run().
    TF_Pemlare* MainWindow() const { return mainWindow_.get(); }

    scom& Com() override { return *com_; }
    EepromImage& StoredImage() override { return storedImage_; }
    // "Info über ...": template 2016, centred on the primary screen, a new one each time.
    void RunAboutBox(fw::Window* owner) override;
    PortResolver PortDevices() override { return pins_->resolver(); }
    PortIdentifier PortIdentities() override { return systemPortIdentifier(); }

protected:
    // Builds the main dialog and the frame around it; runs once per Run().
    virtual void InitMainWindow();

private:
    // Each COM number keeps the device it had when the program first probed or opened
    // it; the link resolves through these.
    std::unique_ptr<PortPins> pins_;
    std::unique_ptr<TF_Pemlare> mainWindow_;  // destroyed after the link
    std::unique_ptr<scom> com_;
    EepromImage storedImage_{};
};

}  // namespace pemlar
