#pragma once
// Dialog templates as data. Positions and sizes are in dialog units of the template's
// font: one x unit is a quarter of the font's average character width, one y unit an
// eighth of its height. Controls are listed in template order, which is also the tab
// order. Texts are UTF-8.

#include <cstdint>
#include <span>
#include <string_view>

namespace pemlar {

enum class ControlKind { GroupBox, PushButton, Static, Edit, ComboBox };

// Style facts of a control; a control is visible and enabled unless told otherwise.
struct ControlStyle {
    static constexpr std::uint32_t None = 0;
    static constexpr std::uint32_t Hidden = 1u << 0;
    static constexpr std::uint32_t Disabled = 1u << 1;
    static constexpr std::uint32_t TabStop = 1u << 2;
    static constexpr std::uint32_t Group = 1u << 3;  // starts a group
    // Push buttons
    static constexpr std::uint32_t DefaultButton = 1u << 4;
    // Statics (left-aligned unless one of these; all of them wrap at word boundaries)
    static constexpr std::uint32_t Centre = 1u << 5;
    static constexpr std::uint32_t Right = 1u << 6;
    // Edits
    static constexpr std::uint32_t Border = 1u << 7;
    static constexpr std::uint32_t MultiLine = 1u << 8;
    static constexpr std::uint32_t WantReturn = 1u << 9;  // Return inserts a line break
    static constexpr std::uint32_t AutoHScroll = 1u << 10;
    static constexpr std::uint32_t ReadOnly = 1u << 11;
    // Edits and combo boxes
    static constexpr std::uint32_t VScroll = 1u << 12;
    static constexpr std::uint32_t HScroll = 1u << 13;
    // Combo boxes
    static constexpr std::uint32_t DropDownList = 1u << 14;  // no edit field
};

// Style facts of a dialog.
struct DialogStyle {
    static constexpr std::uint32_t Child = 1u << 0;    // lives inside another window
    static constexpr std::uint32_t Popup = 1u << 1;    // a window of its own, owned by its parent
    static constexpr std::uint32_t Caption = 1u << 2;  // title bar
    static constexpr std::uint32_t SysMenu = 1u << 3;  // system menu and close box
    static constexpr std::uint32_t ModalFrame = 1u << 4;  // dialog frame: a raised double edge
    static constexpr std::uint32_t Visible = 1u << 5;     // shown as soon as it is created
    static constexpr std::uint32_t ContextHelp = 1u << 6;
};

struct ControlTemplate {
    int id;  // -1 for controls nobody addresses
    ControlKind kind;
    std::uint32_t style;
    int x, y, w, h;
    std::string_view text;
};

struct DialogTemplate {
    int id;
    std::uint32_t style;
    std::string_view caption;
    std::string_view fontFace;
    int fontPoints;
    int x, y, w, h;  // w and h are the client area
    std::span<const ControlTemplate> controls;
};

}  // namespace pemlar
