#include <sys/stat.h>

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "link/port_identity.h"

namespace pemlar {

namespace {

namespace fs = std::filesystem;

// A sysfs attribute's first line; empty when it is not there.
std::string attribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

fs::path linkTarget(const fs::path& link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    if (error) {
        return {};
    }
    return (link.parent_path() / target).lexically_normal();
}

// What the system looks like for one scan: the console's ttys and the by-id links.
struct Snapshot {
    std::vector<std::string> consoles;
    std::vector<std::pair<fs::path, fs::path>> byId;  // link, target
};

Snapshot takeSnapshot(const PortRoots& roots) {
    Snapshot snapshot;
    std::istringstream active(attribute(roots.sys / "class" / "tty" / "console" / "active"));
    for (std::string name; active >> name;) {
        snapshot.consoles.push_back(name);
    }
    std::error_code error;
    for (fs::directory_iterator it(roots.dev / "serial" / "by-id", error), end; !error && it != end;
         it.increment(error)) {
        snapshot.byId.emplace_back(it->path(), linkTarget(it->path()));
    }
    return snapshot;
}

// The USB device a tty hangs from: the nearest folder above it with an idVendor.
std::optional<fs::path> usbDeviceOf(const fs::path& ttyDevice) {
    std::error_code error;
    fs::path folder = fs::canonical(ttyDevice, error);
    for (int up = 0; !error && up < 4 && folder.has_relative_path(); ++up) {
        if (fs::exists(folder / "idVendor", error)) {
            return folder;
        }
        folder = folder.parent_path();
    }
    return std::nullopt;
}

PortIdentity identify(const PortRoots& roots, const Snapshot& snapshot, const std::string& path) {
    PortIdentity identity;
    std::error_code error;
    fs::path node = fs::canonical(path, error);
    if (error) {
        identity.exists = false;
        node = fs::weakly_canonical(path, error);
        if (fs::is_symlink(path, error)) {
            node = linkTarget(path);
        }
    }
    identity.device = node.string();
    // The name the kernel gives it: ttyUSB0, pts/3.
    const fs::path relative = node.lexically_relative(roots.dev);
    const std::string name = relative.empty() || relative.string().starts_with("..")
                                 ? node.filename().string()
                                 : relative.string();
    for (const auto& [link, target] : snapshot.byId) {
        if (target == (roots.dev / name).lexically_normal()) {
            identity.byId = link.string();
        }
    }
    if (name.starts_with("pts/")) {
        identity.kind = PortKind::PseudoTerminal;
        return identity;
    }
    for (const std::string& console : snapshot.consoles) {
        if (console == name) {
            identity.withheld = "Systemkonsole";
        }
    }
    const fs::path tty = roots.sys / "class" / "tty" / name;
    const fs::path device = tty / "device";
    if (name.find('/') != std::string::npos || !fs::exists(device, error)) {
        return identity;
    }
    identity.driver = linkTarget(device / "driver").filename().string();
    if (name.starts_with("ttyUSB")) {
        identity.kind = PortKind::UsbAdapter;
    } else if (name.starts_with("ttyACM") || identity.driver == "cdc_acm") {
        identity.kind = PortKind::Acm;
    } else if (fs::exists(tty / "type", error)) {
        identity.kind = PortKind::BuiltIn;
        // Type 0: the kernel found no UART there; opening it only gives EIO.
        if (attribute(tty / "type") == "0") {
            identity.exists = false;
            if (identity.withheld.empty()) {
                identity.withheld = "keine Schnittstelle (Typ unbekannt)";
            }
        }
        return identity;
    }
    if (const std::optional<fs::path> usb = usbDeviceOf(device)) {
        if (identity.kind == PortKind::Other) {
            identity.kind = PortKind::UsbAdapter;  // a maker's own driver (ttyCH341USB0)
        }
        identity.vendorId = attribute(*usb / "idVendor");
        identity.productId = attribute(*usb / "idProduct");
        identity.manufacturer = attribute(*usb / "manufacturer");
        identity.product = attribute(*usb / "product");
        identity.serial = attribute(*usb / "serial");
    }
    return identity;
}

}  // namespace

PortIdentifier systemPortIdentifier(PortRoots roots) {
    auto snapshot = std::make_shared<std::optional<Snapshot>>();
    return [roots = std::move(roots), snapshot](const std::string& device) {
        if (!*snapshot) {
            *snapshot = takeSnapshot(roots);
        }
        return identify(roots, **snapshot, device);
    };
}

bool sameDevice(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) {
        return false;
    }
    if (S_ISCHR(first.st_mode) || S_ISCHR(second.st_mode)) {
        return S_ISCHR(first.st_mode) && S_ISCHR(second.st_mode) && first.st_rdev == second.st_rdev;
    }
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace pemlar
