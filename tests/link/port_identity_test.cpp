// What is behind each device, read from a fake sysfs and /dev tree laid out as Linux
// lays out the real ones.
#include "link/port_identity.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

namespace fs = std::filesystem;

class FakeTree {
public:
    FakeTree() {
        file(sys() / "class/tty/console/active", "tty0 ttyS0\n");
        uart("ttyS0", "4");  // the console
        uart("ttyS1", "0");  // a node without a chip
        uart("ttyS2", "4");
        const fs::path usb = sys() / "devices/pci0000:00/usb1/1-1";
        file(usb / "idVendor", "0403\n");
        file(usb / "idProduct", "6001\n");
        file(usb / "manufacturer", "FTDI\n");
        file(usb / "product", "FT232R USB UART\n");
        file(usb / "serial", "A50285BI\n");
        tty("ttyUSB0", usb / "1-1:1.0/ttyUSB0", "usb-serial/drivers/ftdi_sio");
        const fs::path acm = sys() / "devices/pci0000:00/usb1/1-2";
        file(acm / "idVendor", "2341\n");
        file(acm / "idProduct", "0043\n");
        file(acm / "product", "Uno\n");
        tty("ttyACM0", acm / "1-2:1.0", "usb/drivers/cdc_acm");
        file(dev() / "pts/3", "");
        fs::create_directories(dev() / "serial/by-id");
        fs::create_symlink("../../ttyUSB0",
                           dev() / "serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        fs::create_directories(root_.path() / "ports");
        fs::create_symlink(dev() / "ttyUSB0", root_.path() / "ports/COM5");
        fs::create_symlink(dev() / "ttyUSB1", root_.path() / "ports/COM6");
    }
    fs::path sys() const { return root_.path() / "sys"; }
    fs::path dev() const { return root_.path() / "dev"; }
    fs::path at(const char* relative) const { return root_.path() / relative; }

private:
    static void file(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    // A tty's class entry, its device folder with a driver, and its node.
    void tty(const std::string& name, const fs::path& device, const std::string& driver) {
        fs::create_directories(device);
        fs::create_directories(sys() / "bus" / driver);
        fs::create_symlink(sys() / "bus" / driver, device / "driver");
        fs::create_directories(sys() / "class/tty" / name);
        fs::create_symlink(device, sys() / "class/tty" / name / "device");
        file(dev() / name, "");
    }
    void uart(const std::string& name, const std::string& type) {
        tty(name, sys() / "devices/platform/serial8250" / name, "platform/drivers/serial8250");
        file(sys() / "class/tty" / name / "type", type + "\n");
    }
    TempFolder root_;
};

TEST(PortIdentity, FromSysfsAndSerialById) {
    const FakeTree tree;
    const PortIdentifier identify = systemPortIdentifier({tree.sys(), tree.dev()});
    const struct {
        const char* path;
        PortKind kind;
        bool exists;
        const char* withheld;
        const char* description;
        bool byId;
    } cases[] = {
        {"dev/ttyUSB0", PortKind::UsbAdapter, true, "",
         "USB FTDI FT232R USB UART, Seriennr. A50285BI", true},
        {"ports/COM5", PortKind::UsbAdapter, true, "",
         "USB FTDI FT232R USB UART, Seriennr. A50285BI", true},
        {"dev/ttyACM0", PortKind::Acm, true, "", "USB (ACM) Uno", false},
        {"dev/ttyS0", PortKind::BuiltIn, true, "Systemkonsole", "eingebaute Schnittstelle", false},
        {"dev/ttyS1", PortKind::BuiltIn, false, "Typ unbekannt", "eingebaute Schnittstelle", false},
        {"dev/ttyS2", PortKind::BuiltIn, true, "", "eingebaute Schnittstelle", false},
        {"dev/pts/3", PortKind::PseudoTerminal, true, "", "Pseudo-Terminal", false},
        {"ports/COM6", PortKind::Other, false, "", "", false},
    };
    for (const auto& c : cases) {
        const PortIdentity id = identify(tree.at(c.path).string());
        EXPECT_EQ(id.kind, c.kind) << c.path;
        EXPECT_EQ(id.exists, c.exists) << c.path;
        EXPECT_NE(id.withheld.find(c.withheld), std::string::npos) << c.path << ": " << id.withheld;
        EXPECT_EQ(id.withheld.empty(), std::string(c.withheld).empty()) << c.path;
        EXPECT_EQ(describePortIdentity(id), c.description) << c.path;
        EXPECT_EQ(!id.byId.empty(), c.byId) << c.path;
    }
    const PortIdentity usb = identify(tree.at("ports/COM5").string());
    EXPECT_EQ(usb.device, tree.at("dev/ttyUSB0").string()) << "the link's target";
    EXPECT_EQ(usb.vendorId, "0403");
    EXPECT_EQ(usb.productId, "6001");
    EXPECT_EQ(usb.driver, "ftdi_sio");
    EXPECT_EQ(identify(tree.at("ports/COM6").string()).device, tree.at("dev/ttyUSB1").string());
}

}  // namespace
