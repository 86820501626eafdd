// Dialog templates as DLGTEMPLATE bytes, byte for byte; whether Windows builds the same
// dialog from them is wine_dialog_test.cpp's business.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/win32/dialog_template_bytes.h"
#include "framework/win32/utf16.h"
#include "resources/dialog_templates.h"
#include "resources/resource_ids.h"

using namespace pemlar;

namespace {

using namespace pemlar::fw::win32;
using S = ControlStyle;
using K = ControlKind;

// UTF-16 code units and the terminating zero.
std::size_t textBytes(std::string_view utf8) {
    return 2 * (toUtf16(utf8).size() + 1);
}

// The size the layout gives a template: the fixed header fields, menu and class words,
// caption, point size and face; each item from a 4-byte boundary, the last one unpadded.
std::size_t layoutSize(const DialogTemplate& dialog) {
    std::size_t size = 18 + 2 + 2 + textBytes(dialog.caption) + 2 + textBytes(dialog.fontFace);
    for (const ControlTemplate& control : dialog.controls) {
        size = (size + 3) / 4 * 4;
        // style, extended style, x y cx cy, id; 0xFFFF and the class atom; the text;
        // the creation data size
        size += 4 + 4 + 8 + 2 + 4 + textBytes(control.text) + 2;
    }
    return size;
}

TEST(DialogTemplateBytes, TinyTemplateByteForByte) {
    constexpr std::array<ControlTemplate, 2> controls = {{
        {1, K::PushButton, S::TabStop | S::DefaultButton, 3, 4, 5, 6, "OK"},
        {-1, K::Static, S::Centre, 7, 8, 9, 10, ""},
    }};
    const DialogTemplate dialog = {9, kDialog2016.style, "Ä", "F", 8, 1, 2, 30, -20, controls};
    const std::vector<std::uint8_t> expected = {
        // style, extended style, 2 items, x 1, y 2, cx 30, cy -20, no menu, own class
        0xC4, 0x00, 0xC8, 0x90, 0, 0, 0, 0, 2, 0, 1, 0, 2, 0, 30, 0, 0xEC, 0xFF, 0, 0, 0, 0, 0xC4,
        0x00, 0, 0, 8, 0, 'F', 0, 0, 0,  // caption "Ä"; 8 pt "F"; at 32 now
        // WS_CHILD|WS_VISIBLE|WS_TABSTOP|BS_DEFPUSHBUTTON, 3 4 5 6, id 1, button, "OK"
        0x01, 0x00, 0x01, 0x50, 0, 0, 0, 0, 3, 0, 4, 0, 5, 0, 6, 0, 1, 0, 0xFF, 0xFF, 0x80, 0x00,
        'O', 0, 'K', 0, 0, 0, 0, 0, 0, 0,  // no creation data, padding to 64
        // WS_CHILD|WS_VISIBLE|SS_CENTER, 7 8 9 10, id -1, static, no text, no data
        0x01, 0x00, 0x00, 0x50, 0, 0, 0, 0, 7, 0, 8, 0, 9, 0, 10, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x82,
        0x00, 0, 0, 0, 0};
    EXPECT_EQ(dialogTemplateBytes(dialog), expected);
}

TEST(DialogTemplateBytes, StyleBits) {
    const std::array<std::pair<ControlTemplate, std::uint32_t>, 11> rows = {{
        {{-1, K::GroupBox, S::None, 0, 0, 1, 1, ""}, 0x50000007},
        {{kInstrumentGroup, K::GroupBox, S::Group, 0, 0, 1, 1, ""}, 0x50020007},
        {{kLeftButton, K::PushButton, S::TabStop, 0, 0, 1, 1, ""}, 0x50010000},
        {{kSetButton, K::PushButton, S::Hidden | S::Disabled | S::TabStop, 0, 0, 1, 1, ""},
         0x48010000},
        {{kVersionText, K::Static, S::Group, 0, 0, 1, 1, ""}, 0x50020000},
        {{-1, K::Static, S::Right, 0, 0, 1, 1, ""}, 0x50000002},
        {{kAddressEdit, K::Edit, S::Border | S::MultiLine | S::WantReturn | S::TabStop, 0, 0, 1, 1,
          ""},
         0x50811004},
        {{kIdNumberEdit, K::Edit, S::Border | S::MultiLine | S::Disabled, 0, 0, 1, 1, ""},
         0x58800004},
        {{1, K::Edit, S::AutoHScroll | S::ReadOnly | S::HScroll, 0, 0, 1, 1, ""}, 0x50100880},
        {{kPortList, K::ComboBox, S::DropDownList | S::VScroll | S::TabStop, 0, 0, 1, 1, ""},
         0x50210003},
        {{2, K::ComboBox, S::Disabled, 0, 0, 1, 1, ""}, 0x58000002},
    }};
    for (const auto& [control, bits] : rows) {
        EXPECT_EQ(controlStyleBits(control), bits) << control.id;
    }
    EXPECT_EQ(dialogStyleBits(kDialog1000.style), 0x500000C4u);
    EXPECT_EQ(dialogStyleBits(kDialog2000.style), 0x90C800C4u);  // as 2001-2003 and 2016
    EXPECT_EQ(dialogStyleBits(kDialog2017.style), 0x50002044u);
}

TEST(DialogTemplateBytes, MainDialogHeaderAndFirstItem) {
    const std::vector<std::uint8_t> bytes = dialogTemplateBytes(kDialog1000);
    const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 28);
    EXPECT_EQ(header,
              (std::vector<std::uint8_t>{0xC4, 0, 0,   0x50, 0, 0, 0, 0, 19, 0, 0,  0, 0,   0,
                                         216,  0, 131, 0,    0, 0, 0, 0, 0,  0, 10, 0, 'C', 0}));
    // "Courier New" ends at 50; the group box "Pemlare" starts on the next DWORD.
    EXPECT_EQ(bytes.at(52), 0x07);
    EXPECT_EQ(bytes.at(52 + 22), 'P');
    EXPECT_EQ(bytes.size(), layoutSize(kDialog1000));
}

}  // namespace
