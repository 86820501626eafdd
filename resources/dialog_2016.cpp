#include <array>

#include "resources/dialog_templates.h"
#include "resources/resource_ids.h"

namespace pemlar {

namespace {

using S = ControlStyle;
using K = ControlKind;

// kEmblemPicture and kNamePicture are painted over by their pictures; their texts never show.
constexpr std::array<ControlTemplate, 8> kControls = {{
    {kNoId, K::GroupBox, S::None, 60, 0, 132, 102, ""},
    {kOkButton, K::PushButton, S::TabStop | S::DefaultButton, 74, 112, 50, 14, "OK"},
    {kVersionText, K::Static, S::Group, 72, 44, 81, 8, "Version 1.4"},
    {kNoId, K::Static, S::Group, 72, 56, 81, 8, "Copyright (c) Nirvel"},
    {kNoId, K::Static, S::Group, 72, 68, 112, 8, "Nirvel"},
    {kNoId, K::Static, S::Group, 72, 80, 80, 8, "Alle Rechte vorbehalten"},
    {kNamePicture, K::Static, S::None, 72, 13, 108, 23, "Text6"},
    {kEmblemPicture, K::Static, S::None, 8, 9, 48, 48, "Text7"},
}};

}  // namespace

const DialogTemplate kDialog2016 = {
    kAboutDialog,
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
