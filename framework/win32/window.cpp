// Window over an HWND, the message pump all loops share, and the wide-text helpers.

#include <algorithm>
#include <vector>

#include "framework/win32/native.h"
#include "framework/win32/utf16.h"
#include "framework/window.h"

namespace pemlar::fw {

namespace win32 {

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

}  // namespace

std::wstring wide(std::string_view windowsText) {
    const std::u16string units = wideFromWindows(windowsText);
    return {units.begin(), units.end()};
}

std::wstring wideChars(std::u32string_view text) {
    const std::u16string units = wideFromChars(text);
    return {units.begin(), units.end()};
}

std::string narrow(std::wstring_view units) {
    const std::u16string copy(units.begin(), units.end());
    return windowsFromWide(copy);
}

std::u32string chars(std::wstring_view units) {
    const std::u16string copy(units.begin(), units.end());
    return charsFromWide(copy);
}

std::wstring windowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

HWND parkingWindow() {
    // One for the process, made on first use; the system destroys it with the thread.
    static HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         instance(), nullptr);
    return window;
}

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

HWND mouseHolder() {
    return holder();
}

namespace {

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

}  // namespace win32

using win32::handleOf;

std::string Window::caption() const {
    return win32::narrow(win32::windowTextOf(handleOf(this)));
}

void Window::setCaption(std::string_view text) {
    SetWindowTextW(handleOf(this), win32::wide(text).c_str());
}

void Window::show() {
    ShowWindow(handleOf(this), SW_SHOW);
}

void Window::hide() {
    ShowWindow(handleOf(this), SW_HIDE);
}

bool Window::isVisible() const {
    HWND window = handleOf(this);
    return window != nullptr && IsWindowVisible(window);
}

bool Window::isActive() const {
    HWND window = handleOf(this);
    return window != nullptr && GetActiveWindow() == GetAncestor(window, GA_ROOT);
}

Rect Window::outerRect() const {
    RECT r{};
    GetWindowRect(handleOf(this), &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Rect Window::clientRect() const {
    HWND window = handleOf(this);
    RECT r{};
    GetClientRect(window, &r);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x, origin.y, r.right - r.left, r.bottom - r.top};
}

void Window::moveTo(Point topLeft) {
    HWND window = handleOf(this);
    POINT at{topLeft.x, topLeft.y};
    // A child window is placed in its parent's client coordinates.
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0) {
        ScreenToClient(GetParent(window), &at);
    }
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::centreOnScreen() {
    const Rect outer = outerRect();
    // Signed halving, so a window larger than the screen reaches past both edges.
    moveTo({(GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2});
}

}  // namespace pemlar::fw
