#pragma once
// What the back end hands to MessageBoxW: text, caption and flags. Pure, so the choice
// of icon and buttons is checked without a window system.

#include <cstdint>
#include <string>

#include "framework/message_box.h"

namespace pemlar::fw::win32 {

struct MessageBoxCall {
    std::u16string text;
    std::u16string caption;
    std::uint32_t flags = 0;  // MB_ icon and button bits
};

// The MB_ bits of fw::messageBox: the icon's and the buttons', nothing else.
std::uint32_t messageBoxFlags(MessageIcon icon, MessageButtons buttons);

}  // namespace pemlar::fw::win32
