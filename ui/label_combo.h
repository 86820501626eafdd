#pragma once
// Filling the label list from the label file's text.

#include <cstdint>
#include <string_view>

class QComboBox;

namespace pemlar {

// Refills list with the labels of text (see parseLabels; item data = index) and
// selects the stored label when it names one (see labelSelection), else nothing.
// Emits no selection change.
void fillLabelCombo(QComboBox& list, std::string_view text, std::int32_t selectedLabel);

}  // namespace pemlar
