#pragma once
// What the back end hands to MessageBoxW: text, caption and flags. Pure, so the choice
// of caption, icon and buttons is checked without a window system.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/message_box.h"

namespace pemlar::fw::win32 {

// The kinds of the program's messages, numbered as its message routine numbers them.
enum class MessageKind : std::uint8_t { Warning = 0, Error = 1, Info = 2, Question = 3 };

struct MessageBoxCall {
    std::u16string text;
    std::u16string caption;
    std::uint32_t flags = 0;  // MB_ icon and button bits
};

// A message of the program: caption "Warnung...", "Fehler...", "Information..." or
// "Frage..." from the string table; exclamation, stop or information icon with an OK
// button, or the question icon with Yes / No / Cancel.
MessageBoxCall messageBoxCall(MessageKind kind, std::string_view textUtf8);

// The MB_ bits of fw::messageBox: the icon's and the buttons', nothing else.
std::uint32_t messageBoxFlags(MessageIcon icon, MessageButtons buttons);

// The settings store's fixed English warnings: caption "Warning", OK button, no icon.
MessageBoxCall settingsWarningCall(std::string_view textUtf8);

}  // namespace pemlar::fw::win32
