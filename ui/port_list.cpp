#include "ui/port_list.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <system_error>

#include "link/scom.h"

namespace pemlar {

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

bool fillPortCombo(QComboBox& list, scom& com, std::int32_t selectedPort,
                   const PortResolver& devices) {
    const QSignalBlocker quiet(list);
    list.clear();
    int selected = -1;
    for (std::int32_t n = kFirstProbedPort; n <= kLastProbedPort; ++n) {
        if (!com.probe(n)) {
            continue;
        }
        if (n == selectedPort) {
            selected = list.count();
        }
        list.addItem(QStringLiteral("COM%1").arg(n), n);
        if (const auto device = devices ? devices(n) : std::nullopt) {
            list.setItemData(list.count() - 1, QString::fromStdString(portDeviceText(*device)),
                             Qt::ToolTipRole);
        }
    }
    list.setCurrentIndex(selected);
    showSelectedPortDevice(list);
    return selected >= 0;
}

void showSelectedPortDevice(QComboBox& list) {
    list.setToolTip(list.currentData(Qt::ToolTipRole).toString());
}

}  // namespace pemlar
