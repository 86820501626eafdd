// Dialog templates as DLGTEMPLATE bytes, checked byte for byte; whether Windows builds
// the same dialog from them is wine_dialog_test.cpp's business.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "framework/win32/dialog_template_bytes.h"
#include "resources/dialog_templates.h"

namespace {

using pemlar::fw::win32::controlStyleBits;
using pemlar::fw::win32::dialogStyleBits;
using pemlar::fw::win32::dialogTemplateBytes;
using S = ControlStyle;
using K = ControlKind;

std::uint32_t dwordAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 |
           static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

TEST(DialogTemplateBytes, TinyTemplateByteForByte) {
    constexpr std::array<ControlTemplate, 2> controls = {{
        {1, K::PushButton, S::TabStop | S::DefaultButton, 3, 4, 5, 6, "OK"},
        {-1, K::Static, S::Centre, 7, 8, 9, 10, ""},
    }};
    const DialogTemplate dialog = {
        9,
        DialogStyle::Popup | DialogStyle::Visible | DialogStyle::Caption | DialogStyle::SysMenu |
            DialogStyle::ModalFrame,
        "Ä",
        "F",
        8,
        1,
        2,
        30,
        -20,
        controls,
    };
    const std::vector<std::uint8_t> expected = {
        // DLGTEMPLATE: style, extended style, 2 items, x 1, y 2, cx 30, cy -20
        0xC4, 0x00, 0xC8, 0x90, 0, 0, 0, 0, 2, 0, 1, 0, 2, 0, 30, 0, 0xEC, 0xFF, 0, 0, 0,
        0,                   // no menu, standard class
        0xC4, 0x00, 0, 0,    // caption "Ä" in UTF-16
        8, 0, 'F', 0, 0, 0,  // DS_SETFONT: 8 pt "F"; ends on a DWORD boundary (32)
        // item 1: WS_CHILD|WS_VISIBLE|WS_TABSTOP|BS_DEFPUSHBUTTON, id 1, button, "OK"
        0x01, 0x00, 0x01, 0x50, 0, 0, 0, 0, 3, 0, 4, 0, 5, 0, 6, 0, 1, 0, 0xFF, 0xFF, 0x80, 0x00,
        'O', 0, 'K', 0, 0, 0, 0, 0, 0, 0,  // padding to 64
        // item 2: WS_CHILD|WS_VISIBLE|SS_CENTER, id -1, static, no text
        0x01, 0x00, 0x00, 0x50, 0, 0, 0, 0, 7, 0, 8, 0, 9, 0, 10, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x82,
        0x00, 0, 0, 0, 0};
    EXPECT_EQ(dialogTemplateBytes(dialog), expected);
}

TEST(DialogTemplateBytes, StyleBitsOfEveryKindOfControl) {
    struct Row {
        ControlTemplate control;
        std::uint32_t bits;
    };
    const std::array<Row, 12> rows = {{
        {{-1, K::GroupBox, S::None, 0, 0, 1, 1, ""}, 0x50000007},
        {{114, K::GroupBox, S::Group, 0, 0, 1, 1, ""}, 0x50020007},
        {{115, K::PushButton, S::TabStop, 0, 0, 1, 1, ""}, 0x50010000},
        {{106, K::PushButton, S::Hidden | S::Disabled | S::TabStop, 0, 0, 1, 1, ""}, 0x48010000},
        {{122, K::Static, S::Group, 0, 0, 1, 1, ""}, 0x50020000},
        {{-1, K::Static, S::Right, 0, 0, 1, 1, ""}, 0x50000002},
        {{120, K::Edit, S::Border | S::MultiLine | S::WantReturn | S::TabStop, 0, 0, 1, 1, ""},
         0x50811004},
        {{121, K::Edit, S::Border | S::MultiLine | S::WantReturn | S::Disabled, 0, 0, 1, 1, ""},
         0x58801004},
        {{1, K::Edit, S::AutoHScroll | S::ReadOnly | S::HScroll | S::VScroll, 0, 0, 1, 1, ""},
         0x50300880},
        {{113, K::ComboBox, S::DropDownList | S::VScroll | S::TabStop, 0, 0, 1, 1, ""}, 0x50210003},
        {{119, K::ComboBox, S::DropDownList | S::VScroll | S::TabStop | S::Disabled, 0, 0, 1, 1,
          ""},
         0x58210003},
        {{2, K::ComboBox, S::None, 0, 0, 1, 1, ""}, 0x50000002},
    }};
    for (const Row& row : rows) {
        EXPECT_EQ(controlStyleBits(row.control), row.bits) << "control " << row.control.id;
    }
}

TEST(DialogTemplateBytes, DialogStyleOfEveryTemplate) {
    EXPECT_EQ(dialogStyleBits(kDialog1000.style), 0x50000044u);
    for (const DialogTemplate* prompt :
         {&kDialog2000, &kDialog2001, &kDialog2002, &kDialog2003, &kDialog2016}) {
        EXPECT_EQ(dialogStyleBits(prompt->style), 0x90C800C4u) << prompt->id;
    }
    EXPECT_EQ(dialogStyleBits(kDialog2017.style), 0x50002044u);
}

TEST(DialogTemplateBytes, MainDialogHeaderAndItemOffsets) {
    const std::vector<std::uint8_t> bytes = dialogTemplateBytes(kDialog1000);
    EXPECT_EQ(bytes.at(8), 19);                        // items
    EXPECT_EQ(dwordAt(bytes, 14), 131u << 16 | 216u);  // cx, cy
    EXPECT_EQ(bytes.at(22), 0);                        // empty caption
    EXPECT_EQ(bytes.at(24), 10);                       // 10 pt "Courier New" from 26 to 50
    EXPECT_EQ(bytes.at(26), 'C');
    // Items follow on DWORD boundaries: each is 18 bytes of fixed fields, the class atom,
    // its text and the creation-data count.
    std::size_t at = 52;
    std::size_t end = 0;
    for (const ControlTemplate& control : kDialog1000.controls) {
        ASSERT_EQ(at % 4, 0u);
        EXPECT_EQ(dwordAt(bytes, at), controlStyleBits(control)) << control.id;
        EXPECT_EQ(bytes.at(at + 16) | bytes.at(at + 17) << 8, control.id & 0xFFFF);
        const auto units = std::count_if(control.text.begin(), control.text.end(),
                                         [](char c) { return (c & 0xC0) != 0x80; });
        end = at + 18 + 4 + 2 * (static_cast<std::size_t>(units) + 1) + 2;
        at = (end + 3) / 4 * 4;
    }
    EXPECT_EQ(bytes.size(), end);  // no padding after the last item
}

}  // namespace
