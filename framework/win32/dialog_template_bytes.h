#pragma once
// A dialog template (resources/dialog_template.h) as the bytes of an in-memory
// DLGTEMPLATE with its DLGITEMTEMPLATEs, ready for CreateDialogIndirectParamW and
// DialogBoxIndirectParamW: the dialog manager then builds the dialog and its controls
// itself, with the platform's own dialog units, tab order and keyboard handling.
//
// Pure data, no <windows.h>: the style bits are written out here, so the layout can be
// checked byte for byte on any system.

#include <cstdint>
#include <vector>

#include "resources/dialog_template.h"

namespace pemlar::fw::win32 {

// The window style of the dialog: WS_ and DS_ bits, always with DS_SETFONT (the
// template's font) and DS_3DLOOK.
std::uint32_t dialogStyleBits(std::uint32_t dialogStyle);

// The window style of one control: WS_CHILD, WS_VISIBLE unless hidden, and the class's
// own BS_/ES_/SS_/CBS_ bits.
std::uint32_t controlStyleBits(const ControlTemplate& control);

// The predefined window class atom: 0x0080 button (push buttons and group boxes),
// 0x0081 edit, 0x0082 static, 0x0085 combo box.
std::uint16_t controlClassAtom(ControlKind kind);

// The whole template: header, menu and class (none), caption, font, then each control
// starting on a 4-byte boundary counted from the first byte. Texts become UTF-16; an id
// of -1 is stored as 0xFFFF. The caller keeps the bytes alive while the dialog is
// created; std::vector's storage is aligned well enough for the dialog manager.
std::vector<std::uint8_t> dialogTemplateBytes(const DialogTemplate& dialog);

}  // namespace pemlar::fw::win32
