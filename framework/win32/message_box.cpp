// backend::messageBox: MessageBoxW over the root window of the owner.

#include "framework/modal_backend.h"
#include "framework/win32/message_box_setup.h"
#include "framework/win32/native.h"
#include "framework/win32/system_dialogs.h"
#include "framework/win32/utf16.h"

namespace pemlar::fw {

int backend::messageBox(Window* owner, std::string_view text, std::string_view caption,
                        MessageIcon icon, MessageButtons buttons) {
    const win32::MessageBoxCall box{win32::wideFromWindows(text), win32::wideFromWindows(caption),
                                    win32::messageBoxFlags(icon, buttons)};
    const int pressed =
        win32::showMessageBox(win32::systemWin32DialogApi(), win32::rootOf(owner), box);
    // A box that could not be shown counts as dismissed.
    if (pressed == 0) {
        return buttons == MessageButtons::YesNo ? IdNo
               : buttons == MessageButtons::Ok  ? IdOk
                                                : IdCancel;
    }
    return pressed;
}

}  // namespace pemlar::fw
