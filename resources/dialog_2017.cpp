#include <array>

#include "resources/dialog_templates.h"
#include "resources/resource_ids.h"

namespace pemlar {

namespace {

using S = ControlStyle;
using K = ControlKind;

// The about box's lines without its caption, group box and button; fills the splash.
constexpr std::array<ControlTemplate, 6> kControls = {{
    {kVersionText, K::Static, S::Group, 72, 44, 81, 8, "Version 1.4"},
    {kCopyrightText, K::Static, S::Group, 72, 56, 81, 8, "Copyright (c) Nirvel"},
    {kMakerText, K::Static, S::Group, 72, 68, 108, 8, "Nirvel"},
    {kRightsText, K::Static, S::Group, 72, 80, 80, 8, "Alle Rechte vorbehalten"},
    {kNamePicture, K::Static, S::None, 72, 13, 108, 23, "Text6"},
    {kEmblemPicture, K::Static, S::None, 8, 9, 48, 48, "Text7"},
}};

}  // namespace

const DialogTemplate kDialog2017 = {
    kSplashDialog,
    DialogStyle::Child | DialogStyle::Visible | DialogStyle::ContextHelp,
    "",
    "MS Sans Serif",
    8,
    0,
    0,
    197,
    106,
    kControls,
};

}  // namespace pemlar
