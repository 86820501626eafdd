#pragma once
// Filling the label list from the label file's text.

#include <cstdint>
#include <string_view>

#include "framework/controls.h"

namespace pemlar {

// Refills list with the labels of text (see parseLabels; item data = index) and
// selects the stored label when it names one (see labelSelection), else nothing.
// Gives no selection change.
void fillLabelCombo(fw::ComboBox& list, std::string_view text, std::int32_t selectedLabel);

}  // namespace pemlar
