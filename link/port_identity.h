#pragma once
// What is behind a serial device: the kind of port and, for a USB adapter, its maker,
// product and serial number, so a technician can tell which COM number is the cable in
// their hand. One file per platform: port_identity_posix.cpp reads sysfs and
// /dev/serial/by-id, port_identity_win32.cpp asks SetupAPI for the Ports class and the
// registry for the COM numbers serial drivers enter in SERIALCOMM.
// Identifying opens nothing.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace pemlar {

enum class PortKind { UsbAdapter, Acm, BuiltIn, PseudoTerminal, Other };

struct PortIdentity {
    PortKind kind = PortKind::Other;
    // The device node the path leads to, links followed (Windows: \\.\COM<n>).
    std::string device;
    // Linux: the /dev/serial/by-id link that leads to the same device; empty else.
    std::string byId;
    std::string driver;
    std::string vendorId;  // USB: four hex digits as the system gives them
    std::string productId;
    std::string manufacturer;
    std::string product;
    std::string serial;
    std::string friendlyName;  // Windows: "USB-SERIAL CH340 (COM7)"
    // false: nothing there (a dangling link, a missing node, a UART node with no chip;
    // on Windows a COM number that the system lists nowhere, while it lists others)
    bool exists = true;
    // Why a scan never offers nor opens it (the system console, a built-in UART with no
    // chip behind it); empty when it may be offered.
    std::string withheld;
};

// Where the system's trees are; tests point these at fake trees.
struct PortRoots {
    std::filesystem::path sys = "/sys";
    std::filesystem::path dev = "/dev";
};

// The identity of the device a path (or \\.\COM<n>) names.
using PortIdentifier = std::function<PortIdentity(const std::string& device)>;

// The platform's identifier. Each one takes one look at the system when first asked
// and answers from that, so make a new one for each scan.
PortIdentifier systemPortIdentifier(PortRoots roots = {});

// What a user recognises it by, in German: "USB FTDI FT232R USB UART, Seriennr.
// A50285BI", "eingebaute Schnittstelle", "Pseudo-Terminal"; empty when nothing is known.
std::string describePortIdentity(const PortIdentity& identity);

// "usb", "acm", "builtin", "pty", "other" (the --json value).
std::string_view portKindName(PortKind kind);

// A USB serial adapter or a USB ACM device: what a technician plugs in.
inline bool isAdapter(const PortIdentity& identity) {
    return identity.kind == PortKind::UsbAdapter || identity.kind == PortKind::Acm;
}

// Whether two paths reach the same device: the same device number for device nodes (a
// link and its target, two links), the same file otherwise.
bool sameDevice(const std::string& a, const std::string& b);

}  // namespace pemlar
