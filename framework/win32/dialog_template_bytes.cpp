#include "framework/win32/dialog_template_bytes.h"

#include <string>

#include "framework/win32/utf16.h"

namespace pemlar::fw::win32 {

namespace {

// winuser.h, written out so that this file builds and is tested anywhere.
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_VSCROLL = 0x00200000;
constexpr std::uint32_t WS_HSCROLL = 0x00100000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_GROUP = 0x00020000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t DS_3DLOOK = 0x0004;
constexpr std::uint32_t DS_SETFONT = 0x0040;
constexpr std::uint32_t DS_MODALFRAME = 0x0080;
constexpr std::uint32_t DS_CONTEXTHELP = 0x2000;
constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;
constexpr std::uint32_t BS_GROUPBOX = 0x0007;
constexpr std::uint32_t SS_LEFT = 0x0000;
constexpr std::uint32_t SS_CENTER = 0x0001;
constexpr std::uint32_t SS_RIGHT = 0x0002;
constexpr std::uint32_t ES_MULTILINE = 0x0004;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr std::uint32_t ES_READONLY = 0x0800;
constexpr std::uint32_t ES_WANTRETURN = 0x1000;
constexpr std::uint32_t CBS_DROPDOWN = 0x0002;
constexpr std::uint32_t CBS_DROPDOWNLIST = 0x0003;

bool has(std::uint32_t facts, std::uint32_t fact) {
    return (facts & fact) != 0;
}

std::uint32_t kindBits(ControlKind kind, std::uint32_t facts) {
    using S = ControlStyle;
    switch (kind) {
        case ControlKind::GroupBox:
            return BS_GROUPBOX;
        case ControlKind::PushButton:
            return has(facts, S::DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        case ControlKind::Static:
            return has(facts, S::Centre) ? SS_CENTER : has(facts, S::Right) ? SS_RIGHT : SS_LEFT;
        case ControlKind::Edit:
            return (has(facts, S::Border) ? WS_BORDER : 0) |
                   (has(facts, S::MultiLine) ? ES_MULTILINE : 0) |
                   (has(facts, S::WantReturn) ? ES_WANTRETURN : 0) |
                   (has(facts, S::AutoHScroll) ? ES_AUTOHSCROLL : 0) |
                   (has(facts, S::ReadOnly) ? ES_READONLY : 0);
        case ControlKind::ComboBox:
            // Unsorted: CBS_SORT is never set, items stay in the order they are added.
            return has(facts, S::DropDownList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    }
    return 0;
}

class Writer {
public:
    void word(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void dword(std::uint32_t value) {
        word(static_cast<std::uint16_t>(value & 0xFFFF));
        word(static_cast<std::uint16_t>(value >> 16));
    }
    void coordinate(int value) {
        word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    void text(std::string_view utf8) {
        for (const char16_t unit : toUtf16(utf8)) {
            word(static_cast<std::uint16_t>(unit));
        }
        word(0);
    }
    void alignToDword() {
        while (bytes_.size() % 4 != 0) {
            bytes_.push_back(0);
        }
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

std::uint32_t dialogStyleBits(std::uint32_t facts) {
    using D = DialogStyle;
    return DS_SETFONT | DS_3DLOOK | (has(facts, D::Child) ? WS_CHILD : 0) |
           (has(facts, D::Popup) ? WS_POPUP : 0) | (has(facts, D::Caption) ? WS_CAPTION : 0) |
           (has(facts, D::SysMenu) ? WS_SYSMENU : 0) |
           (has(facts, D::ModalFrame) ? DS_MODALFRAME : 0) |
           (has(facts, D::Visible) ? WS_VISIBLE : 0) |
           (has(facts, D::ContextHelp) ? DS_CONTEXTHELP : 0);
}

std::uint32_t controlStyleBits(const ControlTemplate& control) {
    using S = ControlStyle;
    const std::uint32_t facts = control.style;
    return WS_CHILD | (has(facts, S::Hidden) ? 0 : WS_VISIBLE) |
           (has(facts, S::Disabled) ? WS_DISABLED : 0) | (has(facts, S::TabStop) ? WS_TABSTOP : 0) |
           (has(facts, S::Group) ? WS_GROUP : 0) | (has(facts, S::VScroll) ? WS_VSCROLL : 0) |
           (has(facts, S::HScroll) ? WS_HSCROLL : 0) | kindBits(control.kind, facts);
}

std::uint16_t controlClassAtom(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
        case ControlKind::PushButton:
            return 0x0080;
        case ControlKind::Edit:
            return 0x0081;
        case ControlKind::Static:
            return 0x0082;
        case ControlKind::ComboBox:
            return 0x0085;
    }
    return 0x0082;
}

std::vector<std::uint8_t> dialogTemplateBytes(const DialogTemplate& dialog) {
    Writer out;
    // DLGTEMPLATE
    out.dword(dialogStyleBits(dialog.style));
    out.dword(0);  // extended style
    out.word(static_cast<std::uint16_t>(dialog.controls.size()));
    out.coordinate(dialog.x);
    out.coordinate(dialog.y);
    out.coordinate(dialog.w);
    out.coordinate(dialog.h);
    out.word(0);  // no menu
    out.word(0);  // the dialog manager's own window class
    out.text(dialog.caption);
    // DS_SETFONT: point size, then the face name.
    out.word(static_cast<std::uint16_t>(dialog.fontPoints));
    out.text(dialog.fontFace);

    for (const ControlTemplate& control : dialog.controls) {
        out.alignToDword();
        // DLGITEMTEMPLATE
        out.dword(controlStyleBits(control));
        out.dword(0);  // extended style
        out.coordinate(control.x);
        out.coordinate(control.y);
        out.coordinate(control.w);
        out.coordinate(control.h);
        out.word(static_cast<std::uint16_t>(control.id));  // -1 -> 0xFFFF
        out.word(0xFFFF);                                  // a class atom follows
        out.word(controlClassAtom(control.kind));
        out.text(control.text);
        out.word(0);  // no creation data
    }
    return out.take();
}

}  // namespace pemlar::fw::win32
