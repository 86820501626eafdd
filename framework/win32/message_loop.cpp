// The message handling all loops share (Application::exec, modal dialogs, the driver):
// the dialog manager's keyboard handling for the modeless dialogs, a default button that
// follows the focus, and the wheel kept away while a popup holds the mouse.

#include <algorithm>
#include <vector>

#include "framework/win32/native.h"

namespace pemlar::fw::win32 {

namespace {

std::vector<HWND>& dialogs() {
    static std::vector<HWND> list;
    return list;
}

HWND& holder() {
    static HWND popup = nullptr;
    return popup;
}

bool isWheel(UINT message) {
    return message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL;
}

// The dialog manager moves the default push button with the focus only when Tab or an
// arrow moves it; a click or SetFocus leaves it, and Return then pressed the default (or
// OK) instead of the focused button. Checked around every message the loops handle, so
// the default follows the focus on every path.
void defaultFollowsFocus() {
    static HWND seen = nullptr;
    HWND focus = GetFocus();
    if (focus == seen) {
        return;
    }
    seen = focus;
    const std::vector<HWND> list = dialogs();
    for (HWND dialog : list) {
        if (IsWindow(dialog)) {
            showDefaultFor(dialog, focus);
        }
    }
}

bool takenByDialogManager(MSG& message) {
    // Newest first: a modal dialog over the main dialog gets the keys meant for it. The
    // dialog manager only takes messages for the dialog and its controls.
    const std::vector<HWND> list = dialogs();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (IsWindow(*it) && IsDialogMessageW(*it, &message)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void registerDialog(HWND dialog) {
    dialogs().push_back(dialog);
}

void unregisterDialog(HWND dialog) {
    auto& list = dialogs();
    list.erase(std::remove(list.begin(), list.end(), dialog), list.end());
}

void setMouseHolder(HWND popup) {
    holder() = popup;
}

void handleMessage(MSG& message) {
    // With the mouse held, buttons come to the holder anyway; the wheel would go to the
    // focus window instead.
    if (holder() != nullptr && isWheel(message.message)) {
        return;
    }
    defaultFollowsFocus();
    if (!takenByDialogManager(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    defaultFollowsFocus();
}

}  // namespace pemlar::fw::win32
