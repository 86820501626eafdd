#include <array>

#include "resources/dialog_templates.h"
#include "resources/resource_ids.h"

namespace pemlar {

// The prompts and progress notices of the read and write commands. Each is a popup of
// its own with a title bar and a close box, a group frame without text around centred
// texts.

namespace {

using S = ControlStyle;
using K = ControlKind;

constexpr std::uint32_t kNoticeStyle = DialogStyle::Popup | DialogStyle::Visible |
                                       DialogStyle::Caption | DialogStyle::SysMenu |
                                       DialogStyle::ModalFrame;
constexpr std::uint32_t kButton = S::TabStop;
constexpr const char* kFont = "MS Sans Serif";

constexpr std::array<ControlTemplate, 5> kReadPrompt = {{
    {kNoId, K::GroupBox, S::None, 4, 0, 176, 92, ""},
    {kNoId, K::Static, S::Centre, 16, 36, 152, 9, "Das Messgerät anschliessen und in"},
    {kNoId, K::Static, S::Centre, 16, 52, 152, 8, "den Programmiermodus bringen !"},
    {kOkButton, K::PushButton, kButton, 186, 6, 50, 14, "Ok"},
    {kCancelButton, K::PushButton, kButton, 186, 26, 50, 14, "Abbruch"},
}};

constexpr std::array<ControlTemplate, 2> kReadProgress = {{
    {kNoId, K::GroupBox, S::None, 4, 0, 176, 60, ""},
    {kNoId, K::Static, S::Centre, 16, 28, 152, 9, "Das EEprom wird jetzt ausgelesen !"},
}};

constexpr std::array<ControlTemplate, 5> kWritePrompt = {{
    {kNoId, K::GroupBox, S::None, 4, 0, 176, 92, ""},
    {kNoId, K::Static, S::Centre, 16, 36, 152, 9, "Das Messgerät anschliessen und in"},
    {kNoId, K::Static, S::Centre, 16, 52, 152, 8, "den Programmiermodus bringen !"},
    {kOkButton, K::PushButton, kButton | S::DefaultButton, 186, 6, 50, 14, "OK"},
    {kCancelButton, K::PushButton, kButton, 186, 26, 50, 14, "Abbruch"},
}};

constexpr std::array<ControlTemplate, 2> kWriteProgress = {{
    {kNoId, K::GroupBox, S::None, 4, 0, 176, 60, ""},
    {kNoId, K::Static, S::Centre, 16, 28, 152, 9, "Das EEprom wird jetzt programmiert !"},
}};

}  // namespace

const DialogTemplate kDialog2000 = {
    kReadPromptDialog, kNoticeStyle, "EEprom auslesen", kFont, 10, 90, 65, 240, 97, kReadPrompt,
};
const DialogTemplate kDialog2001 = {
    kReadProgressDialog, kNoticeStyle, "EEprom auslesen", kFont, 10, 85, 49, 184, 65, kReadProgress,
};
const DialogTemplate kDialog2002 = {
    kWritePromptDialog, kNoticeStyle, "EEprom programmieren", kFont, 10, 53, 46, 240, 97,
    kWritePrompt,
};
const DialogTemplate kDialog2003 = {
    kWriteProgressDialog, kNoticeStyle, "EEprom programmieren", kFont, 10, 72, 54, 184, 65,
    kWriteProgress,
};

}  // namespace pemlar
