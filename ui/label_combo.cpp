#include "ui/label_combo.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "core/label_list.h"

namespace pemlar {

void fillLabelCombo(QComboBox& list, std::string_view text, std::int32_t selectedLabel) {
    const pemlar::ParsedLabels parsed = pemlar::parseLabels(text);
    const QSignalBlocker quiet(list);
    list.clear();
    int index = 0;
    for (const std::string& label : parsed.labels) {
        list.addItem(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size())),
                     index++);
    }
    list.setCurrentIndex(pemlar::labelSelection(parsed, selectedLabel));
}

}  // namespace pemlar
