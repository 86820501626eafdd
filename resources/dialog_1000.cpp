#include <array>

#include "resources/dialog_templates.h"
#include "resources/resource_ids.h"

namespace pemlar {

namespace {

using S = ControlStyle;
using K = ControlKind;

constexpr std::uint32_t kIdEdit = S::Border | S::MultiLine | S::WantReturn;
constexpr std::uint32_t kList = S::DropDownList | S::VScroll | S::TabStop;

constexpr std::array<ControlTemplate, 19> kControls = {{
    {kNoId, K::GroupBox, S::None, 4, 0, 116, 92, "Pemlare"},
    {kLeftButton, K::PushButton, S::TabStop, 12, 28, 50, 12, "Links"},
    {kCentreButton, K::PushButton, S::TabStop, 64, 28, 49, 12, "Zentriert"},
    {kLoadButton, K::PushButton, S::TabStop, 12, 12, 50, 12, "&Laden"},
    {kSaveButton, K::PushButton, S::TabStop, 64, 12, 49, 12, "&Speichern"},
    {kSettingsGroup, K::GroupBox, S::None, 124, 0, 88, 36, "Einstellungen"},
    {kPortList, K::ComboBox, kList, 132, 16, 36, 48, ""},
    {kInstrumentGroup, K::GroupBox, S::Group, 124, 40, 88, 52, "Messgerät ..."},
    {kReadButton, K::PushButton, S::TabStop, 132, 56, 72, 12, "&Auslesen "},
    {kWriteButton, K::PushButton, S::TabStop, 132, 72, 72, 12, "&Beschreiben"},
    {kInfoButton, K::PushButton, S::TabStop, 152, 100, 60, 12, "&Info..."},
    {kOkButton, K::PushButton, S::TabStop, 152, 116, 60, 12, "&Beenden"},
    {kIdNumberGroup, K::GroupBox, S::None, 4, 96, 116, 32, "ID-Nummer"},
    {kIdNumberEdit, K::Edit, kIdEdit | S::Disabled, 12, 108, 52, 12, "NK TQy-xxxxx"},
    {kAddressEdit, K::Edit, kIdEdit | S::TabStop, 12, 44, 100, 44, ""},
    {kIdCodeEdit, K::Edit, kIdEdit | S::Disabled | S::TabStop, 68, 108, 16, 12, "xxx"},
    {kIdDateEdit, K::Edit, kIdEdit | S::Disabled | S::TabStop, 88, 108, 20, 12, "mmjj"},
    {kLabelList, K::ComboBox, kList | S::Disabled, 172, 16, 32, 60, ""},
    {kSetButton, K::PushButton, S::Hidden | S::Disabled | S::TabStop, 112, 108, 24, 12, "Se&t"},
}};

}  // namespace

const DialogTemplate kDialog1000 = {
    kMainDialog, DialogStyle::Child | DialogStyle::Visible | DialogStyle::ModalFrame,
    "",          "Courier New",
    10,          0,
    0,           216,
    131,         kControls,
};

}  // namespace pemlar
