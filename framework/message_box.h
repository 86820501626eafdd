#pragma once
// The platform's message box, answerable in advance by tests (test_seams.h).

#include <string_view>

#include "framework/dialog_results.h"

namespace pemlar::fw {

class Window;

enum class MessageIcon { None, Warning, Error, Information, Question };
enum class MessageButtons { Ok, YesNoCancel, YesNo };

// Shows a modal box owned by `owner` (may be null) with `text` and `caption`
// (Windows-1252, CR LF) and returns the id of the pressed button (IdOk, IdYes, IdNo,
// IdCancel). Escape and the close box give IdOk with an OK button, IdCancel with
// Yes/No/Cancel and IdNo with Yes/No. On Win32 the flags are MB_ICON… | MB_OK,
// MB_YESNOCANCEL or MB_YESNO, nothing else.
int messageBox(Window* owner, std::string_view text, std::string_view caption, MessageIcon icon,
               MessageButtons buttons);

}  // namespace pemlar::fw
