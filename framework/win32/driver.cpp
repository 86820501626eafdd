// fw::driver on Win32: input is posted to the windows as the system would deliver it
// and goes through the loops' own message handling (dialog manager first), so tab
// order, default buttons and mnemonics are the platform's.

#include <chrono>

#include "framework/application.h"
#include "framework/driver.h"
#include "framework/win32/native.h"

namespace pemlar::fw::driver {

namespace {

HWND controlWindow(const Dialog& dialog, int id) {
    return GetDlgItem(static_cast<HWND>(dialog.nativeHandle()), id);
}

WPARAM virtualKey(Key key) {
    switch (key) {
        case Key::Tab:
            return VK_TAB;
        case Key::Return:
            return VK_RETURN;
        case Key::Escape:
            return VK_ESCAPE;
        case Key::Space:
            return VK_SPACE;
        case Key::Up:
            return VK_UP;
        case Key::Down:
            return VK_DOWN;
        case Key::Left:
            return VK_LEFT;
        case Key::Right:
            return VK_RIGHT;
        case Key::Home:
            return VK_HOME;
        case Key::End:
            return VK_END;
        case Key::Backspace:
            return VK_BACK;
        case Key::Delete:
            return VK_DELETE;
    }
    return 0;
}

// The modifiers as the thread's key state, which GetKeyState (and so the dialog manager
// and the controls) reads; restored after the key.
class HeldModifiers {
public:
    explicit HeldModifiers(Modifiers modifiers) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        press(state, VK_SHIFT, VK_LSHIFT, modifiers.shift);
        press(state, VK_CONTROL, VK_LCONTROL, modifiers.control);
        press(state, VK_MENU, VK_LMENU, modifiers.alt);
        SetKeyboardState(state);
    }
    ~HeldModifiers() { SetKeyboardState(saved_); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    static void press(BYTE* state, int key, int left, bool down) {
        const BYTE value = down ? 0x80 : 0x00;
        state[key] = value;
        state[left] = value;
    }
    BYTE saved_[256] = {};
};

LPARAM keyData(WPARAM virtualKeyCode, bool alt, bool release) {
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(virtualKeyCode), MAPVK_VK_TO_VSC);
    LPARAM data = 1 | static_cast<LPARAM>(scan & 0xFF) << 16;
    if (alt) {
        data |= LPARAM{1} << 29;
    }
    if (release) {
        data |= LPARAM{1} << 30 | LPARAM{1} << 31;
    }
    return data;
}

// Handles one posted message at once, through the loop's handling.
void deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Posted first, then taken by the loop's own handling with what was queued before.
    PostMessageW(window, message, wParam, lParam);
    Application::processEvents();
}

// A key press and release to the focus window; the loop's TranslateMessage makes the
// character from the key, as it does for the keyboard.
void sendKey(WPARAM code, Modifiers modifiers) {
    HWND focus = GetFocus();
    if (focus == nullptr) {
        focus = GetActiveWindow();
    }
    if (focus == nullptr) {
        return;
    }
    const HeldModifiers held(modifiers);
    const bool alt = modifiers.alt;
    deliver(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, code, keyData(code, alt, false));
    HWND now = GetFocus() != nullptr ? GetFocus() : focus;
    deliver(now, alt ? WM_SYSKEYUP : WM_KEYUP, code, keyData(code, alt, true));
}

}  // namespace

void click(Dialog& dialog, int id) {
    HWND control = controlWindow(dialog, id);
    if (control == nullptr) {
        return;
    }
    RECT r{};
    GetClientRect(control, &r);
    POINT at{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
    HWND target = control;
    // A window that holds the mouse gets the click, in its own coordinates; a disabled
    // window gets none.
    if (HWND holder = GetCapture()) {
        ClientToScreen(control, &at);
        ScreenToClient(holder, &at);
        target = holder;
    } else if (!IsWindowEnabled(control) || !IsWindowEnabled(GetAncestor(control, GA_ROOT))) {
        return;
    }
    const LPARAM where = MAKELPARAM(at.x, at.y);
    deliver(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
    deliver(target, WM_LBUTTONUP, 0, where);
}

void type(Dialog& dialog, int id, std::string_view text) {
    HWND control = controlWindow(dialog, id);
    if (control == nullptr) {
        return;
    }
    SendMessageW(static_cast<HWND>(dialog.nativeHandle()), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(control), TRUE);
    const std::wstring units = win32::wide(text);
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] == L'\r' && i + 1 < units.size() && units[i + 1] == L'\n') {
            key(Key::Return);
            ++i;
        } else if (units[i] == L'\r' || units[i] == L'\n') {
            key(Key::Return);
        } else {
            HWND focus = GetFocus() != nullptr ? GetFocus() : control;
            deliver(focus, WM_CHAR, units[i], 1);
        }
    }
}

void key(Key key, Modifiers modifiers) {
    sendKey(virtualKey(key), modifiers);
}

void letter(char letter, Modifiers modifiers) {
    const wchar_t unit = win32::wide(std::string_view(&letter, 1)).front();
    const SHORT scan = VkKeyScanW(unit);
    if (scan == -1) {
        // No key of the layout gives it: only the character, as an input method would.
        if (HWND focus = GetFocus()) {
            deliver(focus, modifiers.alt ? WM_SYSCHAR : WM_CHAR, unit, 1);
        }
        return;
    }
    Modifiers held = modifiers;
    held.shift = held.shift || (scan & 0x100) != 0;
    sendKey(static_cast<WPARAM>(scan & 0xFF), held);
}

void choose(Dialog& dialog, int id, int index) {
    HWND combo = controlWindow(dialog, id);
    if (combo == nullptr || !IsWindowEnabled(combo)) {
        return;
    }
    const auto current = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    if (SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR && index >= 0) {
        return;
    }
    if (current != index) {
        // What a choice in the list tells the dialog.
        HWND window = static_cast<HWND>(dialog.nativeHandle());
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(combo));
    }
    Application::processEvents();
}

void dropDown(Dialog& dialog, int id) {
    HWND combo = controlWindow(dialog, id);
    if (combo == nullptr || !IsWindowEnabled(combo)) {
        return;
    }
    // The list tells its dialog CBN_DROPDOWN before it opens, as on a click.
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Application::processEvents();
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    Application::processEvents();
}

int focusedControl(const Dialog& dialog) {
    HWND window = static_cast<HWND>(dialog.nativeHandle());
    HWND focus = GetFocus();
    if (window == nullptr || focus == nullptr || !IsChild(window, focus)) {
        return 0;
    }
    // The dialog's own child (the focus may sit in a control's inner window).
    while (GetParent(focus) != window) {
        focus = GetParent(focus);
    }
    return GetDlgCtrlID(focus);
}

bool activate(Window& window) {
    HWND top = GetAncestor(static_cast<HWND>(window.nativeHandle()), GA_ROOT);
    if (top == nullptr) {
        return false;
    }
    SetForegroundWindow(top);
    SetActiveWindow(top);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (GetActiveWindow() != top && std::chrono::steady_clock::now() < until) {
        processEvents(std::chrono::milliseconds(10));
    }
    return GetActiveWindow() == top;
}

void processEvents(std::chrono::milliseconds duration) {
    const auto until = std::chrono::steady_clock::now() + duration;
    Application::processEvents();
    for (auto now = std::chrono::steady_clock::now(); now < until;
         now = std::chrono::steady_clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - now);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()) + 1,
                                  QS_ALLINPUT);
        Application::processEvents();
    }
}

}  // namespace pemlar::fw::driver
