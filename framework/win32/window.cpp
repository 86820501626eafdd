// Window and control handles over their windows.

#include <algorithm>

#include "framework/controls.h"
#include "framework/placement.h"
#include "framework/win32/native.h"
#include "framework/window.h"

namespace pemlar::fw {

using win32::dialogHandleOf;
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
    moveTo(centredOrigin({outer.width, outer.height}, win32::primaryScreen()));
}

std::string Control::text() const {
    return win32::narrow(win32::windowTextOf(handleOf(*this)));
}

void Control::setText(std::string_view text) {
    SetWindowTextW(handleOf(*this), win32::wide(text).c_str());
}

bool Control::isEnabled() const {
    return IsWindowEnabled(handleOf(*this)) != FALSE;
}

void Control::setEnabled(bool enabled) {
    EnableWindow(handleOf(*this), enabled ? TRUE : FALSE);
}

bool Control::isVisible() const {
    return IsWindowVisible(handleOf(*this)) != FALSE;
}

bool Control::hasFocus() const {
    HWND focus = GetFocus();
    return focus != nullptr && (focus == handleOf(*this) || IsChild(handleOf(*this), focus));
}

void Control::setFocus() {
    // Through the dialog manager, so the default button follows the focus.
    SendMessageW(dialogHandleOf(*this), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(handleOf(*this)),
                 TRUE);
}

Rect Control::rect() const {
    RECT r{};
    GetWindowRect(handleOf(*this), &r);
    MapWindowPoints(nullptr, dialogHandleOf(*this), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Edit::setLimit(int maxChars) {
    limit_ = std::max(maxChars, 0);
    // Counted in UTF-16 units, a line break two, as the limit is; 0 lifts it.
    SendMessageW(handleOf(*this), EM_SETLIMITTEXT, static_cast<WPARAM>(limit_), 0);
}

void Edit::setWrapColumn(int columns) {
    wrapColumn_ = std::max(columns, 0);
    win32::applyEditLayout(*this);
}

std::vector<std::string> Edit::shownLines() const {
    HWND window = handleOf(*this);
    const std::wstring text = win32::windowTextOf(window);
    const auto count = static_cast<int>(SendMessageW(window, EM_GETLINECOUNT, 0, 0));
    std::vector<std::string> lines;
    for (int line = 0; line < count; ++line) {
        const auto start = static_cast<std::size_t>(
            std::max<LRESULT>(SendMessageW(window, EM_LINEINDEX, static_cast<WPARAM>(line), 0), 0));
        const auto length = static_cast<std::size_t>(std::max<LRESULT>(
            SendMessageW(window, EM_LINELENGTH, static_cast<WPARAM>(start), 0), 0));
        lines.push_back(
            win32::narrow(std::wstring_view(text).substr(std::min(start, text.size()), length)));
    }
    return lines;
}

std::u32string Edit::chars() const {
    return win32::chars(win32::windowTextOf(handleOf(*this)));
}

void Edit::setChars(std::u32string_view chars) {
    SetWindowTextW(handleOf(*this), win32::wideChars(chars).c_str());
}

}  // namespace pemlar::fw
