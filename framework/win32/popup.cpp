// Popup: a top-level window of the back end's own class around one dialog, shown
// without taking the activation, with a timer and a hold on the mouse.

#include <algorithm>

#include "framework/placement.h"
#include "framework/popup.h"
#include "framework/win32/native.h"

namespace pemlar::fw {

namespace win32 {

namespace {

constexpr UINT_PTR kPopupTimer = 1;

LRESULT CALLBACK popupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        keepCreateParams(window, lParam);
    }
    Popup::Native* native = keptCreateParams<Popup::Native>(window);
    if (native == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_TIMER:
            if (wParam == kPopupTimer) {
                KillTimer(window, kPopupTimer);
                const std::function<void()> handler = std::move(native->onTimer);
                native->onTimer = nullptr;
                if (handler) {
                    handler();
                }
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            if (native->holding && native->onPress) {
                const std::function<void()> handler = native->onPress;
                handler();
            }
            return 0;
        case WM_CAPTURECHANGED:
            // Another program took the mouse: the hold is over.
            if (native->holding && reinterpret_cast<HWND>(lParam) != window) {
                native->holding = false;
                setMouseHolder(nullptr);
            }
            return 0;
        case WM_DESTROY:
            if (native->holding) {
                native->holding = false;
                setMouseHolder(nullptr);
            }
            native->window = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* popupClassName() {
    return registeredClass(L"PemlarPopup", popupProc);
}

Size clientSizeOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

}  // namespace win32

Popup::Popup(Window& owner) : owner_(owner), native_(std::make_unique<Native>()) {}

Popup::~Popup() {
    close();
}

void* Popup::nativeHandle() const {
    return native_->window;
}

void Popup::create(std::unique_ptr<Dialog> content) {
    if (native_->window != nullptr || content_ != nullptr) {
        return;
    }
    content_ = std::move(content);
    HWND owner = win32::rootOf(&owner_);
    native_->window =
        CreateWindowExW(WS_EX_NOACTIVATE, win32::popupClassName(), L"", WS_POPUP | WS_DLGFRAME, 0,
                        0, 0, 0, owner, nullptr, win32::instance(), native_.get());
    if (native_->window == nullptr) {
        win32::fatal("popup for dialog", content_->templateId());
    }
    HWND inner = static_cast<HWND>(content_->nativeHandle());
    SetParent(inner, native_->window);
    SetWindowPos(inner, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    content_->create();
    ShowWindow(inner, SW_SHOWNA);
    // The outer size is the content's: the thin dialog frame covers its right and bottom edge.
    const Size size = win32::clientSizeOf(inner);
    const Point at = centredOrigin(size, win32::primaryScreen());
    SetWindowPos(native_->window, nullptr, at.x, at.y, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    ShowWindow(native_->window, SW_SHOWNOACTIVATE);
    UpdateWindow(native_->window);
}

void Popup::startTimer(std::chrono::milliseconds delay, std::function<void()> handler) {
    if (native_->window == nullptr) {
        return;
    }
    native_->onTimer = std::move(handler);
    const auto ms = static_cast<UINT>(std::max<std::chrono::milliseconds::rep>(delay.count(), 1));
    SetTimer(native_->window, win32::kPopupTimer, ms, nullptr);
}

void Popup::stopTimer() {
    if (native_->window != nullptr) {
        KillTimer(native_->window, win32::kPopupTimer);
    }
    native_->onTimer = nullptr;
}

void Popup::holdMouse(std::function<void()> onPress) {
    if (native_->window == nullptr) {
        return;
    }
    native_->onPress = std::move(onPress);
    native_->holding = true;
    win32::setMouseHolder(native_->window);
    SetCapture(native_->window);
}

void Popup::releaseMouse() {
    if (!native_->holding) {
        return;
    }
    native_->holding = false;
    win32::setMouseHolder(nullptr);
    if (GetCapture() == native_->window) {
        ReleaseCapture();
    }
}

bool Popup::holdsMouse() const {
    return native_->holding;
}

void Popup::close() {
    if (native_->window == nullptr) {
        return;
    }
    releaseMouse();
    KillTimer(native_->window, win32::kPopupTimer);
    HWND window = native_->window;
    // The content goes with its window; the object keeps the handle until it goes.
    DestroyWindow(window);
}

}  // namespace pemlar::fw
