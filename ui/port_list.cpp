#include "ui/port_list.h"

#include <system_error>

#include "data/windows1252.h"
#include "link/port_scan.h"
#include "link/scom.h"

namespace pemlar {

namespace {

// A device path (UTF-8) as the program's text; what Windows-1252 lacks, or what is no
// UTF-8, becomes '?'.
std::string windowsTextOf(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = i + k < utf8.size() ? static_cast<unsigned char>(utf8[i + k]) : 0;
            valid = valid && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        const auto byte = valid ? toWindows1252(c) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
        i += valid ? length : 1;
    }
    return out;
}

}  // namespace

std::string portDeviceText(const std::filesystem::path& device) {
    std::error_code error;
    if (!std::filesystem::is_symlink(device, error)) {
        return device.string();
    }
    const std::filesystem::path target = std::filesystem::read_symlink(device, error);
    if (error) {
        return device.string();
    }
    return (device.parent_path() / target).lexically_normal().string();
}

std::string portHint(const std::string& device, const PortIdentity& identity) {
    std::string hint = portDeviceText(identity.device.empty() ? device : identity.device);
    if (const std::string what = describePortIdentity(identity); !what.empty()) {
        hint += " – " + what;
    }
    return windowsTextOf(hint);
}

bool fillPortCombo(fw::ComboBox& list, scom& com, std::int32_t selectedPort,
                   const PortResolver& devices, const PortIdentifier& identify) {
    list.clear();
    int selected = -1;
    for (const ScannedPort& port : scanPorts(com, devices, identify)) {
        if (!port.free()) {
            continue;
        }
        const int index = list.addItem("COM" + std::to_string(port.number), port.number);
        list.setItemHint(index, portHint(port.device, port.identity));
        if (port.number == selectedPort) {
            selected = index;
        }
    }
    list.setCurrentIndex(selected);
    showSelectedPortDevice(list);
    return selected >= 0;
}

void showSelectedPortDevice(fw::ComboBox& list) {
    list.setToolTip(list.currentIndex() >= 0 ? list.itemHint(list.currentIndex()) : "");
}

}  // namespace pemlar
