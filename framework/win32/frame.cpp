// Frame and Popup: top-level windows of the back end's own classes around one dialog.

#include <algorithm>

#include "framework/frame.h"
#include "framework/popup.h"
#include "framework/win32/native.h"

namespace pemlar::fw {

namespace win32 {

namespace {

// Title bar, system menu and minimise box; no sizing border, no maximise box.
constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kPopupTimer = 1;

Frame::Native* frameOf(HWND window) {
    return reinterpret_cast<Frame::Native*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

Popup::Native* popupOf(HWND window) {
    return reinterpret_cast<Popup::Native*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void keepNative(HWND window, LPARAM createParams) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        keepNative(window, lParam);
    }
    Frame::Native* native = frameOf(window);
    switch (message) {
        case WM_ACTIVATE:
            // A child dialog gets no activation messages of its own, so its dialog
            // manager can't remember its focus across a prompt or a notice: the frame does.
            if (LOWORD(wParam) == WA_INACTIVE && native != nullptr) {
                HWND focus = GetFocus();
                native->focusToRestore =
                    focus != nullptr && IsChild(window, focus) ? focus : nullptr;
            }
            break;
        case WM_SETFOCUS:
            if (native != nullptr && native->focusToRestore != nullptr &&
                IsChild(window, native->focusToRestore) &&
                IsWindowEnabled(native->focusToRestore) &&
                IsWindowVisible(native->focusToRestore)) {
                SetFocus(native->focusToRestore);
            } else if (HWND client = GetWindow(window, GW_CHILD)) {
                // The client dialog puts the focus on its first control.
                SetFocus(client);
            }
            return 0;
        case WM_CLOSE: {
            // A client that has ended (end() hides it, then closes the frame) is not
            // asked again.
            HWND client = native != nullptr ? handleOf(native->client) : nullptr;
            if (client != nullptr && (GetWindowLongW(client, GWL_STYLE) & WS_VISIBLE) != 0 &&
                !native->client->CanClose()) {
                return 0;
            }
            break;
        }
        case WM_DESTROY:
            if (native != nullptr) {
                native->window = nullptr;
                frameDestroyed(window);
                if (native->onClosed) {
                    const std::function<void()> handler = native->onClosed;
                    handler();
                }
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK popupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        keepNative(window, lParam);
    }
    Popup::Native* native = popupOf(window);
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

const wchar_t* registered(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance(), name, &existing)) {
        return name;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
    return name;
}

Size clientSizeOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

Size outerSizeOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

const wchar_t* frameClassName() {
    return registered(L"PemlarFrame", frameProc);
}

const wchar_t* popupClassName() {
    return registered(L"PemlarPopup", popupProc);
}

}  // namespace win32

Frame::Frame(std::string_view caption, std::unique_ptr<Dialog> client)
    : client_(std::move(client)), native_(std::make_unique<Native>()) {
    native_->window = CreateWindowExW(0, win32::frameClassName(), win32::wide(caption).c_str(),
                                      win32::kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                                      nullptr, nullptr, win32::instance(), native_.get());
    if (native_->window == nullptr) {
        win32::fatal("frame for dialog", client_->templateId());
    }
    native_->client = client_.get();
}

Frame::~Frame() {
    if (native_->window != nullptr) {
        native_->onClosed = nullptr;
        // The client goes first, while its frame still exists as its parent.
        SetWindowLongPtrW(native_->window, GWLP_USERDATA, 0);
        HWND window = native_->window;
        native_->window = nullptr;
        client_.reset();
        DestroyWindow(window);
    }
}

void* Frame::nativeHandle() const {
    return native_->window;
}

void Frame::setIcon(int iconId) {
    native_->icon = LoadIconW(win32::instance(), MAKEINTRESOURCEW(iconId));
    if (native_->window != nullptr && native_->icon != nullptr) {
        SendMessageW(native_->window, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(native_->icon));
    }
}

void Frame::create() {
    if (created_ || native_->window == nullptr) {
        return;
    }
    created_ = true;
    HWND client = static_cast<HWND>(client_->nativeHandle());
    SetParent(client, native_->window);
    SetWindowPos(client, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    client_->native().frame = native_->window;
    client_->create();
    // Shrink to the client: the client area is exactly the dialog's window, its dialog
    // frame included (that frame lies outside the dialog's own client area).
    const Size size = win32::outerSizeOf(client);
    RECT outer{0, 0, size.width, size.height};
    AdjustWindowRectEx(&outer, win32::kFrameStyle, FALSE, 0);
    SetWindowPos(native_->window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(client, SW_SHOWNA);
    Setup();
}

void Frame::close() {
    if (native_->window != nullptr) {
        SendMessageW(native_->window, WM_CLOSE, 0, 0);
    }
}

void Frame::onClosed(std::function<void()> handler) {
    native_->onClosed = std::move(handler);
}

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
    HWND owner = GetAncestor(win32::handleOf(&owner_), GA_ROOT);
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
    const int x = (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2;
    SetWindowPos(native_->window, nullptr, x, y, size.width, size.height,
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
