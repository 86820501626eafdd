#include "ui/label_combo.h"

#include "core/label_list.h"

namespace pemlar {

void fillLabelCombo(fw::ComboBox& list, std::string_view text, std::int32_t selectedLabel) {
    const pemlar::ParsedLabels parsed = pemlar::parseLabels(text);
    list.clear();
    std::int32_t index = 0;
    for (const std::string& label : parsed.labels) {
        list.addItem(label, index++);
    }
    list.setCurrentIndex(pemlar::labelSelection(parsed, selectedLabel));
}

}  // namespace pemlar
