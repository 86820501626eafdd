#include <array>

#include "resources/dialog_templates.h"

namespace pemlar {

namespace {

using S = ControlStyle;
using K = ControlKind;

// Controls 120 and 121 are painted over by their pictures; their texts never show.
constexpr std::array<ControlTemplate, 8> kControls = {{
    {-1, K::GroupBox, S::None, 60, 0, 132, 102, ""},
    {1, K::PushButton, S::TabStop | S::DefaultButton, 74, 112, 50, 14, "OK"},
    {122, K::Static, S::Group, 72, 44, 81, 8, "Version 1.4"},
    {-1, K::Static, S::Group, 72, 56, 81, 8, "Copyright (c) Nirvel"},
    {-1, K::Static, S::Group, 72, 68, 112, 8, "Nirvel"},
    {-1, K::Static, S::Group, 72, 80, 80, 8, "Alle Rechte vorbehalten"},
    {121, K::Static, S::None, 72, 13, 108, 23, "Text6"},
    {120, K::Static, S::None, 8, 9, 48, 48, "Text7"},
}};

}  // namespace

const DialogTemplate kDialog2016 = {
    2016,
    DialogStyle::Popup | DialogStyle::Visible | DialogStyle::Caption | DialogStyle::SysMenu |
        DialogStyle::ModalFrame,
    "Info über ...",
    "MS Sans Serif",
    8,
    87,
    86,
    199,
    132,
    kControls,
};

}  // namespace pemlar
