#include "ui/port_list.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "link/scom.h"

bool fillPortList(QComboBox& list, scom& com, std::int32_t selectedPort) {
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
    }
    list.setCurrentIndex(selected);
    return selected >= 0;
}
