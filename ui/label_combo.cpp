#include "ui/label_combo.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "ui/label_list.h"

void fillLabelList(QComboBox& list, std::string_view text, std::int32_t selectedLabel) {
    const ParsedLabels parsed = parseLabels(text);
    const QSignalBlocker quiet(list);
    list.clear();
    int index = 0;
    for (const std::string& label : parsed.labels) {
        list.addItem(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size())),
                     index++);
    }
    list.setCurrentIndex(labelSelection(parsed, selectedLabel));
}
