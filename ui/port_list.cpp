#include "ui/port_list.h"

#include "data/windows1252.h"
#include "link/port_scan.h"
#include "link/scom.h"

namespace pemlar {

std::string portHint(const std::string& device, const PortIdentity& identity) {
    std::string hint = linkedDevice(identity.device.empty() ? device : identity.device);
    if (const std::string what = describePortIdentity(identity); !what.empty()) {
        hint += " – " + what;
    }
    return windows1252FromSystemText(hint);
}

bool fillPortCombo(fw::ComboBox& list, scom& com, std::int32_t selectedPort,
                   const PortResolver& devices, const PortIdentifier& identify) {
    list.clear();
    int selected = -1;
    for (const ScannedPort& port : scanPorts(com, devices, identify, selectedPort)) {
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
